// SPDX-License-Identifier: GPL-3.0-or-later
// Text fields and drop-down lists: the person's typing and picking, the model's text, lock and
// background colour.

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QStringList>

#include "gui/control_adapter.h"
#include "gui/form_view.h"

namespace velomark::gui {

namespace {

void SetBackground(QWidget& widget, Colour colour) {
    const QColor wanted(colour.red, colour.green, colour.blue);
    QPalette palette = widget.palette();
    if (palette.color(QPalette::Base) == wanted) return;
    palette.setColor(QPalette::Base, wanted);
    palette.setColor(QPalette::Text, Qt::black);
    widget.setPalette(palette);
}

QStringList Items(const ComboBox& list) {
    QStringList items;
    for (const std::string& item : list.items())
        items << Text(item);
    return items;
}

QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

void ConnectTyping(FormView& view, TextField& field, QLineEdit& edit) {
    QObject::connect(&edit, &QLineEdit::textEdited, &view,
                     [&view, &field](const QString& text) { view.typed(field, text); });
}

}  // namespace

const ControlAdapter kTextFieldAdapter{
    .widgetClass = "QLineEdit",
    .draws =
        [](const QObject& object) { return qobject_cast<const QLineEdit*>(&object) != nullptr; },
    .connect =
        [](FormView& view, Control& control, QObject& object) {
            ConnectTyping(view, static_cast<TextField&>(control), static_cast<QLineEdit&>(object));
        },
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            const auto& field = static_cast<const TextField&>(control);
            auto& edit = static_cast<QLineEdit&>(object);
            ShowEnabledAndVisible(control, edit);
            const QString text = Text(field.text());
            if (edit.text() != text) {
                QSignalBlocker quiet(edit);
                edit.setText(text);
            }
            edit.setReadOnly(field.locked());
            SetBackground(edit, field.background());
        },
};

const ControlAdapter kComboBoxAdapter{
    .widgetClass = "QComboBox",
    .draws =
        [](const QObject& object) { return qobject_cast<const QComboBox*>(&object) != nullptr; },
    .connect =
        [](FormView& view, Control& control, QObject& object) {
            auto& list = static_cast<ComboBox&>(control);
            auto* combo = static_cast<QComboBox*>(&object);
            combo->setEditable(true);
            // What the person types stays exactly as typed: no completion, no new items, and
            // Enter or leaving the field is no pick.
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            QLineEdit* edit = combo->lineEdit();
            QObject::disconnect(edit, SIGNAL(editingFinished()), combo, nullptr);
            QObject::disconnect(edit, SIGNAL(returnPressed()), combo, nullptr);
            ConnectTyping(view, list, *edit);
            QObject::connect(combo, &QComboBox::activated, &view, [&view, &list, combo](int index) {
                view.picked(list, combo->itemText(index));
            });
        },
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            const auto& list = static_cast<const ComboBox&>(control);
            auto& combo = static_cast<QComboBox&>(object);
            ShowEnabledAndVisible(control, combo);
            QSignalBlocker quiet(combo);
            QSignalBlocker quietEdit(combo.lineEdit());
            const QStringList items = Items(list);
            if (Items(combo) != items) {
                combo.clear();
                combo.addItems(items);
            }
            const QString text = Text(list.text());
            if (combo.currentText() != text) combo.setEditText(text);
            combo.lineEdit()->setReadOnly(list.locked());
            SetBackground(combo, list.background());
        },
};

}  // namespace velomark::gui
