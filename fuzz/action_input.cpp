// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/action_input.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "shell/control.h"

namespace velomark::fuzz {

namespace {

constexpr std::string_view kKeys = "0123456789.-+eEDd ,/:akmxinf";

// Whole pieces a person types or pastes, chosen more often than any single letter so that
// numbers at the edges of every type turn up.
constexpr std::array<std::string_view, 34> kPieces = {
    "1e308",      "1e-320",   "9e99999", "-1e308",     "1E+38",      "3.4028235E+38",
    "3.5E+38",    "1.4E-45",  "1e-46",   "2147483647", "2147483648", "-2147483649",
    "32767",      "32768",    "-32769",  "65536",      "86400",      "86399.5",
    "596523.5",   "0.5",      "2.5",     "0.0005",     "1D5",        "inf",
    "nan",        "Infinity", "-0",      "1,000",      "12.5km",     "15/06/1980",
    "31/02/2001", "1:05:07",  "1 000",   "E5",
};

constexpr std::size_t kMaxTextLength = 1500;

// A leap day, the last and first days of a year, and an ordinary day.
constexpr std::array<Date, ActionInput::kTodayChoices> kDays = {
    Date{2024, 2, 29}, Date{2023, 12, 31}, Date{2025, 1, 1}, Date{2024, 6, 15}};

}  // namespace

bool IsClickable(const Control& control) {
    switch (control.kind()) {
        case ControlKind::Button:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::MenuEntry:
            return true;
        default:
            return false;
    }
}

std::uint8_t ActionInput::byte() {
    return position_ < size_ ? data_[position_++] : 0;
}

std::size_t ActionInput::choose(std::size_t count) {
    std::size_t value = byte();
    if (count > 256) value = value << 8 | byte();
    return value % count;
}

char ActionInput::key() {
    return kKeys[byte() % kKeys.size()];
}

Date ActionInput::today() {
    return TodayOf(byte());
}

Date ActionInput::TodayOf(std::uint8_t choice) {
    return kDays[choice % kDays.size()];
}

void ActionInput::appendToken(std::string& text) {
    const std::uint8_t token = byte();
    if (token < 128) {
        // Digits most often, as most of what a rider types is numbers.
        text.push_back(token < 80 ? static_cast<char>('0' + token % 10)
                                  : kKeys[token % kKeys.size()]);
    } else if (token < 128 + kPieces.size() * 3) {
        text.append(kPieces[(token - 128) % kPieces.size()]);
    } else if (token < 240) {
        // A long run of one digit, up to several hundred long.
        const std::size_t length = 20 + std::size_t{byte()} * 4;
        text.append(length, static_cast<char>('0' + token % 10));
    } else {
        // A number with a tiny or huge written-out scale: 0.000...01 or 1000...0.
        const std::size_t zeros = 300 + std::size_t{byte()} * 2;
        text.append(token % 2 ? "0." : "1");
        text.append(zeros, '0');
        text.push_back(token % 2 ? '1' : '.');
    }
}

std::string ActionInput::text() {
    std::string text;
    const std::size_t tokens = byte() % 12;
    for (std::size_t i = 0; i < tokens && charactersLeft_ > 0; ++i) {
        appendToken(text);
    }
    const std::size_t limit = std::min(kMaxTextLength, charactersLeft_);
    if (text.size() > limit) text.resize(limit);
    charactersLeft_ -= text.size();
    return text;
}

}  // namespace velomark::fuzz
