// SPDX-License-Identifier: GPL-3.0-or-later
// velomark-startup-probe: velomark as bench/startup times it. It starts exactly as velomark does,
// goes straight to one point of its start-up and quits as soon as that point is on screen:
//   frmSplash      the splash shown
//   frmMainMenu    the splash dismissed at once, the main menu shown
//   <window name>  from the main menu, that calculator window (frmGearChart, frmTimeTrials,
//                  frmTrack, frmRoad, frmLicencePoints, frmGearTable, frmPower) opened and
//                  shown
//   all            the seven calculator windows opened one after another and shown
// Each window opened from the menu is reported on standard error with the milliseconds from its
// button's click to its window shown.
//
// usage: velomark-startup-probe POINT

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <iostream>
#include <string>

#include "app/desktop.h"
#include "gui/form_view.h"
#include "gui/front_end.h"
#include "shell/main_menu.h"
#include "shell/splash.h"
#include "shell/window_names.h"

namespace velomark {

namespace {

const char* const kCalculators[] = {
    windows::kGearChart,     windows::kTimeTrials, windows::kTrack, windows::kRoad,
    windows::kLicencePoints, windows::kGearTable,  windows::kPower};

// Walks the start-up one window at a time: each step waits for its window's first paint, and
// the next step starts once that paint has reached the screen.
class QuitAfter : public QObject {
  public:
    QuitAfter(gui::FrontEnd& frontEnd, bool throughMenu, std::deque<std::string> toOpen)
        : QObject(qApp), frontEnd_(frontEnd), toOpen_(std::move(toOpen)) {
        awaited_ = Splash::kName;
        afterSplash_ = throughMenu;
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || awaited_.empty()) return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow() || widget->objectName().toStdString() != awaited_)
            return false;
        const std::string shown = awaited_;
        awaited_.clear();
        QTimer::singleShot(0, this, [this, shown] { Shown(shown); });
        return false;
    }

  private:
    void Shown(const std::string& window) {
        if (window == Splash::kName) {
            if (!afterSplash_) return Quit();
            // As if the splash's two seconds were over.
            awaited_ = MainMenu::kName;
            frontEnd_.fireTimer();
            return;
        }
        if (window != MainMenu::kName) {
            std::cerr << "velomark-startup-probe: " << window << " shown "
                      << static_cast<double>(clock_.nsecsElapsed()) / 1e6
                      << " ms after its button was clicked\n";
        }
        if (toOpen_.empty()) return Quit();
        OpenNext();
    }

    void OpenNext() {
        const std::string window = toOpen_.front();
        toOpen_.pop_front();
        auto* menu = dynamic_cast<MainMenu*>(frontEnd_.app().loaded(MainMenu::kName));
        gui::FormView* view = menu ? frontEnd_.viewOf(*menu) : nullptr;
        Button* button = menu ? menu->buttonOpening(window) : nullptr;
        auto* widget =
            view && button ? qobject_cast<QAbstractButton*>(view->widgetOf(*button)) : nullptr;
        if (!widget) {
            std::cerr << "velomark-startup-probe: the main menu has no button opening " << window
                      << "\n";
            return Quit();
        }
        awaited_ = window;
        clock_.start();
        widget->click();
    }

    void Quit() {
        qApp->removeEventFilter(this);
        frontEnd_.dispatch([this] { frontEnd_.app().end(); });
    }

    gui::FrontEnd& frontEnd_;
    std::deque<std::string> toOpen_;
    std::string awaited_;
    bool afterSplash_ = false;
    QElapsedTimer clock_;
};

}  // namespace

}  // namespace velomark

int main(int argc, char** argv) {
    using namespace velomark;
    if (argc != 2) {
        std::cerr << "usage: velomark-startup-probe frmSplash|frmMainMenu|all|WINDOW\n";
        return 2;
    }
    const std::string point = argv[1];
    bool throughMenu = true;
    std::deque<std::string> toOpen;
    if (point == Splash::kName) {
        throughMenu = false;
    } else if (point == "all") {
        toOpen.assign(std::begin(kCalculators), std::end(kCalculators));
    } else if (std::find(std::begin(kCalculators), std::end(kCalculators), point) !=
               std::end(kCalculators)) {
        toOpen.push_back(point);
    } else if (point != MainMenu::kName) {
        std::cerr << "velomark-startup-probe: " << point
                  << " names no point of the start-up; use frmSplash, frmMainMenu, all or a "
                     "calculator window's name\n";
        return 2;
    }
    // Qt sees the program's name only, as velomark's own start has it.
    int qtArgc = 1;
    return RunDesktop(qtArgc, argv, [&](gui::FrontEnd& frontEnd) {
        new QuitAfter(frontEnd, throughMenu, toOpen);
        return true;
    });
}
