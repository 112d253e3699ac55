#pragma once

#include <string>

#include "shell/application.h"
#include "tools/script/driver.h"

namespace velomark::script {

// Starts Qt for velomark-script --gui (on the offscreen platform unless QT_QPA_PLATFORM names
// another) and gives the drivers that act through the real widgets of programs with the
// windows compose registers.
DriverFactory PrepareWidgetDrivers(int argc, char** argv, Compose compose);

// Whether this build can show the named window (it has the window's layout).
bool CanShowWindow(const std::string& window);

}  // namespace velomark::script
