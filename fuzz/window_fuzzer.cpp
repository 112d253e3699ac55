// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/window_fuzzer.h"

#include <optional>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "fuzz/action_input.h"
#include "fuzz/action_trace.h"
#include "fuzz/invariants.h"
#include "shell/application.h"
#include "shell/field_rules.h"
#include "shell/main_menu.h"
#include "tools/harness/program.h"
#include "tools/harness/recording_platform.h"

namespace velomark::fuzz {

namespace {

// No single action of a person may keep the window busy longer than this while fuzzing.
constexpr double kActionLimitMs = ActionLimitMs(50.0);
constexpr int kMaxActions = 300;

// The save dialog's answers, one after another: Cancel; a folder that is not there, so the
// write fails; and a write that succeeds but keeps nothing. No run leaves a file behind.
std::optional<std::string> SaveAnswer(std::size_t turn) {
    switch (turn % 3) {
        case 0:
            return std::nullopt;
        case 1:
            return "/nonexistent/velomark-fuzz/table.csv";
        default:
            return "/dev/null";
    }
}

// Set when a calculation hands inf or nan to a number text, which would show it as 0.
bool nonFiniteShown = false;

void NoteNonFinite(double) {
    nonFiniteShown = true;
}

bool CanUse(const Control& control) {
    return control.enabled() && control.visible();
}

bool CanClick(const Control& control) {
    return IsClickable(control) && CanUse(control);
}

template <class Wanted>
std::vector<Control*> ControlsWhere(const Form& window, Wanted wanted) {
    std::vector<Control*> found;
    for (Control* control : window.controls()) {
        if (wanted(*control)) found.push_back(control);
    }
    return found;
}

// One run of the program with the window open, driven by one fuzz input.
class Session {
  public:
    explicit Session(const WindowProfile& profile)
        : profile_(profile),
          program_(RegisterCalculators),
          platform_(program_.platform()),
          invariants_(profile, platform_),
          trace_(profile.window, kActionLimitMs) {
        nonFiniteShown = false;
        SetNonFiniteListener(&NoteNonFinite);
    }

    void run(ActionInput& input) {
        const std::uint8_t first = input.byte();
        platform_.setToday(ActionInput::TodayOf(first));
        if (profile_.startSettings) {
            profile_.startSettings(platform_, first / ActionInput::kTodayChoices, input);
        }
        program_.start();
        openWindow();
        for (int actions = 0; actions < kMaxActions && !input.exhausted(); ++actions) {
            if (app().ended()) {
                if (!profile_.startSettings) return;
                startAgain();
            }
            if (platform_.queuedSaves() == 0) platform_.queueSave(SaveAnswer(savesAnswered_++));
            if (platform_.queuedOpens() == 0 && !profile_.openFiles.empty()) {
                const std::size_t turn = opensAnswered_++;
                const std::size_t files = profile_.openFiles.size();
                platform_.queueOpen(
                    turn % (files + 1) == files
                        ? std::nullopt
                        : std::optional<std::string>(profile_.openFiles[turn % (files + 1)]));
            }
            if (!window()) {
                invariants_.windowUnloaded();
                openWindow();
            }
            act(*window(), input);
        }
    }

  private:
    // The program in front: a fresh one after each restart.
    Application& app() { return program_.app(); }
    Form* window() { return app().loaded(profile_.window); }

    // A later run on the same settings store, the window opened again from the main menu.
    void startAgain() {
        timed("start the program again", [&] {
            program_.restart();
            program_.start();
        });
        invariants_.windowUnloaded();
        openWindow();
    }

    void openWindow() {
        MainMenu& menu = program_.mainMenu();
        Button* opener = menu.buttonOpening(profile_.window);
        if (opener) {
            timed("main menu: click " + opener->name(), [&] { menu.click(*opener); });
        } else {
            timed(std::string("open ") + profile_.window, [&] { app().open(profile_.window); });
        }
        if (!window()) fail("the window did not open");
        verify();
    }

    void act(Form& window, ActionInput& input) {
        switch (input.byte() % 8) {
            case 0:
            case 1:
                return type(window, input);
            case 2:
                return pick(window, input);
            case 3:
            case 4:
                return click(window, input);
            case 5:
                timed("leave", [&] { window.leave(); });
                return verify();
            case 6: {
                const auto targets = ControlsWhere(
                    window, [](const Control& c) { return c.takesFocus() && CanUse(c); });
                if (targets.empty()) return;
                Control& target = *targets[input.choose(targets.size())];
                timed("focus " + target.name(), [&] { window.focus(target); });
                return verify();
            }
            default:
                return pressKey(window, input.key());
        }
    }

    // Typing replaces the whole text, one keystroke at a time; each keystroke is an action.
    void type(Form& window, ActionInput& input) {
        const auto fields = ControlsWhere(window, [](const Control& c) { return c.isTypable(); });
        if (fields.empty()) return;
        auto& field = static_cast<TextField&>(*fields[input.choose(fields.size())]);
        const std::string text = input.text();
        const std::string first = text.substr(0, 1);
        invariants_.personEntered(field.name(), first);
        timed("type " + field.name() + " " + Shown(text), [&] { window.type(field, first); });
        verify();
        for (std::size_t i = 1; i < text.size(); ++i) {
            // A keystroke's handler may have ended the program or taken the focus elsewhere.
            if (app().ended() || this->window() != &window || window.focused() != &field) return;
            invariants_.personEntered(field.name(), field.text() + text[i]);
            timed("  its keystroke " + std::to_string(i + 1), [&] { window.pressKey(text[i]); });
            verify();
            trace_.dropLast();
        }
    }

    void pressKey(Form& window, char key) {
        Control* focused = window.focused();
        if (focused && focused->isTypable()) {
            const auto& field = static_cast<const TextField&>(*focused);
            invariants_.personEntered(field.name(), field.text() + key);
        }
        timed(std::string("key '") + key + "'", [&] { window.pressKey(key); });
        verify();
    }

    void pick(Form& window, ActionInput& input) {
        const bool lockedToo = profile_.pickLockedLists;
        const auto lists = ControlsWhere(window, [lockedToo](const Control& c) {
            return c.kind() == ControlKind::ComboBox && (lockedToo ? CanUse(c) : c.isTypable()) &&
                   !static_cast<const ComboBox&>(c).items().empty();
        });
        if (lists.empty()) return;
        auto& list = static_cast<ComboBox&>(*lists[input.choose(lists.size())]);
        const std::string item = list.items()[input.choose(list.items().size())];
        invariants_.personEntered(list.name(), item);
        timed("pick " + list.name() + " " + Shown(item), [&] { window.pick(list, item); });
        verify();
    }

    // Main Menu and Exit are clicked like anything else: the window opens again after the one,
    // and the run ends after the other.
    void click(Form& window, ActionInput& input) {
        const auto targets = ControlsWhere(window, CanClick);
        if (targets.empty()) return;
        Control& target = *targets[input.choose(targets.size())];
        timed("click " + target.name(), [&] { window.click(target); });
        verify();
    }

    template <class Action>
    void timed(std::string what, Action action) {
        trace_.timed(std::move(what), action);
    }

    void verify() {
        if (nonFiniteShown) fail("a calculation wrote inf or nan as a number text (shown as 0)");
        if (app().ended()) return;
        if (const Form* shown = window()) {
            const std::string breach = invariants_.check(*shown);
            if (!breach.empty()) fail(breach);
        }
    }

    [[noreturn]] void fail(const std::string& what) { trace_.fail(what); }

    const WindowProfile& profile_;
    harness::Program program_;
    RecordingPlatform& platform_;
    Invariants invariants_;
    ActionTrace trace_;
    std::size_t savesAnswered_ = 0;
    std::size_t opensAnswered_ = 0;
};

}  // namespace

int FuzzWindow(const WindowProfile& profile, const std::uint8_t* data, std::size_t size) {
    ActionInput input(data, size);
    Session session(profile);
    session.run(input);
    return 0;
}

}  // namespace velomark::fuzz
