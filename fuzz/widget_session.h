// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fuzz/action_trace.h"
#include "fuzz/invariants.h"
#include "shell/window_names.h"
#include "tools/harness/recording_platform.h"
#include "tools/script/widget_driver.h"

class QObject;
class QWidget;

namespace velomark::fuzz {

class ActionInput;

// The calculator windows, as the main menu offers them.
inline constexpr std::array<const char*, 8> kCalculatorWindows = {
    windows::kGearChart,     windows::kTimeTrials, windows::kTrack, windows::kRoad,
    windows::kLicencePoints, windows::kGearTable,  windows::kPower, windows::kRoute};

// Starts Qt once for the whole process, on the offscreen platform whatever the environment
// says, so that no desktop, clipboard or settings of the person's are ever reached. The first
// call also opens every window once, so the fonts and styles Qt loads once per process are not
// charged to the first action of a run.
void StartWidgetFuzzing();

// One run of the program driven through its widgets by a fuzz input: a person's actions on the
// windows (typing, picking, clicking, leaving, editing keys, Tab, list popups, menus and their
// shortcuts, access keys, switching, opening and closing windows), each checked afterwards
// against every window model's own invariants and the screen's.
class WidgetSession {
  public:
    struct Options {
        // The window the run opens first and again whenever no calculator window is left; null
        // for any of them.
        const char* home = nullptr;
        double actionLimitMs = 100.0;
        // Leaves alone whatever would end the program (Exit, the last window's close box), so
        // that one program lives through the whole run.
        bool keepRunning = false;
        // Opens again, from the main menu, any calculator window an action closed, so that
        // every window stays open through a long run.
        bool keepEveryWindowOpen = false;
    };

    explicit WidgetSession(Options options);
    ~WidgetSession();
    WidgetSession(const WidgetSession&) = delete;
    WidgetSession& operator=(const WidgetSession&) = delete;

    // Starts the program at its splash and dismisses it as the input says; the home window
    // (or, without one, every calculator window) is then open.
    void start(ActionInput& input);
    // One action as the input says; false once the program has ended.
    bool step(ActionInput& input);
    // Opens the window from the main menu, as a person does.
    void open(const std::string& window);
    // Closes the calculator window with its Main Menu button, its Window menu's Main Menu or
    // its close box on the title bar.
    enum class Closing { MainMenuButton, WindowMenu, TitleBar };
    void close(const std::string& window, Closing closing);
    // How many calculator windows are open.
    std::size_t calculatorsOpen() const;

  private:
    // A loaded calculator window's own invariants, and the messages shown in it.
    struct Watch {
        explicit Watch(const WindowProfile* windowProfile);
        WindowProfile profile;
        // A window with no model fuzz target of its own is checked on screen only.
        bool hasProfile;
        RecordingPlatform shown;
        Invariants invariants;
        const Form* form = nullptr;
    };

    Application& app() { return driver_->app(); }
    Form* current() { return app().current(); }
    Form* loaded(const std::string& name) { return app().loaded(name); }
    bool stillShown(const Form& window) { return loaded(window.name()) == &window; }

    void reopenHome(ActionInput& input);
    void answerNextFileDialog();
    // Opens from the main menu every calculator window that is not open.
    void openEveryWindow();
    void act(ActionInput& input);

    // The actions (widget_actions.cpp).
    void type(Form& window, ActionInput& input);
    void pick(Form& window, ActionInput& input);
    void click(Form& window, ActionInput& input);
    void leave(Form& window);
    void focus(Form& window, ActionInput& input);
    void pressCharacter(Form& window, ActionInput& input);
    void clickIntoField(Form& window, ActionInput& input);
    void openListAndEscape(Form& window, ActionInput& input);
    void tab(Form& window, ActionInput& input);
    void scrollList(Form& window, ActionInput& input);
    void useFieldMenu(Form& window, ActionInput& input);
    void pressKey(Form& window, ActionInput& input);
    void pressShortcut(Form& window, ActionInput& input);
    void pressAccessKey(Form& window, ActionInput& input);
    void switchWindow(ActionInput& input);
    void openFromMenu(ActionInput& input);
    void closeFromTitleBar(ActionInput& input);
    void closeFromTitleBar(Form& window);

    // The window's controls whose widgets a person can reach now and that wanted takes.
    std::vector<Control*> reachable(const Form& window,
                                    const std::function<bool(const Control&, QObject&)>& wanted);
    bool endsProgram(const Control& control) const;
    bool keyMayEndProgram(const Form& window) const;

    // Runs the action in the window, timed; any message it shows is that window's.
    void timed(const std::string& window, std::string what, const std::function<void()>& action);
    void verify();
    void watchWindows();
    void listenTo(const Form& window);
    [[noreturn]] void fail(const std::string& what) { trace_.fail(what); }

    Options options_;
    std::map<std::string, std::unique_ptr<Watch>> watches_;
    ActionTrace trace_;
    std::string actingWindow_;
    std::size_t messagesSeen_ = 0;
    std::size_t opensAnswered_ = 0;
    // The driver goes first, and with it every widget that reports to the watches.
    std::unique_ptr<script::WidgetDriver> driver_;
};

// One fuzz input played through the widgets, the window named being the home window.
int FuzzWidgets(const char* window, const std::uint8_t* data, std::size_t size);

}  // namespace velomark::fuzz
