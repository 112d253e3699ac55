// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/action_trace.h"

#include <sys/resource.h>
#include <sys/time.h>

#include <cstdio>
#include <cstdlib>

namespace velomark::fuzz {

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

CpuMs ThreadCpuMs() {
    rusage used{};
    getrusage(RUSAGE_THREAD, &used);
    const auto ms = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return {ms(used.ru_utime), ms(used.ru_stime)};
}

ActionTrace::ActionTrace(std::string window, double limitMs)
    : window_(std::move(window)),
      limitMs_(limitMs),
      live_(std::getenv("VELOMARK_FUZZ_TRACE") != nullptr) {}

void ActionTrace::note(std::string what) {
    if (live_ && what.front() != ' ') std::fprintf(stderr, "%s\n", what.c_str());
    actions_.push_back(std::move(what));
    if (actions_.size() > kKeptActions) {
        actions_.pop_front();
        ++forgotten_;
    }
}

void ActionTrace::checkDuration(double wallMs, double userMs, double systemMs) const {
    // A busy machine may pause the program mid-action; only time spent working counts. The
    // kernel's time on its behalf (page faults, memory reclaimed) is the machine's, not the
    // window's; it is said when the limit is passed.
    if (wallMs > limitMs_ && userMs > limitMs_) {
        fail("the last action took " + std::to_string(wallMs) + " ms (" + std::to_string(userMs) +
             " ms working, " + std::to_string(systemMs) + " ms in the kernel)");
    }
}

void ActionTrace::fail(const std::string& what) const {
    std::fprintf(stderr, "\n%s: %s\nafter these actions:\n", window_.c_str(), what.c_str());
    if (forgotten_ > 0) std::fprintf(stderr, "  (%zu earlier ones not kept)\n", forgotten_);
    for (const std::string& action : actions_)
        std::fprintf(stderr, "  %s\n", action.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace velomark::fuzz
