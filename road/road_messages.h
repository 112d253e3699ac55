// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace velomark::road::messages {

// Every message the road window shows; nothing else may ever appear in its message boxes.
inline constexpr const char* kRidingTimeTooLong =
    "The riding time is too long to work out: please check the distance and the speed";
inline constexpr const char* kStartTimeTooLong =
    "The start time is too long to work out: please check the start time";
inline constexpr const char* kScheduleNumberTooLarge =
    "That number is too large to work out a riding time from";
inline constexpr const char* kNumberTooLarge = "That number is too large to work out laps from";
inline constexpr const char* kCircuitSizeMissing = "Please enter the size of the Circuit";

inline constexpr std::array kAll = {kRidingTimeTooLong, kStartTimeTooLong, kScheduleNumberTooLarge,
                                    kNumberTooLarge, kCircuitSizeMissing};

}  // namespace velomark::road::messages
