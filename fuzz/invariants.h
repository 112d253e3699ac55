// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "fuzz/window_fuzzer.h"

namespace velomark {
class Chart;
class Form;
class Grid;
class RecordingPlatform;
}  // namespace velomark

namespace velomark::fuzz {

// Whether the text holds "inf", "infinity" or "nan" as a word of its own, in any case.
bool HasNonNumberWord(std::string_view text);
// Whether the text holds a number written with an exponent: a digit (or its point) straight
// before an "e" or "E", then perhaps a sign, then a digit ("1E+20", "2.5e-07", "3E5").
bool HasExponentNumber(std::string_view text);
// Whether a result text reads back as a finite number: a plain number, a time such as 1:05:07.3
// or a date.
bool ReadsAsFiniteNumber(std::string_view text);

// What must hold on a window after every action a person takes: no nonsense number anywhere,
// results that read back, grids no larger than the window's, and only the window's own
// messages.
class Invariants {
  public:
    Invariants(const WindowProfile& profile, const RecordingPlatform& platform);

    // The person has put this text into the field, so it is theirs, not the program's.
    void personEntered(const std::string& field, std::string text);
    // The window was unloaded: its fields start empty when it opens again.
    void windowUnloaded() { personTexts_.clear(); }

    // What is wrong on the window and in the messages shown since the last check; empty when
    // everything holds.
    std::string check(const Form& window);

  private:
    bool isWordResult(const std::string& field) const;
    bool isRestoredInput(const std::string& field) const;
    std::string checkGrid(const Grid& grid) const;
    std::string checkChart(const Chart& chart, const Form& window) const;

    const WindowProfile& profile_;
    const RecordingPlatform& platform_;
    std::map<std::string, std::string> personTexts_;
    std::size_t messagesChecked_ = 0;
};

}  // namespace velomark::fuzz
