// SPDX-License-Identifier: GPL-3.0-or-later
// Labels, pictures and frames: captions the program writes, and clicks on the widget itself.

#include <QGroupBox>
#include <QLabel>

#include "gui/control_adapter.h"

namespace velomark::gui {

namespace {

bool IsLabel(const QObject& object) {
    return qobject_cast<const QLabel*>(&object) != nullptr;
}

}  // namespace

const ControlAdapter kLabelAdapter{
    .widgetClass = "QLabel",
    .draws = IsLabel,
    .connect =
        [](FormView&, Control&, QObject& object) {
            auto& label = static_cast<QLabel&>(object);
            // Texts written by the program show as they are: an "&" is no access key.
            if (!label.buddy()) label.setTextFormat(Qt::PlainText);
        },
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            auto& label = static_cast<QLabel&>(object);
            ShowEnabledAndVisible(control, label);
            const QString caption = Text(control.shownText());
            if (label.text() != caption) label.setText(caption);
        },
    .hearsOwnClicks = true,
};

// The picture itself comes from the layout; the model only shows, hides and hears it.
const ControlAdapter kPictureAdapter{
    .widgetClass = "QLabel",
    .draws = IsLabel,
    .push = [](const FormView&, const Control& control,
               QObject& object) { ShowEnabledAndVisible(control, static_cast<QWidget&>(object)); },
    .hearsOwnClicks = true,
};

const ControlAdapter kGroupBoxAdapter{
    .widgetClass = "QGroupBox",
    .draws =
        [](const QObject& object) { return qobject_cast<const QGroupBox*>(&object) != nullptr; },
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            auto& group = static_cast<QGroupBox&>(object);
            ShowEnabledAndVisible(control, group);
            const QString caption = Text(control.shownText());
            if (group.title() != caption) group.setTitle(caption);
        },
    .hearsOwnClicks = true,
};

}  // namespace velomark::gui
