// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPrinter;
class QWidget;

namespace velomark::gui {

// Prints the window's image on one page, as large as the page allows with its proportions
// kept, and ends the job so the page goes out at once. False when the printer cannot start.
bool PrintWindowImage(QWidget& window, QPrinter& printer);

}  // namespace velomark::gui
