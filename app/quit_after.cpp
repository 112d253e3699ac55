#include "app/quit_after.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <string>

#include "gui/form_view.h"
#include "gui/front_end.h"
#include "shell/main_menu.h"
#include "shell/splash.h"
#include "shell/window_names.h"

namespace velomark {

namespace {

const char* const kCalculators[] = {windows::kGearChart, windows::kTimeTrials, windows::kTrack,
                                    windows::kRoad, windows::kLicencePoints};

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
            std::cerr << "velomark: " << window << " shown "
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
            std::cerr << "velomark: the main menu has no button opening " << window << "\n";
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

bool ArmQuitAfter(gui::FrontEnd& frontEnd) {
    const char* value = std::getenv(kQuitAfterVariable);
    if (!value || !*value) return true;
    const std::string point = value;
    if (point == Splash::kName) {
        new QuitAfter(frontEnd, false, {});
        return true;
    }
    if (point == MainMenu::kName) {
        new QuitAfter(frontEnd, true, {});
        return true;
    }
    if (point == "all") {
        new QuitAfter(frontEnd, true, {std::begin(kCalculators), std::end(kCalculators)});
        return true;
    }
    for (const char* window : kCalculators) {
        if (point == window) {
            new QuitAfter(frontEnd, true, {point});
            return true;
        }
    }
    std::cerr << "velomark: " << kQuitAfterVariable << "=" << point
              << " names no point of the start-up; use frmSplash, frmMainMenu, all or a "
                 "calculator window's name\n";
    return false;
}

}  // namespace velomark
