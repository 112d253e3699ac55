// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the desktop front end's tests share: the application on the desktop, with message boxes
// shown for real and answered with OK at once.

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <string>

#include "app/calculators.h"
#include "gui/form_view.h"
#include "gui/front_end.h"
#include "shell/application.h"
#include "tools/harness/program.h"
#include "tools/script/answering_platform.h"

namespace velomark::gui {

class Desktop {
  public:
    Desktop() : program(platform, RegisterCalculators), app(program.app()), frontEnd(app) {}

    Form& open(const std::string& name) {
        Form& window = app.open(name);
        activate(window);
        return window;
    }

    void activate(const Form& window) {
        QMainWindow* shown = frontEnd.windowOf(window);
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([shown] { return QApplication::activeWindow() == shown; }));
    }

    template <class Widget>
    Widget& widget(const Form& window, const std::string& name) {
        auto* found = qobject_cast<Widget*>(frontEnd.viewOf(window)->widgetOf(*window.find(name)));
        if (!found) throw std::runtime_error(name + " is not on screen");
        return *found;
    }

    std::string text(const Form& window, const std::string& name) {
        return window.find(name)->shownText();
    }

    // Lets Qt deliver what is pending, windows closed meanwhile included.
    static void settle() {
        QTest::qWait(20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    script::AnsweringPlatform platform;
    harness::Program program;
    Application& app;
    FrontEnd frontEnd;
};

}  // namespace velomark::gui
