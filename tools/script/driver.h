// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "shell/application.h"
#include "shell/grid.h"
#include "tools/harness/recording_platform.h"

namespace velomark::script {

// Carries out a person's actions, either straight on the window models or through the real
// widgets. The runner has already checked that each action is one a person could do.
class Driver {
  public:
    virtual ~Driver() = default;

    virtual Application& app() = 0;
    virtual RecordingPlatform& platform() = 0;

    // Starts the program; unless atSplash, the splash timer has fired and the menu is shown.
    virtual void start(bool atSplash) = 0;
    virtual void key(char character) = 0;
    virtual void tick() = 0;
    virtual void open(Button& menuButton) = 0;
    virtual void bringToFront(Form& window) = 0;
    virtual void focus(Control& control) = 0;
    virtual void type(TextField& field, const std::string& text) = 0;
    virtual void leave() = 0;
    virtual void pick(ComboBox& list, const std::string& item) = 0;
    virtual void click(Control& control) = 0;
    virtual void shortcut(MenuEntry& entry, const std::string& keys) = 0;
    // The program ends and starts again on the same platform; the splash's timer has fired and
    // the main menu is shown.
    virtual void restart() = 0;

    // Where the grid on screen shows something other than its model, or "" when it shows the
    // same (or nothing is on a screen).
    virtual std::string differenceOnScreen(const Grid&) { return {}; }

    // Saves the image of the window as it is on screen in the file called name, when this
    // driver keeps pictures; the headless models have no image and keep none.
    virtual void savePicture(const Form&, const std::string&) {}
};

// Makes the driver of one scenario, on a fresh program.
using DriverFactory = std::function<std::unique_ptr<Driver>()>;

}  // namespace velomark::script
