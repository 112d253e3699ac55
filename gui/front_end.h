// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

#include "shell/application.h"

class QMainWindow;

namespace velomark::gui {

class FormView;

// Shows the application's windows: builds each window's widgets when it loads, brings it to
// the front, takes it away when it unloads, and runs every action a person takes on a widget
// as one event of the application.
class FrontEnd : public ApplicationObserver {
  public:
    explicit FrontEnd(Application& app);
    ~FrontEnd() override;
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    Application& app() const { return app_; }
    FormView* viewOf(const Form& window) const;
    QMainWindow* windowOf(const Form& window) const;

    // Runs one action of the person on the models. While it runs (a message box it shows
    // included), what Qt does in answer to the models' changes is not taken as more actions.
    void dispatch(const std::function<void()>& action);
    bool busy() const { return depth_ > 0; }

    // Fires the first running timer of the loaded windows; false when none runs.
    bool fireTimer();
    // Timers then tick only through fireTimer, as a scenario's own clock.
    void tickOnlyByHand() { ticksByHand_ = true; }
    bool ticksByHand() const { return ticksByHand_; }

    void windowLoaded(Form& window) override;
    void windowShown(Form& window) override;
    void windowUnloaded(Form& window) override;
    void ended() override;

  private:
    void settle();
    void report(const std::string& text);

    Application& app_;
    std::map<const Form*, FormView*> views_;
    int depth_ = 0;
    // Whether the action running now has unloaded a window.
    bool windowLeft_ = false;
    bool ticksByHand_ = false;
};

}  // namespace velomark::gui
