// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace velomark::gui {
class FrontEnd;
}

namespace velomark {

// Runs once the windows can be shown, before the splash comes up; false stops the program
// there, with exit status 2.
using BeforeStart = std::function<bool(gui::FrontEnd& frontEnd)>;

// The desktop program: its command line (--help and --version answered without a display), Qt
// with the program's look, the desktop's platform, the application with every window registered
// and the front end that shows it. Returns the exit status once the program has ended. Qt keeps
// argc for the whole run.
int RunDesktop(int& argc, char** argv, const BeforeStart& beforeStart = {});

}  // namespace velomark
