#include "gui/control_widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <set>

namespace velomark::gui {

namespace {

constexpr const char* kControlPrefixes[] = {"frm",    "cmd",   "txt", "cbo", "lbl", "Label", "chk",
                                            "Option", "Frame", "mnu", "mny", "img", "Timer"};

bool IsDrawnBy(ControlKind kind, const QObject& object) {
    switch (kind) {
        case ControlKind::TextField:
            return qobject_cast<const QLineEdit*>(&object) != nullptr;
        case ControlKind::ComboBox:
            return qobject_cast<const QComboBox*>(&object) != nullptr;
        case ControlKind::OptionButton:
            return qobject_cast<const QRadioButton*>(&object) != nullptr;
        case ControlKind::CheckBox:
            return qobject_cast<const QCheckBox*>(&object) != nullptr;
        case ControlKind::Label:
        case ControlKind::Picture:
            return qobject_cast<const QLabel*>(&object) != nullptr;
        case ControlKind::Button:
            return qobject_cast<const QPushButton*>(&object) != nullptr;
        case ControlKind::GroupBox:
            return qobject_cast<const QGroupBox*>(&object) != nullptr;
        case ControlKind::MenuEntry:
            return qobject_cast<const QAction*>(&object) != nullptr ||
                   qobject_cast<const QMenu*>(&object) != nullptr;
        case ControlKind::Timer:
            return false;
    }
    return false;
}

std::string Describe(const Control& control) {
    return std::string("the ") + KindName(control.kind()) + " " + control.name();
}

}  // namespace

bool HasControlPrefix(const QString& name) {
    for (const char* prefix : kControlPrefixes) {
        if (name.startsWith(QLatin1String(prefix))) return true;
    }
    return false;
}

const char* WidgetClassFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextField:
            return "QLineEdit";
        case ControlKind::ComboBox:
            return "QComboBox";
        case ControlKind::OptionButton:
            return "QRadioButton";
        case ControlKind::CheckBox:
            return "QCheckBox";
        case ControlKind::Label:
        case ControlKind::Picture:
            return "QLabel";
        case ControlKind::Button:
            return "QPushButton";
        case ControlKind::GroupBox:
            return "QGroupBox";
        case ControlKind::MenuEntry:
            return "QAction or QMenu";
        case ControlKind::Timer:
            return "no widget";
    }
    return "?";
}

ControlWidgets MatchControls(const Form& form, QMainWindow& window) {
    ControlWidgets result;
    const QString windowName = QString::fromStdString(form.name());
    if (window.objectName() != windowName) {
        result.problems.push_back("the layout's window is called " +
                                  window.objectName().toStdString() + ", not " + form.name());
    }
    std::map<QString, std::vector<QObject*>> named;
    for (QObject* object : window.findChildren<QObject*>()) {
        if (!object->objectName().isEmpty()) named[object->objectName()].push_back(object);
    }

    std::set<QString> controlNames;
    for (const Control* control : form.controls()) {
        const QString name = QString::fromStdString(control->name());
        controlNames.insert(name);
        const auto found = named.find(name);
        const std::size_t count = found == named.end() ? 0 : found->second.size();
        if (control->kind() == ControlKind::Timer) {
            if (count != 0)
                result.problems.push_back(Describe(*control) + " has a widget; a timer has none");
            continue;
        }
        if (count == 0) {
            result.problems.push_back(Describe(*control) + " has no widget (a " +
                                      WidgetClassFor(control->kind()) + " named " +
                                      control->name() + ")");
            continue;
        }
        if (count > 1) {
            result.problems.push_back(Describe(*control) + " has " + std::to_string(count) +
                                      " widgets of that name");
            continue;
        }
        QObject* widget = found->second.front();
        if (!IsDrawnBy(control->kind(), *widget)) {
            result.problems.push_back(Describe(*control) + " is drawn as a " +
                                      widget->metaObject()->className() + ", not a " +
                                      WidgetClassFor(control->kind()));
            continue;
        }
        result.widgets[control] = widget;
    }
    for (const auto& [name, objects] : named) {
        if (!HasControlPrefix(name) || controlNames.count(name) != 0 || name == windowName) {
            continue;
        }
        result.problems.push_back("the widget " + name.toStdString() + " (" +
                                  objects.front()->metaObject()->className() +
                                  ") is no control of " + form.name());
    }
    return result;
}

}  // namespace velomark::gui
