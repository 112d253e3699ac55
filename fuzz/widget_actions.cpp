// SPDX-License-Identifier: GPL-3.0-or-later
// The person's actions on the widgets, each one chosen by the fuzz input among what the person
// can reach on screen now, carried out as the keyboard and mouse would, then checked.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <array>

#include "fuzz/action_input.h"
#include "fuzz/widget_session.h"
#include "gui/form_view.h"
#include "gui/front_end.h"
#include "shell/main_menu.h"

namespace velomark::fuzz {

namespace {

// Whether a person can get at the widget or menu entry now: shown and enabled, and so is every
// menu on the way to it.
bool CanReach(QObject& object) {
    if (auto* widget = qobject_cast<QWidget*>(&object)) {
        return widget->isVisible() && widget->isEnabled();
    }
    QAction* action = qobject_cast<QAction*>(&object);
    if (auto* menu = qobject_cast<QMenu*>(&object)) action = menu->menuAction();
    if (!action || !action->isVisible() || !action->isEnabled()) return false;
    for (QObject* holder : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder); menu && menu->menuAction() != action) {
            return CanReach(*menu);
        }
    }
    return true;
}

// The line a person types into: a field's own, or a drop-down list's.
QLineEdit* EditOf(QObject& object) {
    if (auto* combo = qobject_cast<QComboBox*>(&object)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(&object);
}

// A caption's access key: the letter after its "&", or 0.
char AccessKey(const std::string& caption) {
    const std::size_t marker = caption.find('&');
    if (marker == std::string::npos || marker + 1 >= caption.size()) return 0;
    const char key = caption[marker + 1];
    return key == '&' || key == ' ' ? 0 : key;
}

struct Key {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// The keys that edit a field's text, and those that act on whatever has the focus: a list
// steps through its items, a button or an option is pressed.
constexpr std::array<Key, 21> kKeys = {{
    {"Ctrl+A", Qt::Key_A, Qt::ControlModifier},
    {"Ctrl+C", Qt::Key_C, Qt::ControlModifier},
    {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
    {"Ctrl+X", Qt::Key_X, Qt::ControlModifier},
    {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier},
    {"Delete", Qt::Key_Delete, Qt::NoModifier},
    {"Home", Qt::Key_Home, Qt::NoModifier},
    {"End", Qt::Key_End, Qt::NoModifier},
    {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier},
    {"Shift+End", Qt::Key_End, Qt::ShiftModifier},
    {"Left", Qt::Key_Left, Qt::NoModifier},
    {"Right", Qt::Key_Right, Qt::NoModifier},
    {"Shift+Left", Qt::Key_Left, Qt::ShiftModifier},
    {"Up", Qt::Key_Up, Qt::NoModifier},
    {"Down", Qt::Key_Down, Qt::NoModifier},
    {"Page Up", Qt::Key_PageUp, Qt::NoModifier},
    {"Page Down", Qt::Key_PageDown, Qt::NoModifier},
    {"Space", Qt::Key_Space, Qt::NoModifier},
    {"Return", Qt::Key_Return, Qt::NoModifier},
    {"Escape", Qt::Key_Escape, Qt::NoModifier},
}};

}  // namespace

std::vector<Control*> WidgetSession::reachable(
    const Form& window, const std::function<bool(const Control&, QObject&)>& wanted) {
    std::vector<Control*> found;
    gui::FormView* view = driver_->frontEnd().viewOf(window);
    if (!view) return found;
    for (Control* control : window.controls()) {
        QObject* object = view->widgetOf(*control);
        if (object && wanted(*control, *object) && CanReach(*object)) found.push_back(control);
    }
    return found;
}

// Exit, and what stands for it: what a long session leaves alone.
bool WidgetSession::endsProgram(const Control& control) const {
    if (control.form().name() == MainMenu::kName) return control.name() == "cmdExit";
    return control.kind() == ControlKind::MenuEntry &&
           static_cast<const MenuEntry&>(control).shortcut() == "Ctrl+X";
}

// Typing replaces the whole text, one keystroke at a time; each keystroke is checked.
void WidgetSession::type(Form& window, ActionInput& input) {
    const auto fields = reachable(window, [](const Control& control, QObject& object) {
        const QLineEdit* edit = EditOf(object);
        return control.isField() && edit && !edit->isReadOnly();
    });
    if (fields.empty()) return;
    TextField& field = *fields[input.choose(fields.size())]->asField();
    const std::string text = input.text();
    timed(window.name(), "type " + field.name() + " " + Shown(text), [&] {
        driver_->focus(field);
        if (!stillShown(window)) return;
        QWidget& widget = driver_->widgetOf(field);
        QTest::keySequence(&widget, QKeySequence::SelectAll);
        if (text.empty()) {
            QTest::keyClick(&widget, Qt::Key_Delete);
            script::Settle();
        } else {
            driver_->key(text[0]);
        }
    });
    verify();
    for (std::size_t i = 1; i < text.size(); ++i) {
        // A keystroke's handler may have ended the program or taken the focus elsewhere.
        if (app().ended() || !stillShown(window) || current() != &window ||
            window.focused() != &field) {
            return;
        }
        timed(window.name(), "  its keystroke " + std::to_string(i + 1),
              [&] { driver_->key(text[i]); });
        verify();
        trace_.dropLast();
    }
}

void WidgetSession::pick(Form& window, ActionInput& input) {
    const auto lists = reachable(window, [](const Control& control, QObject&) {
        return control.kind() == ControlKind::ComboBox &&
               !static_cast<const ComboBox&>(control).items().empty();
    });
    if (lists.empty()) return;
    auto& list = static_cast<ComboBox&>(*lists[input.choose(lists.size())]);
    const std::string item = list.items()[input.choose(list.items().size())];
    timed(window.name(), "pick " + list.name() + " " + Shown(item),
          [&] { driver_->pick(list, item); });
    verify();
}

// Buttons, options, check boxes and menu entries most often; now and then a label, a frame or
// a picture, which a person clicks too.
void WidgetSession::click(Form& window, ActionInput& input) {
    const bool commands = input.byte() % 4 != 0;
    const auto targets = reachable(window, [&](const Control& control, QObject&) {
        if (options_.keepRunning && endsProgram(control)) return false;
        if (commands) return IsClickable(control);
        return control.kind() == ControlKind::Label || control.kind() == ControlKind::GroupBox ||
               control.kind() == ControlKind::Picture;
    });
    if (targets.empty()) return;
    Control& target = *targets[input.choose(targets.size())];
    timed(window.name(), "click " + target.name(), [&] { driver_->click(target); });
    verify();
}

void WidgetSession::leave(Form& window) {
    timed(window.name(), "leave", [&] { driver_->leave(); });
    verify();
}

void WidgetSession::focus(Form& window, ActionInput& input) {
    const auto targets =
        reachable(window, [](const Control& control, QObject&) { return control.takesFocus(); });
    if (targets.empty()) return;
    Control& target = *targets[input.choose(targets.size())];
    timed(window.name(), "focus " + target.name(), [&] { driver_->focus(target); });
    verify();
}

// A key pressed on a focused button clicks it: a run that keeps the program going leaves Exit's
// alone.
bool WidgetSession::keyMayEndProgram(const Form& window) const {
    return options_.keepRunning && window.focused() && endsProgram(*window.focused());
}

void WidgetSession::pressCharacter(Form& window, ActionInput& input) {
    const char key = input.key();
    if (keyMayEndProgram(window)) return;
    timed(window.name(), std::string("key '") + key + "'", [&] { driver_->key(key); });
    verify();
}

// A click with the mouse anywhere in a field, whichever control had the focus.
void WidgetSession::clickIntoField(Form& window, ActionInput& input) {
    const auto fields = reachable(window, [](const Control& control, QObject& object) {
        return control.isField() && EditOf(object);
    });
    if (fields.empty()) return;
    Control& field = *fields[input.choose(fields.size())];
    QLineEdit& edit = *EditOf(*driver_->frontEnd().viewOf(window)->widgetOf(field));
    const int x = input.byte() * edit.width() / 256;
    timed(window.name(), "click into " + field.name() + " at " + std::to_string(x), [&] {
        driver_->activate(window);
        script::ClickInto(edit, x);
        script::Settle();
    });
    verify();
}

// Opening a list shows its items; Escape closes it again with nothing picked.
void WidgetSession::openListAndEscape(Form& window, ActionInput& input) {
    const auto lists = reachable(window, [](const Control& control, QObject&) {
        return control.kind() == ControlKind::ComboBox;
    });
    if (lists.empty()) return;
    auto& list = static_cast<ComboBox&>(*lists[input.choose(lists.size())]);
    timed(window.name(), "open " + list.name() + " and press Escape", [&] {
        driver_->openList(list);
        QAbstractItemView* items = static_cast<QComboBox&>(driver_->widgetOf(list)).view();
        QTest::keyClick(items, Qt::Key_Escape);
        script::Settle();
    });
    verify();
}

// The mouse wheel over a list steps through its items, as the arrow keys do.
void WidgetSession::scrollList(Form& window, ActionInput& input) {
    const auto lists = reachable(window, [](const Control& control, QObject&) {
        return control.kind() == ControlKind::ComboBox;
    });
    if (lists.empty()) return;
    Control& list = *lists[input.choose(lists.size())];
    const bool down = input.byte() % 2 != 0;
    timed(window.name(), std::string("scroll ") + (down ? "down" : "up") + " over " + list.name(),
          [&] {
              driver_->activate(window);
              QWidget& combo = driver_->widgetOf(list);
              const QPointF inside = combo.rect().center();
              QWheelEvent wheel(inside, combo.mapToGlobal(inside), {}, {0, down ? -120 : 120},
                                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
              QApplication::sendEvent(&combo, &wheel);
              script::Settle();
          });
    verify();
}

// A right click in a field opens its own menu of editing commands; the person chooses one of
// them (a submenu's entry included) or closes it with Escape.
void WidgetSession::useFieldMenu(Form& window, ActionInput& input) {
    const auto fields = reachable(window, [](const Control&, QObject& object) {
        return qobject_cast<QLineEdit*>(&object) != nullptr;
    });
    if (fields.empty()) return;
    Control& field = *fields[input.choose(fields.size())];
    const std::size_t choice = input.byte();
    const std::size_t subChoice = input.byte();
    timed(window.name(), "right-click " + field.name() + ", entry " + std::to_string(choice), [&] {
        driver_->activate(window);
        QWidget& edit = driver_->widgetOf(field);
        QTest::mouseClick(&edit, Qt::RightButton, {}, edit.rect().center());
        script::Settle();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (std::size_t pick = choice; menu;) {
            std::vector<QAction*> entries;
            for (QAction* entry : menu->actions()) {
                if (entry->isEnabled() && entry->isVisible() && !entry->isSeparator())
                    entries.push_back(entry);
            }
            // One choice in the count more than the entries: Escape.
            const std::size_t chosen = pick % (entries.size() + 1);
            if (chosen == entries.size()) {
                QTest::keyClick(menu, Qt::Key_Escape);
                break;
            }
            QMenu* submenu = entries[chosen]->menu();
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(entries[chosen]).center());
            script::Settle();
            if (!submenu) break;
            menu = QTest::qWaitFor([submenu] { return submenu->isVisible(); }, 1000) ? submenu
                                                                                     : nullptr;
            pick = subChoice;
        }
        script::Settle();
        // Whatever is still open (a menu the submenu left behind) is closed with Escape.
        while (QWidget* popup = QApplication::activePopupWidget()) {
            QTest::keyClick(popup, Qt::Key_Escape);
            script::Settle();
        }
    });
    verify();
}

void WidgetSession::tab(Form& window, ActionInput& input) {
    const bool back = input.byte() % 2 != 0;
    timed(window.name(), back ? "Shift+Tab" : "Tab", [&] {
        QWidget& target = driver_->keyTarget(window);
        QTest::keyClick(&target, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        script::Settle();
    });
    verify();
}

// Outside a field some of the editing keys are menu shortcuts.
void WidgetSession::pressKey(Form& window, ActionInput& input) {
    const Key& key = kKeys[input.choose(kKeys.size())];
    QWidget* focused = QApplication::focusWidget();
    const bool inField = qobject_cast<QLineEdit*>(focused) || qobject_cast<QComboBox*>(focused);
    if (options_.keepRunning && key.key == Qt::Key_X && !inField) return;
    if (keyMayEndProgram(window)) return;
    timed(window.name(), std::string("press ") + key.name, [&] {
        QTest::keyClick(&driver_->keyTarget(window), key.key, key.modifiers);
        script::Settle();
    });
    verify();
}

// A menu entry's shortcut, pressed wherever the focus is.
void WidgetSession::pressShortcut(Form& window, ActionInput& input) {
    std::vector<const MenuEntry*> entries;
    for (const Control* control : window.controls()) {
        if (control->kind() != ControlKind::MenuEntry) continue;
        const auto& entry = static_cast<const MenuEntry&>(*control);
        if (entry.shortcut().empty() || (options_.keepRunning && endsProgram(entry))) continue;
        entries.push_back(&entry);
    }
    if (entries.empty()) return;
    const std::string keys = entries[input.choose(entries.size())]->shortcut();
    timed(window.name(), "press " + keys, [&] {
        QTest::keySequence(&driver_->keyTarget(window), QKeySequence(QString::fromStdString(keys)));
        script::Settle();
    });
    verify();
}

// Alt and a caption's underlined letter: a button clicks, a caption moves the focus to its
// field, a menu opens (and the person closes it again).
void WidgetSession::pressAccessKey(Form& window, ActionInput& input) {
    const auto targets = reachable(window, [&](const Control& control, QObject& object) {
        if (options_.keepRunning && endsProgram(control)) return false;
        if (control.kind() == ControlKind::MenuEntry)
            return qobject_cast<QMenu*>(&object) != nullptr;
        return AccessKey(control.shownText()) != 0;
    });
    if (targets.empty()) return;
    Control& target = *targets[input.choose(targets.size())];
    const char key = AccessKey(target.shownText());
    if (key == 0) return;
    // A button's access key presses it and lets it go a moment later: the click comes then.
    QList<QPointer<QAbstractButton>> buttons;
    for (QAbstractButton* button :
         driver_->frontEnd().windowOf(window)->findChildren<QAbstractButton*>())
        buttons.append(button);
    timed(window.name(), std::string("press Alt+") + key, [&] {
        QTest::keyClick(&driver_->keyTarget(window), key, Qt::AltModifier);
        script::Settle();
        // Only a button's release clicks it; on a very busy machine the click may come later.
        static_cast<void>(QTest::qWaitFor(
            [&buttons] {
                for (const QPointer<QAbstractButton>& button : buttons) {
                    if (button && button->isDown()) return false;
                }
                return true;
            },
            1000));
        script::Settle();
        if (QWidget* menu = QApplication::activePopupWidget()) {
            QTest::keyClick(menu, Qt::Key_Escape);
            script::Settle();
        }
    });
    verify();
}

void WidgetSession::switchWindow(ActionInput& input) {
    const std::vector<Form*> windows = app().loadedWindows();
    if (windows.empty()) return;
    Form& window = *windows[input.choose(windows.size())];
    timed(window.name(), "bring to the front", [&] { driver_->bringToFront(window); });
    verify();
}

void WidgetSession::openFromMenu(ActionInput& input) {
    open(kCalculatorWindows[input.choose(kCalculatorWindows.size())]);
}

void WidgetSession::close(const std::string& name, Closing closing) {
    Form* window = loaded(name);
    if (!window) return;
    if (closing == Closing::TitleBar) return closeFromTitleBar(*window);
    for (Control* control : window->controls()) {
        const bool mainMenuButton =
            control->kind() == ControlKind::Button && control->shownText() == "&Main Menu";
        const bool mainMenuEntry = control->kind() == ControlKind::MenuEntry &&
                                   static_cast<const MenuEntry&>(*control).shortcut() == "Ctrl+M";
        if (closing == Closing::MainMenuButton ? mainMenuButton : mainMenuEntry) {
            timed(name, "click " + control->name(), [&] { driver_->click(*control); });
            return verify();
        }
    }
}

void WidgetSession::closeFromTitleBar(ActionInput& input) {
    const std::vector<Form*> windows = app().loadedWindows();
    if (windows.empty()) return;
    Form& window = *windows[input.choose(windows.size())];
    if (options_.keepRunning && (windows.size() == 1 || window.name() == MainMenu::kName)) return;
    closeFromTitleBar(window);
}

// The close box on the title bar, as the desktop reports a click on it.
void WidgetSession::closeFromTitleBar(Form& window) {
    QMainWindow* shown = driver_->frontEnd().windowOf(window);
    if (!shown || !shown->windowHandle()) return;
    timed(window.name(), "close from the title bar", [&] {
        shown->windowHandle()->close();
        script::Settle();
    });
    verify();
}

}  // namespace velomark::fuzz
