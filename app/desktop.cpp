// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/calculators.h"
#include "app/command_line.h"
#include "gui/front_end.h"
#include "gui/look.h"
#include "gui/qt_platform.h"
#include "shell/application.h"

namespace velomark {

namespace {

// Without a display Qt would stop with a message that does not say what to do.
bool HasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int RunDesktop(int& argc, char** argv, const BeforeStart& beforeStart) {
    const CommandLine commandLine = ReadCommandLine(argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus) return *commandLine.exitStatus;
    if (!commandLine.namesPlatform && !HasDisplay()) {
        std::cerr << "velomark needs a graphical display; without one, run it as "
                     "xvfb-run -a "
                  << argv[0] << "\n";
        return 1;
    }
    QApplication qt(argc, argv);
    gui::SetUpLook(qt);
    // The program decides when it ends: when its last window closes, or on Exit.
    QApplication::setQuitOnLastWindowClosed(false);

    gui::QtPlatform platform;
    platform.setDescription(ProgramDescription());
    Application app(platform);
    RegisterCalculators(app);
    gui::FrontEnd frontEnd(app);
    platform.setFrontEnd(&frontEnd);
    if (beforeStart && !beforeStart(frontEnd)) return 2;

    app.start();
    if (app.loadedWindows().empty()) return 1;
    return QApplication::exec();
}

}  // namespace velomark
