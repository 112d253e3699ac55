#include "fuzz/action_trace.h"

#include <time.h>

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

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

ActionTrace::ActionTrace(std::string window, double limitMs)
    : window_(std::move(window)),
      limitMs_(limitMs),
      live_(std::getenv("VELOMARK_FUZZ_TRACE") != nullptr) {}

void ActionTrace::note(std::string what) {
    if (live_ && what.front() != ' ') std::fprintf(stderr, "%s\n", what.c_str());
    actions_.push_back(std::move(what));
}

void ActionTrace::checkDuration(double wallMs, double cpuMs) const {
    // A busy machine may pause the program mid-action; only time spent working counts.
    if (wallMs > limitMs_ && cpuMs > limitMs_) {
        fail("the last action took " + std::to_string(wallMs) + " ms (" + std::to_string(cpuMs) +
             " ms working)");
    }
}

void ActionTrace::fail(const std::string& what) const {
    std::fprintf(stderr, "\n%s: %s\nafter these actions:\n", window_.c_str(), what.c_str());
    for (const std::string& action : actions_)
        std::fprintf(stderr, "  %s\n", action.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace velomark::fuzz
