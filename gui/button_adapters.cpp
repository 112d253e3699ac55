// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons, option buttons and check boxes: the person's clicks, the model's captions and values.

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "gui/control_adapter.h"
#include "gui/form_view.h"

namespace velomark::gui {

namespace {

void ConnectClicks(FormView& view, Control& control, QObject& object) {
    QObject::connect(static_cast<QAbstractButton*>(&object), &QAbstractButton::clicked, &view,
                     [&view, &control] { view.clicked(control); });
}

void ShowCaption(const Control& control, QAbstractButton& button) {
    ShowEnabledAndVisible(control, button);
    const QString caption = Text(control.shownText());
    if (button.text() != caption) button.setText(caption);
}

void ShowValue(const Control& control, bool on, QAbstractButton& button) {
    ShowCaption(control, button);
    if (button.isChecked() != on) {
        QSignalBlocker quiet(button);
        button.setChecked(on);
    }
}

}  // namespace

const ControlAdapter kOptionButtonAdapter{
    .widgetClass = "QRadioButton",
    .draws =
        [](const QObject& object) { return qobject_cast<const QRadioButton*>(&object) != nullptr; },
    .connect =
        [](FormView& view, Control& control, QObject& object) {
            // The model keeps the options of a group exclusive.
            static_cast<QRadioButton&>(object).setAutoExclusive(false);
            ConnectClicks(view, control, object);
        },
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            ShowValue(control, static_cast<const OptionButton&>(control).value(),
                      static_cast<QAbstractButton&>(object));
        },
};

const ControlAdapter kCheckBoxAdapter{
    .widgetClass = "QCheckBox",
    .draws =
        [](const QObject& object) { return qobject_cast<const QCheckBox*>(&object) != nullptr; },
    .connect = ConnectClicks,
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            ShowValue(control, static_cast<const CheckBox&>(control).value(),
                      static_cast<QAbstractButton&>(object));
        },
};

const ControlAdapter kButtonAdapter{
    .widgetClass = "QPushButton",
    .draws =
        [](const QObject& object) { return qobject_cast<const QPushButton*>(&object) != nullptr; },
    .connect = ConnectClicks,
    .push = [](const FormView&, const Control& control,
               QObject& object) { ShowCaption(control, static_cast<QAbstractButton&>(object)); },
};

}  // namespace velomark::gui
