// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/screen_invariants.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <map>

#include "gui/chart_view.h"
#include "gui/form_view.h"
#include "gui/front_end.h"
#include "shell/application.h"
#include "shell/chart.h"
#include "shell/grid.h"
#include "tools/script/widget_driver.h"

namespace velomark::fuzz {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Quoted(const QString& text) {
    constexpr int kShown = 120;
    return "\"" + text.left(kShown).toStdString() + (text.size() > kShown ? "...\"" : "\"");
}

std::string ColourText(const QColor& colour) {
    return std::to_string(colour.red()) + "," + std::to_string(colour.green()) + "," +
           std::to_string(colour.blue());
}

std::string Differs(const std::string& what, const QString& shown, const std::string& model) {
    if (shown == Text(model)) return {};
    return what + " " + Quoted(shown) + ", the model " + Quoted(Text(model));
}

std::string Differs(const std::string& what, bool shown, bool model) {
    if (shown == model) return {};
    return what + (shown ? " yes" : " no") + ", the model" + (model ? " yes" : " no");
}

// One window's controls, found from their widgets, for the frames a widget stands in.
using ControlsByWidget = std::map<const QObject*, const Control*>;

// Whether the model has the control enabled, and shown, together with every frame it stands in:
// a disabled or hidden frame takes its contents with it on screen.
struct Reach {
    bool enabled = true;
    bool visible = true;
};

Reach ModelReach(const Control& control, const QWidget* widget, const ControlsByWidget& controls) {
    Reach reach{control.enabled(), control.visible()};
    for (const QWidget* outer = widget ? widget->parentWidget() : nullptr; outer;
         outer = outer->parentWidget()) {
        const auto found = controls.find(outer);
        if (found == controls.end()) continue;
        reach.enabled = reach.enabled && found->second->enabled();
        reach.visible = reach.visible && found->second->visible();
    }
    return reach;
}

std::string FieldBreach(const TextField& field, QLineEdit& edit, const QWidget& coloured) {
    if (std::string breach = Differs("shows", edit.text(), field.text()); !breach.empty()) {
        return breach;
    }
    if (std::string breach = Differs("is read-only:", edit.isReadOnly(), field.locked());
        !breach.empty()) {
        return breach;
    }
    const Colour colour = field.background();
    const QColor model(colour.red, colour.green, colour.blue);
    const QColor shown = coloured.palette().color(QPalette::Active, QPalette::Base);
    if (shown != model) {
        return "has the background " + ColourText(shown) + ", the model " + ColourText(model);
    }
    // Switched off, it looks switched off, as Qt draws any field that is.
    const QColor off = coloured.palette().color(QPalette::Disabled, QPalette::Base);
    const QColor anyOff =
        QApplication::palette(&coloured).color(QPalette::Disabled, QPalette::Base);
    if (!coloured.isEnabled() && off != anyOff) {
        return "is switched off with the background " + ColourText(off) + ", not " +
               ColourText(anyOff);
    }
    return {};
}

std::string ListBreach(const ComboBox& list, QComboBox& combo) {
    const std::vector<std::string>& items = list.items();
    if (combo.count() != static_cast<int>(items.size())) {
        return "lists " + std::to_string(combo.count()) + " items, the model " +
               std::to_string(items.size());
    }
    for (int i = 0; i < combo.count(); ++i) {
        const std::string what = "lists as item " + std::to_string(i + 1);
        if (std::string breach = Differs(what, combo.itemText(i), items[i]); !breach.empty()) {
            return breach;
        }
    }
    return FieldBreach(list, *combo.lineEdit(), *combo.lineEdit());
}

std::string MenuEntryBreach(const MenuEntry& entry, QObject& object) {
    QAction* action = qobject_cast<QAction*>(&object);
    if (auto* menu = qobject_cast<QMenu*>(&object)) {
        if (std::string breach = Differs("is titled", menu->title(), entry.caption());
            !breach.empty()) {
            return breach;
        }
        action = menu->menuAction();
    } else if (std::string breach = Differs("reads", action->text(), entry.caption());
               !breach.empty()) {
        return breach;
    } else if (action->shortcut() != QKeySequence(Text(entry.shortcut()))) {
        return "has the shortcut " + Quoted(action->shortcut().toString()) + ", the model " +
               Quoted(Text(entry.shortcut()));
    }
    if (std::string breach = Differs("is enabled:", action->isEnabled(), entry.enabled());
        !breach.empty()) {
        return breach;
    }
    return Differs("is shown:", action->isVisible(), entry.visible());
}

// What the control's widget shows that the control does not hold.
std::string ControlBreach(const Control& control, QObject& object, const ControlsByWidget& controls,
                          const gui::FrontEnd& frontEnd) {
    if (control.kind() == ControlKind::MenuEntry) {
        return MenuEntryBreach(static_cast<const MenuEntry&>(control), object);
    }
    if (control.kind() == ControlKind::Timer) {
        const bool running = static_cast<QTimer&>(object).isActive();
        const bool modelRunning = control.enabled() &&
                                  static_cast<const Timer&>(control).interval() > 0 &&
                                  !frontEnd.ticksByHand();
        return Differs("is ticking:", running, modelRunning);
    }
    auto* widget = qobject_cast<QWidget*>(&object);
    if (!widget) return "is drawn by a " + std::string(object.metaObject()->className());
    const Reach reach = ModelReach(control, widget, controls);
    if (std::string breach =
            Differs("is shown:", widget->isVisibleTo(widget->window()), reach.visible);
        !breach.empty()) {
        return breach;
    }
    if (std::string breach = Differs("is enabled:", widget->isEnabled(), reach.enabled);
        !breach.empty()) {
        return breach;
    }
    switch (control.kind()) {
        case ControlKind::TextField: {
            auto& edit = static_cast<QLineEdit&>(*widget);
            return FieldBreach(static_cast<const TextField&>(control), edit, edit);
        }
        case ControlKind::ComboBox:
            return ListBreach(static_cast<const ComboBox&>(control),
                              static_cast<QComboBox&>(*widget));
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: {
            auto& button = static_cast<QAbstractButton&>(*widget);
            const bool on = control.kind() == ControlKind::OptionButton
                                ? static_cast<const OptionButton&>(control).value()
                                : static_cast<const CheckBox&>(control).value();
            if (std::string breach = Differs("is on:", button.isChecked(), on); !breach.empty()) {
                return breach;
            }
            return Differs("reads", button.text(), control.shownText());
        }
        case ControlKind::Button:
            return Differs("reads", static_cast<QAbstractButton&>(*widget).text(),
                           control.shownText());
        case ControlKind::Label:
            return Differs("reads", static_cast<QLabel&>(*widget).text(), control.shownText());
        case ControlKind::GroupBox:
            return Differs("is titled", static_cast<QGroupBox&>(*widget).title(),
                           control.shownText());
        case ControlKind::Grid:
            return script::TableDifference(static_cast<const Grid&>(control),
                                           static_cast<QTableWidget&>(*widget));
        case ControlKind::Chart: {
            const auto* view =
                widget->findChild<gui::ChartView*>(QString(), Qt::FindDirectChildrenOnly);
            if (!view) return "has no chart drawn in it";
            if (view->data() != static_cast<const Chart&>(control).data()) {
                return "draws other marks than the model holds";
            }
            return {};
        }
        default:
            return {};
    }
}

std::string WindowBreach(const Form& form, const gui::FrontEnd& frontEnd) {
    const gui::FormView* view = frontEnd.viewOf(form);
    QMainWindow* window = view ? view->window() : nullptr;
    if (!window) return form.name() + " is loaded but has no window on screen";
    if (!window->isVisible()) return form.name() + " is loaded but its window is hidden";
    if (std::string breach = Differs("is titled", window->windowTitle(), form.caption());
        !breach.empty()) {
        return form.name() + " " + breach;
    }
    ControlsByWidget controls;
    for (const Control* control : form.controls()) {
        if (QObject* object = view->widgetOf(*control)) controls[object] = control;
    }
    for (const Control* control : form.controls()) {
        QObject* object = view->widgetOf(*control);
        if (!object) return form.name() + "." + control->name() + " has no widget";
        std::string breach = ControlBreach(*control, *object, controls, frontEnd);
        if (!breach.empty()) return form.name() + "." + control->name() + " " + breach;
    }
    return {};
}

// Every window on screen belongs to a loaded window model, once; nothing else is left open.
std::string TopLevelBreach(const Application& app, const gui::FrontEnd& frontEnd) {
    std::map<const QWidget*, const Form*> windows;
    for (const Form* form : app.loadedWindows()) {
        if (QMainWindow* window = frontEnd.windowOf(*form)) windows[window] = form;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(widget)) {
            if (windows.count(widget) == 0) {
                return "the window " + widget->objectName().toStdString() +
                       (widget->isVisible() ? " is on screen" : " is still made") +
                       " with no loaded window model";
            }
            continue;
        }
        if (widget->isVisible() && qobject_cast<QDialog*>(widget)) {
            return "a dialog is left open: " + Quoted(widget->windowTitle());
        }
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return "a modal window is left open: " + Quoted(modal->windowTitle());
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return "a popup is left open: a " + std::string(popup->metaObject()->className());
    }
    return {};
}

std::string FocusBreach() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return {};
    if (focused->isVisible() && focused->isEnabled()) return {};
    return "the focus is on " + focused->objectName().toStdString() + " (a " +
           focused->metaObject()->className() + "), which is " +
           (focused->isVisible() ? "disabled" : "hidden");
}

// In the window in front, the keyboard focus is where its model has it: on the control the
// model has focused, when a person could focus it, and on no control when the model has none.
std::string FocusDriftBreach(const Application& app, const gui::FrontEnd& frontEnd) {
    QWidget* active = QApplication::activeWindow();
    if (!active) return {};
    for (const Form* form : app.loadedWindows()) {
        const gui::FormView* view = frontEnd.viewOf(*form);
        if (!view || view->window() != active) continue;
        QWidget* focused = QApplication::focusWidget();
        const Control* modelFocus = form->focused();
        QWidget* modelWidget =
            modelFocus ? qobject_cast<QWidget*>(view->widgetOf(*modelFocus)) : nullptr;
        if (modelWidget && (!modelWidget->isVisible() || !modelWidget->isEnabled())) return {};
        if (focused == modelWidget) return {};
        const Control* shownFocus = nullptr;
        for (const Control* control : form->controls()) {
            if (focused && view->widgetOf(*control) == focused) shownFocus = control;
        }
        if (!modelFocus && !shownFocus) return {};
        return form->name() + " has the keyboard focus on " +
               (shownFocus ? shownFocus->name() : std::string("no control")) + ", the model on " +
               (modelFocus ? modelFocus->name() : std::string("none"));
    }
    return {};
}

}  // namespace

std::string ScreenBreach(const gui::FrontEnd& frontEnd) {
    const Application& app = frontEnd.app();
    if (!app.ended() && app.loadedWindows().empty()) return "the program runs with no window";
    if (std::string breach = TopLevelBreach(app, frontEnd); !breach.empty()) return breach;
    if (app.ended()) return {};
    for (const Form* form : app.loadedWindows()) {
        if (std::string breach = WindowBreach(*form, frontEnd); !breach.empty()) return breach;
    }
    if (std::string breach = FocusBreach(); !breach.empty()) return breach;
    return FocusDriftBreach(app, frontEnd);
}

}  // namespace velomark::fuzz
