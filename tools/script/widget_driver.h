// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/application.h"
#include "tools/script/driver.h"

class QTableWidget;

namespace velomark {
class Grid;
}

namespace velomark::script {

// Starts Qt for velomark-script --gui (on the offscreen platform unless QT_QPA_PLATFORM names
// another) and gives the drivers that act through the real widgets of programs with the
// windows compose registers. A picture the scenario asks for is saved into pictureFolder, or
// nowhere when it is empty.
DriverFactory PrepareWidgetDrivers(int argc, char** argv, Compose compose,
                                   std::string pictureFolder = {});

// Where the table on screen shows other than the grid's model, read as a person reads it: its
// size (the header row and column are its first row and column, none when the grid is empty),
// a cell's text or tip, or a data cell's background (none reads as the default); "" when it
// shows the same.
std::string TableDifference(const Grid& grid, const QTableWidget& table);

// Whether this build can show the named window (it has the window's layout).
bool CanShowWindow(const std::string& window);

}  // namespace velomark::script
