// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velomark {
class RecordingPlatform;
}

namespace velomark::fuzz {

class ActionInput;

// What the fuzzer needs to know about one calculator window beyond its form model.
struct WindowProfile {
    // The window's name, as the main menu opens it.
    const char* window;
    // Every text the window's message boxes may show; empty until the window's list is given,
    // and then messages are not checked.
    std::span<const char* const> messages = {};
    // Locked fields that show words, or a line of several numbers, rather than one number (a
    // category, a tyre name, a gear line): not read back as a number, but still free of
    // exponents. Labels named here are results too, and are held to no exponent as well.
    std::span<const char* const> wordResults = {};
    // The largest grid the window may show, in data rows and columns (headers not counted); 0
    // for no limit.
    int maxGridRows = 0;
    int maxGridColumns = 0;
    // Whether the person also picks from locked lists: a window whose lists of fixed choices are
    // read-only drop-downs, which a person cannot type into but can pick from.
    bool pickLockedLists = false;
    // Input fields the window fills again from what the person saved (a bike's chainrings, its
    // name): what they show came from the person, in this run or an earlier one, even when the
    // window has just opened, so only what the program works out is judged there.
    std::span<const char* const> restoredInputs = {};
    // For a window that keeps the person's settings between runs: puts into the store what an
    // earlier run left there (nothing, a damaged file, saved entries), as the choice and the
    // input say. The program then also starts again when the person exits it, as a later run
    // on the same store.
    void (*startSettings)(RecordingPlatform& platform, unsigned choice,
                          ActionInput& input) = nullptr;
    // The files the person picks, in turn, whenever the window asks for a file to open (a
    // route); the dialog is cancelled between them. Paths the window fills in from them are
    // the person's too.
    std::span<const char* const> openFiles = {};
};

// Opens the window in a fresh program and plays the input as a person's actions on it, checking
// after each one that nothing on screen is nonsense; aborts with the actions so far on the
// first breach.
int FuzzWindow(const WindowProfile& profile, const std::uint8_t* data, std::size_t size);

// Gathers the window profiles for a program that drives several windows (the widget fuzzers),
// which builds the windows' targets with VELOMARK_WINDOW_PROFILES_ONLY; true, for a static to
// hold. FindWindowProfile gives the one gathered for a window, or null.
bool AddWindowProfile(const WindowProfile& profile);
const WindowProfile* FindWindowProfile(std::string_view window);

}  // namespace velomark::fuzz

#ifdef VELOMARK_WINDOW_PROFILES_ONLY
#define VELOMARK_WINDOW_FUZZ_TARGET(...)                         \
    [[maybe_unused]] static const bool velomarkProfileGathered = \
        velomark::fuzz::AddWindowProfile(velomark::fuzz::WindowProfile{__VA_ARGS__});
#else
// One line per window: the libFuzzer entry point (and the corpus replay's) for that window.
#define VELOMARK_WINDOW_FUZZ_TARGET(...)                                                \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        static const velomark::fuzz::WindowProfile profile{__VA_ARGS__};                \
        return velomark::fuzz::FuzzWindow(profile, data, size);                         \
    }
#endif
