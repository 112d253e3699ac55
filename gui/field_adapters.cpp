// SPDX-License-Identifier: GPL-3.0-or-later
// Text fields and drop-down lists: the person's typing and picking, the model's text, lock and
// background colour.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QStringList>

#include "gui/control_adapter.h"
#include "gui/form_view.h"

namespace velomark::gui {

namespace {

// A disabled field keeps the look Qt's palette gives it, so it never passes for a typable one.
void SetBackground(QWidget& widget, Colour colour) {
    const QColor wanted(colour.red, colour.green, colour.blue);
    QPalette palette = widget.palette();
    if (palette.color(QPalette::Active, QPalette::Base) == wanted) return;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, wanted);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    widget.setPalette(palette);
}

// Qt on Linux names a drop-down list by its current item, so a screen reader hears "50/34"
// where it should hear "Chainset": here a list's name is its own (its label's, by its buddy)
// and the item is its value.
class AccessibleList : public QAccessibleWidget {
  public:
    explicit AccessibleList(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return static_cast<QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* ListAccessibility(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox") || !object || !object->isWidgetType())
        return nullptr;
    return new AccessibleList(static_cast<QComboBox*>(object));
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
            static const bool accessible = [] {
                QAccessible::installFactory(&ListAccessibility);
                return true;
            }();
            (void)accessible;
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
