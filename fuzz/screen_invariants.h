// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velomark::gui {
class FrontEnd;
}

namespace velomark::fuzz {

// What must hold on the screen after every action a person takes through the widgets, beyond
// what must hold on each window's model: every window the program has loaded is on screen once,
// none it has unloaded is, and the program keeps a window while it runs; every widget shows
// exactly its control (text, items, caption, value, enabled, shown, locked, background; a
// grid's cells; a chart's marks); the focus, if any, is on a widget a person can reach, and in
// the window in front on the control its model has focused; no message box, list or menu is
// left open. What is wrong, or "" when everything holds.
std::string ScreenBreach(const gui::FrontEnd& frontEnd);

}  // namespace velomark::fuzz
