// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/harness/program.h"
#include "tools/script/driver.h"

namespace velomark::script {

// Runs the person's actions straight on the window models.
class HeadlessDriver : public Driver {
  public:
    explicit HeadlessDriver(const Compose& compose);

    Application& app() override { return program_.app(); }
    RecordingPlatform& platform() override { return program_.platform(); }

    void start(bool atSplash) override;
    void key(char character) override;
    void tick() override;
    void open(Button& menuButton) override;
    void bringToFront(Form& window) override;
    void focus(Control& control) override;
    void type(TextField& field, const std::string& text) override;
    void leave() override;
    void pick(ComboBox& list, const std::string& item) override;
    void click(Control& control) override;
    void shortcut(MenuEntry& entry, const std::string& keys) override;
    void restart() override;

    // Headless drivers of programs with the windows compose registers.
    static DriverFactory Factory(Compose compose);

  private:
    harness::Program program_;
};

}  // namespace velomark::script
