// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/date.h"

namespace velomark {
class Control;
}

namespace velomark::fuzz {

// Whether a click is an action on this kind of control (buttons, options, check boxes, menu
// entries), enabled or not.
bool IsClickable(const Control& control);

// The fuzzer's bytes read as a person's choices: which action, which control, what text. Reading
// past the end gives zeros, so every input, however short, is a whole session.
class ActionInput {
  public:
    ActionInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool exhausted() const { return position_ >= size_; }
    std::uint8_t byte();
    // An index below count (count > 0).
    std::size_t choose(std::size_t count);
    // A text such as a person might type or paste: digits, points, signs, exponents, blanks,
    // letters, "/" and ":", very long digit runs and numbers at the ends of the Double range.
    std::string text();
    // One character a person might press on its own.
    char key();
    // The day the run takes as today: one of the days that catch out date arithmetic, chosen
    // by the next byte; TodayOf is that choice for a byte read already.
    Date today();
    static constexpr unsigned kTodayChoices = 4;
    static Date TodayOf(std::uint8_t choice);

  private:
    void appendToken(std::string& text);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    // Keeps one input's typing bounded however its bytes run.
    std::size_t charactersLeft_ = 6000;
};

}  // namespace velomark::fuzz
