// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <string>

namespace velomark::fuzz {

// A text as a person would read it out: quoted, long runs of one character counted.
std::string Shown(const std::string& text);

// The CPU time this thread has used, in milliseconds: working in the program itself, and in the
// kernel on its behalf.
struct CpuMs {
    double user;
    double system;
};
CpuMs ThreadCpuMs();

// The longest one action may keep the program busy. Builds that only replay the saved corpus run
// in the test suite on busy machines, often with sanitizers: there the limit catches only hangs
// and runaway loops.
constexpr double ActionLimitMs([[maybe_unused]] double whileFuzzingMs) {
#ifdef VELOMARK_REPLAY_ACTION_LIMIT_MS
    return VELOMARK_REPLAY_ACTION_LIMIT_MS;
#else
    return whileFuzzingMs;
#endif
}

// The actions of one fuzz run, as a person would read them, each timed: the first breach ends
// the run with the window's name, what broke and the actions that led there (the most recent
// thousands of a long session).
class ActionTrace {
  public:
    // No single action may keep the program busy longer than limitMs.
    ActionTrace(std::string window, double limitMs);

    // Runs the action, noted as what; what starting with a blank is a step of the action before
    // (a keystroke of its typing), which dropLast takes away again once it has passed.
    template <class Action>
    void timed(std::string what, Action action) {
        note(std::move(what));
        const auto wallStart = std::chrono::steady_clock::now();
        const CpuMs cpuStart = ThreadCpuMs();
        action();
        const std::chrono::duration<double, std::milli> wall =
            std::chrono::steady_clock::now() - wallStart;
        const CpuMs cpuEnd = ThreadCpuMs();
        checkDuration(wall.count(), cpuEnd.user - cpuStart.user, cpuEnd.system - cpuStart.system);
    }
    void dropLast() { actions_.pop_back(); }

    [[noreturn]] void fail(const std::string& what) const;

  private:
    void note(std::string what);
    void checkDuration(double wallMs, double userMs, double systemMs) const;

    std::string window_;
    double limitMs_;
    // A fuzz input's actions all fit; a long session keeps its latest, so that its trace does
    // not grow with it.
    static constexpr std::size_t kKeptActions = 5000;
    std::deque<std::string> actions_;
    std::size_t forgotten_ = 0;
    bool live_ = false;
};

}  // namespace velomark::fuzz
