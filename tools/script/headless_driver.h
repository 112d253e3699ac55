#pragma once

#include "tools/script/driver.h"

namespace velomark::script {

// Runs the person's actions straight on the window models.
class HeadlessDriver : public Driver {
  public:
    HeadlessDriver();

    Application& app() override { return app_; }
    RecordingPlatform& platform() override { return platform_; }

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

    static std::unique_ptr<Driver> Create();

  private:
    RecordingPlatform platform_;
    Application app_;
};

}  // namespace velomark::script
