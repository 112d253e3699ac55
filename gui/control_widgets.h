// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "shell/form.h"

class QMainWindow;
class QObject;
class QString;

namespace velomark::gui {

// Whether an object name is one that only a control may have (cmd..., txt..., Frame...).
bool HasControlPrefix(const QString& name);

// Each control of a form matched with the one widget, action or menu of its name in a window
// built from the form's layout; every mismatch is listed, naming the control and the widget.
struct ControlWidgets {
    std::map<const Control*, QObject*> widgets;
    std::vector<std::string> problems;
};
ControlWidgets MatchControls(const Form& form, QMainWindow& window);

}  // namespace velomark::gui
