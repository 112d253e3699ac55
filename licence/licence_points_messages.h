// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace velomark::licence::messages {

// Every message the licence points window shows; nothing else may ever appear in its message
// boxes.
inline constexpr const char* kTooLong = "Race Distance too long for category of race!";
inline constexpr const char* kTooShort = "Race Distance too short for category of race!";
inline constexpr const char* kEventDateWanted = "Please enter the event date as dd/mm/yyyy";
inline constexpr const char* kBirthDateWanted = "Please enter the date of birth as dd/mm/yyyy";

inline constexpr std::array kAll = {kTooLong, kTooShort, kEventDateWanted, kBirthDateWanted};

}  // namespace velomark::licence::messages
