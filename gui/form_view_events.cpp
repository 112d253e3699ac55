// SPDX-License-Identifier: GPL-3.0-or-later
// What a person does on a window's widgets, passed to its model: typing, picking and clicking
// (through the control adapters), focus moving, keys pressed on the window, and its close box.

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>

#include "gui/control_adapter.h"
#include "gui/form_view.h"
#include "gui/front_end.h"
#include "shell/application.h"

namespace velomark::gui {

namespace {

// Focus that moves to a message box, a drop-down's list, a menu or another window comes back
// to the same control: it is no loss of focus for the model.
bool IsPassingAway(int reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

// The keys that edit text keep their meaning inside a field, read-only or not, so selecting
// text can never clear the window or end the program through a menu shortcut.
bool IsEditingKey(const QKeyEvent& key) {
    for (QKeySequence::StandardKey standard :
         {QKeySequence::SelectAll, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
          QKeySequence::Undo, QKeySequence::Redo}) {
        if (key.matches(standard)) return true;
    }
    return false;
}

}  // namespace

void FormView::typed(TextField& field, const QString& text) {
    if (!form_ || frontEnd_.busy()) {
        push(field);
        return;
    }
    Form& form = *form_;
    frontEnd_.dispatch([&] {
        if (form.focused() != &field) form.focus(field);
        if (form_) field.setText(text.toStdString());
    });
}

void FormView::picked(ComboBox& list, const QString& item) {
    if (!form_ || frontEnd_.busy()) {
        push(list);
        return;
    }
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.pick(list, item.toStdString()); });
    if (form_) push(list);
}

void FormView::clicked(Control& control) {
    if (!form_ || frontEnd_.busy()) {
        if (form_) push(control);
        return;
    }
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.click(control); });
    // A click on an option that is already on leaves it on, whatever the widget did.
    if (form_) push(control);
}

void FormView::tick(Control& timer) {
    if (!form_ || frontEnd_.busy()) return;
    frontEnd_.dispatch([&] { timer.raiseClick(); });
}

void FormView::focusGained(Control& control, int reason) {
    if (!form_ || frontEnd_.busy() || IsPassingAway(reason)) return;
    if (form_->focused() == &control) return;
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.focus(control); });
}

void FormView::focusLost(Control&, int reason) {
    if (!form_ || frontEnd_.busy() || IsPassingAway(reason)) return;
    if (QWidget* next = QApplication::focusWidget()) {
        // Moving to another control: its focus event tells the model.
        if (next->window() != window_) return;
        if (const Control* control = controlOf(next); control && control->takesFocus()) return;
    }
    if (!form_->focused()) return;
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.leave(); });
}

bool FormView::keyPressed(QEvent* event) {
    if (!form_ || frontEnd_.busy()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key->text();
    if (text.size() != 1 || text[0].unicode() == 0 || text[0].unicode() >= 128) return false;
    // A key that a field did not take is not the field's text.
    if (const Control* focused = controlOf(QApplication::focusWidget());
        focused && focused->isField()) {
        return false;
    }
    Form& form = *form_;
    const char character = static_cast<char>(text[0].unicode());
    frontEnd_.dispatch([&] { form.pressKey(character); });
    return true;
}

bool FormView::closeRequested() {
    if (!form_) return false;
    if (frontEnd_.busy()) return true;
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.app().unload(form); });
    return true;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            Control* control = const_cast<Control*>(controlOf(watched));
            if (!control || !control->takesFocus()) break;
            const int reason = static_cast<QFocusEvent*>(event)->reason();
            if (event->type() == QEvent::FocusIn) {
                // Qt gives a window it activates a focus of its own, the first control in the
                // tab chain, where the model may have none: take it away again.
                if (reason == Qt::ActiveWindowFocusReason && form_ && !form_->focused()) {
                    syncFocus();
                    break;
                }
                focusGained(*control, reason);
            } else {
                focusLost(*control, reason);
            }
            break;
        }
        case QEvent::ShortcutOverride: {
            const Control* control = controlOf(watched);
            if (control && control->isField() && IsEditingKey(*static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: {
            const Control* control = controlOf(watched);
            if (!control || !AdapterFor(control->kind()).hearsOwnClicks) break;
            // The press and release are this control's own: a label's click is not its frame's.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return true;
            if (event->type() == QEvent::MouseButtonPress) {
                pressed_ = control;
            } else if (event->type() == QEvent::MouseButtonRelease) {
                const bool inside =
                    static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
                const bool wasPressed = pressed_ == control;
                pressed_ = nullptr;
                if (wasPressed && inside) clicked(*const_cast<Control*>(control));
            }
            return true;
        }
        case QEvent::KeyPress:
            if (watched == window_) return keyPressed(event);
            break;
        case QEvent::Close:
            if (watched == window_ && closeRequested()) {
                event->ignore();
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velomark::gui
