// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "shell/application.h"
#include "tools/harness/recording_platform.h"

namespace velomark {
class MainMenu;
}

namespace velomark::harness {

// The program started as a person starts it, for whatever drives it without a person: the
// scenario drivers, the fuzzer, the benchmarks and the front end's tests. It holds a recording
// platform and the application with the windows the composition registers, dismisses the
// splash, opens windows through the main menu and finds controls by name. Whatever it is asked
// for that the program does not have is a std::logic_error that names it.
class Program {
  public:
    // With a recording platform of its own, or on the one given, which must outlive it.
    explicit Program(const Compose& compose);
    Program(RecordingPlatform& platform, const Compose& compose);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Application& app() { return *app_; }
    RecordingPlatform& platform() const { return platform_; }

    // How start makes the splash's timer fire; the application's own tick unless set.
    void fireSplashTimerWith(std::function<void()> fire) { fireSplashTimer_ = std::move(fire); }
    // Shows the splash and, unless atSplash, fires its timer: the main menu comes up.
    void start(bool atSplash = false);
    // The program ends, unless it has already, and a fresh one with the same windows takes its
    // place on the same platform, every working value at 0; start it with start(). Whatever
    // the platform holds (settings, clipboard, the messages shown) is kept, as a person's
    // desktop keeps it between runs. Anything still holding the old application must let go
    // of it first.
    void restart();

    MainMenu& mainMenu() const;
    // Clicks the main-menu button that opens the window; the window then opened.
    Form& open(const std::string& window);

    // The named control of the window in front, of the kind asked for.
    Control& control(const std::string& name) const;
    TextField& textField(const std::string& name) const;  // a drop-down list's text too
    ComboBox& list(const std::string& name) const;
    OptionButton& option(const std::string& name) const;
    Button& button(const std::string& name) const;
    CheckBox& checkBox(const std::string& name) const;
    MenuEntry& menuEntry(const std::string& name) const;

  private:
    std::unique_ptr<RecordingPlatform> ownPlatform_;
    RecordingPlatform& platform_;
    Compose compose_;
    std::unique_ptr<Application> app_;
    std::function<void()> fireSplashTimer_;
};

}  // namespace velomark::harness
