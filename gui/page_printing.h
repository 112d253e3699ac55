// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPrinter;

namespace velomark {
struct PrintedPage;
}

namespace velomark::gui {

// Prints a page the window laid out (texts and lines measured in millimetres from the top-left
// corner of the printable area) as a job named after the page's title, and ends the job. False
// when the printer cannot start.
bool PrintLaidOutPage(const PrintedPage& page, QPrinter& printer);

}  // namespace velomark::gui
