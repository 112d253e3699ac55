// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Every message the track window shows; nothing else may ever appear in its message boxes.

namespace velomark::track::messages {

inline constexpr const char* kSizeMissing = "Please enter the size of the track";
inline constexpr const char* kDistanceMissing = "Please enter the race distance";
inline constexpr const char* kTargetMissing = "Please enter a Target time";
inline constexpr const char* kTargetTooLong =
    "The target time is too long: please enter no more than 546 minutes 7 seconds";
inline constexpr const char* kRaceTooLong =
    "The race is too long: please enter no more than 32767 laps";
inline constexpr const char* kTooLarge =
    "That number is too large to work with: please check the track size, distance and times";

inline constexpr std::array kAll = {kSizeMissing,   kDistanceMissing, kTargetMissing,
                                    kTargetTooLong, kRaceTooLong,     kTooLarge};

}  // namespace velomark::track::messages
