// SPDX-License-Identifier: GPL-3.0-or-later
// velomark-long-session: the program through its widgets for far longer than one fuzz run.
//
// First every calculator window is opened from the main menu and closed again, in turn with its
// Main Menu button, its Window menu and its close box, CYCLES times over: the QObjects alive
// after the first cycles and after the last must be as many. Then one program with every window
// open (a window an action closes is opened again) takes ACTIONS random actions across them,
// checked as the widget fuzzers check theirs, and the memory it holds after a quarter of them
// and after all of them must differ by less than 2 MiB.

#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QPixmapCache>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "fuzz/action_input.h"
#include "fuzz/object_count.h"
#include "fuzz/widget_session.h"

namespace {

using velomark::fuzz::ActionInput;
using velomark::fuzz::WidgetSession;

constexpr double kMiB = 1024.0 * 1024.0;
constexpr double kMostGrowthMiB = 2.0;
constexpr int kNoPixmapCacheKiB = 1;
// Cycles before the count of objects is taken: the first openings fill Qt's own caches.
constexpr int kWarmCycles = 10;

double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / kMiB;
}

// The bytes the program has taken from the heap and not given back.
double HeapInUseMiB() {
    return static_cast<double>(mallinfo2().uordblks) / kMiB;
}

// Resident memory once the heap has handed back what is free: what the program holds, not what
// the allocator keeps for later.
double HeldMiB() {
    malloc_trim(0);
    return ResidentMiB();
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Counts {
    std::int64_t objects;
    qsizetype widgets;
};

Counts CountNow() {
    return {velomark::fuzz::LiveObjects(), QApplication::allWidgets().size()};
}

// True when the cycles leave as many objects and widgets as the first few did.
bool RunCycles(int cycles) {
    const auto start = std::chrono::steady_clock::now();
    WidgetSession session({.keepRunning = true});
    ActionInput nothing(nullptr, 0);
    session.start(nothing);
    for (const char* window : velomark::fuzz::kCalculatorWindows)
        session.close(window, WidgetSession::Closing::MainMenuButton);
    Counts warm{};
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        const auto closing = static_cast<WidgetSession::Closing>(cycle % 3);
        for (const char* window : velomark::fuzz::kCalculatorWindows) {
            session.open(window);
            session.close(window, closing);
        }
        if (cycle == std::min(kWarmCycles, cycles)) warm = CountNow();
    }
    const Counts last = CountNow();
    std::printf(
        "open/close cycles: %d of every window in %.1f s; alive after cycle %d: %lld QObjects, "
        "%lld widgets; after cycle %d: %lld QObjects, %lld widgets\n",
        cycles, SecondsSince(start), std::min(kWarmCycles, cycles),
        static_cast<long long>(warm.objects), static_cast<long long>(warm.widgets), cycles,
        static_cast<long long>(last.objects), static_cast<long long>(last.widgets));
    return last.objects <= warm.objects && last.widgets <= warm.widgets;
}

// Random bytes as a person's choices, a block at a time: one input's typing is bounded.
class RandomPerson {
  public:
    explicit RandomPerson(std::uint64_t seed) : random_(seed) {}

    ActionInput& input() {
        if (!input_ || input_->exhausted()) {
            for (std::uint8_t& byte : bytes_)
                byte = static_cast<std::uint8_t>(random_());
            input_ = std::make_unique<ActionInput>(bytes_.data(), bytes_.size());
        }
        return *input_;
    }

  private:
    std::mt19937_64 random_;
    std::vector<std::uint8_t> bytes_ = std::vector<std::uint8_t>(4096);
    std::unique_ptr<ActionInput> input_;
};

// True when memory grew by less than the limit between a quarter of the actions and the end.
bool RunLongSession(int actions, std::uint64_t seed) {
    const auto start = std::chrono::steady_clock::now();
    RandomPerson person(seed);
    WidgetSession session({.keepRunning = true, .keepEveryWindowOpen = true});
    session.start(person.input());
    const int quarter = actions / 4;
    double atQuarter = 0;
    double heldAtQuarter = 0;
    for (int done = 1; done <= actions; ++done) {
        if (!session.step(person.input())) {
            std::printf("long session: the program ended after %d actions\n", done);
            return false;
        }
        if (done == quarter) {
            atQuarter = ResidentMiB();
            heldAtQuarter = HeldMiB();
        }
        if (done % 1000 == 0) {
            std::printf(
                "  %d actions, %.1f s, %.2f MiB resident, %.2f MiB heap in use, %lld QObjects, "
                "%zu calculator windows open\n",
                done, SecondsSince(start), ResidentMiB(), HeapInUseMiB(),
                static_cast<long long>(velomark::fuzz::LiveObjects()), session.calculatorsOpen());
            std::fflush(stdout);
        }
    }
    const double atEnd = ResidentMiB();
    const double heldAtEnd = HeldMiB();
    std::printf(
        "long session: %d actions (seed %llu) in %.1f s; resident memory after %d actions "
        "%.2f MiB, after %d %.2f MiB: %+.2f MiB; once the heap gave back what is free %.2f MiB "
        "and %.2f MiB: %+.2f MiB\n",
        actions, static_cast<unsigned long long>(seed), SecondsSince(start), quarter, atQuarter,
        actions, atEnd, atEnd - atQuarter, heldAtQuarter, heldAtEnd, heldAtEnd - heldAtQuarter);
    return heldAtEnd - heldAtQuarter < kMostGrowthMiB;
}

}  // namespace

int main(int argc, char** argv) {
    int actions = 20000;
    int cycles = 200;
    std::uint64_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--actions") {
            actions = std::stoi(argv[i + 1]);
        } else if (option == "--cycles") {
            cycles = std::stoi(argv[i + 1]);
        } else if (option == "--seed") {
            seed = std::stoull(argv[i + 1]);
        } else {
            std::fprintf(stderr, "usage: %s [--cycles N] [--actions N] [--seed N]\n", argv[0]);
            return 2;
        }
    }
    velomark::fuzz::StartWidgetFuzzing();
    // The style keeps what it drew in Qt's pixmap cache, keyed among others by the palette, and
    // every new background colour of a field is a new palette: over a long session the cache
    // fills to Qt's own limit of several MiB. That is Qt's bound to keep, not the program's
    // growth, so the session runs with the cache kept empty.
    QPixmapCache::setCacheLimit(kNoPixmapCacheKiB);
    const bool cyclesHold = cycles <= 0 || RunCycles(cycles);
    const bool memoryHolds = actions <= 0 || RunLongSession(actions, seed);
    if (!cyclesHold) std::printf("FAIL: objects grew across the open/close cycles\n");
    if (!memoryHolds) std::printf("FAIL: memory grew by %.0f MiB or more\n", kMostGrowthMiB);
    return cyclesHold && memoryHolds ? 0 : 1;
}
