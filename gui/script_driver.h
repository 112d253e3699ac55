#pragma once

#include <string>

#include "tools/script/driver.h"

namespace velomark::gui {

// Starts Qt for velomark-script --gui (on the offscreen platform unless QT_QPA_PLATFORM names
// another) and gives the drivers that act through the real widgets.
script::DriverFactory PrepareScriptDriver(int argc, char** argv);

// Whether this build can show the named window (it has the window's layout).
bool CanShowWindow(const std::string& window);

}  // namespace velomark::gui
