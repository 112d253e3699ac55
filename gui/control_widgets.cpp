// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/control_widgets.h"

#include <QMainWindow>
#include <QString>
#include <set>

#include "gui/control_adapter.h"

namespace velomark::gui {

namespace {

constexpr const char* kControlPrefixes[] = {"frm",   "cmd", "txt",    "cbo",   "lbl",
                                            "Label", "chk", "Option", "Frame", "mnu",
                                            "mny",   "img", "Timer",  "grd",   "pic"};

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
        const ControlAdapter& adapter = AdapterFor(control->kind());
        if (adapter.make) {
            if (count != 0) {
                result.problems.push_back(Describe(*control) + " has a widget; a " +
                                          KindName(control->kind()) + " has none");
            }
            continue;
        }
        if (count == 0) {
            result.problems.push_back(Describe(*control) + " has no widget (a " +
                                      adapter.widgetClass + " named " + control->name() + ")");
            continue;
        }
        if (count > 1) {
            result.problems.push_back(Describe(*control) + " has " + std::to_string(count) +
                                      " widgets of that name");
            continue;
        }
        QObject* widget = found->second.front();
        if (!adapter.draws(*widget)) {
            result.problems.push_back(Describe(*control) + " is drawn as a " +
                                      widget->metaObject()->className() + ", not a " +
                                      adapter.widgetClass);
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
