// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/window_fuzzer.h"

#include <sys/resource.h>
#include <sys/time.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "fuzz/action_input.h"
#include "fuzz/invariants.h"
#include "shell/application.h"
#include "shell/field_rules.h"
#include "shell/main_menu.h"
#include "shell/recording_platform.h"
#include "tools/harness/program.h"

namespace velomark::fuzz {

namespace {

// No single action of a person may keep the window busy longer than this. The corpus replay in
// the test suite runs on busy CI machines, often in a debug sanitizer build: there the limit only
// catches hangs and runaway loops, while the fuzzer holds every action to 50 ms.
#ifdef VELOMARK_REPLAY_ACTION_LIMIT_MS
constexpr double kActionLimitMs = VELOMARK_REPLAY_ACTION_LIMIT_MS;
#else
constexpr double kActionLimitMs = 50.0;
#endif
constexpr int kMaxActions = 300;

// Days that catch out date arithmetic: a leap day, the last and first days of a year.
constexpr std::array<Date, 4> kTodays = {Date{2024, 2, 29}, Date{2023, 12, 31}, Date{2025, 1, 1},
                                         Date{2024, 6, 15}};

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

// The thread's time so far in ms: working in the program itself, and in the kernel on its
// behalf.
struct CpuMs {
    double user;
    double system;
};

CpuMs ThreadCpuMs() {
    rusage used{};
    getrusage(RUSAGE_THREAD, &used);
    const auto ms = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return {ms(used.ru_utime), ms(used.ru_stime)};
}

// A text as a person would read it out: quoted, long runs of one character counted.
std::string Shown(const std::string& text) {
    std::string shown;
    std::string plain;
    const auto flushPlain = [&] {
        if (plain.empty()) return;
        if (!shown.empty()) shown += " + ";
        shown += "\"" + plain + "\"";
        plain.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        std::size_t run = 1;
        while (i + run < text.size() && text[i + run] == text[i])
            ++run;
        if (run > 8) {
            flushPlain();
            if (!shown.empty()) shown += " + ";
            shown += std::to_string(run) + " x '" + text[i] + "'";
        } else {
            plain.append(text, i, run);
        }
        i += run;
    }
    flushPlain();
    return shown.empty() ? "\"\"" : shown;
}

bool CanUse(const Control& control) {
    return control.enabled() && control.visible();
}

bool CanClick(const Control& control) {
    switch (control.kind()) {
        case ControlKind::Button:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::MenuEntry:
            return CanUse(control);
        default:
            return false;
    }
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
          invariants_(profile, platform_) {
        nonFiniteShown = false;
        SetNonFiniteListener(&NoteNonFinite);
        traceLive_ = std::getenv("VELOMARK_FUZZ_TRACE") != nullptr;
    }

    void run(ActionInput& input) {
        const unsigned first = input.byte();
        platform_.setToday(kTodays[first % kTodays.size()]);
        if (profile_.startSettings) {
            profile_.startSettings(platform_, first / kTodays.size(), input);
        }
        program_.start();
        openWindow();
        for (int actions = 0; actions < kMaxActions && !input.exhausted(); ++actions) {
            if (app().ended()) {
                if (!profile_.startSettings) return;
                startAgain();
            }
            if (platform_.queuedSaves() == 0) platform_.queueSave(SaveAnswer(savesAnswered_++));
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
            trace_.pop_back();
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
        if (traceLive_ && what.front() != ' ') std::fprintf(stderr, "%s\n", what.c_str());
        trace_.push_back(std::move(what));
        const auto wallStart = std::chrono::steady_clock::now();
        const CpuMs cpuStart = ThreadCpuMs();
        action();
        const std::chrono::duration<double, std::milli> wall =
            std::chrono::steady_clock::now() - wallStart;
        // A busy machine may pause the program mid-action; only time spent working counts. The
        // kernel's time on its behalf (page faults, memory reclaimed) is the machine's, not the
        // window's; it is said when the limit is passed.
        const CpuMs cpuEnd = ThreadCpuMs();
        const double user = cpuEnd.user - cpuStart.user;
        if (wall.count() > kActionLimitMs && user > kActionLimitMs) {
            fail("the last action took " + std::to_string(wall.count()) + " ms (" +
                 std::to_string(user) + " ms working, " +
                 std::to_string(cpuEnd.system - cpuStart.system) + " ms in the kernel)");
        }
    }

    void verify() {
        if (nonFiniteShown) fail("a calculation wrote inf or nan as a number text (shown as 0)");
        if (app().ended()) return;
        if (const Form* shown = window()) {
            const std::string breach = invariants_.check(*shown);
            if (!breach.empty()) fail(breach);
        }
    }

    [[noreturn]] void fail(const std::string& what) {
        std::fprintf(stderr, "\n%s: %s\nafter these actions:\n", profile_.window, what.c_str());
        for (const std::string& action : trace_)
            std::fprintf(stderr, "  %s\n", action.c_str());
        std::fflush(stderr);
        std::abort();
    }

    const WindowProfile& profile_;
    harness::Program program_;
    RecordingPlatform& platform_;
    Invariants invariants_;
    std::vector<std::string> trace_;
    std::size_t savesAnswered_ = 0;
    bool traceLive_ = false;
};

}  // namespace

int FuzzWindow(const WindowProfile& profile, const std::uint8_t* data, std::size_t size) {
    ActionInput input(data, size);
    Session session(profile);
    session.run(input);
    return 0;
}

}  // namespace velomark::fuzz
