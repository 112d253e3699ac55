// velomark: the desktop program.

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/calculators.h"
#include "app/quit_after.h"
#include "gui/front_end.h"
#include "gui/look.h"
#include "gui/qt_platform.h"
#include "shell/application.h"

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

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::cerr << "velomark needs a graphical display; without one, run it as "
                     "xvfb-run -a "
                  << argv[0] << "\n";
        return 1;
    }
    QApplication qt(argc, argv);
    velomark::gui::SetUpLook(qt);
    // The program decides when it ends: when its last window closes, or on Exit.
    QApplication::setQuitOnLastWindowClosed(false);

    velomark::gui::QtPlatform platform;
    velomark::Application app(platform);
    velomark::RegisterCalculators(app);
    velomark::gui::FrontEnd frontEnd(app);
    platform.setFrontEnd(&frontEnd);
    // Only bench/startup sets it.
    if (!velomark::ArmQuitAfter(frontEnd)) return 2;

    app.start();
    if (app.loadedWindows().empty()) return 1;
    return QApplication::exec();
}
