// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace velomark::timetrials::messages {

// Every message the time-trial window shows; nothing else may ever appear in its message boxes.
inline constexpr const char* kSecondsTooLarge = "Seconds must be less than 60";
inline constexpr const char* kTimeTooLong =
    "That time is too long to work out a speed: please check the time";
inline constexpr const char* kHandicapTooLong =
    "That handicap is too long to work out: please check the handicap";
inline constexpr const char* kStandardTooLong =
    "That standard time is too long to work out: please check the standard";
inline constexpr const char* kStandardsTogetherTooLong =
    "The 25, 50 and 100 mile standards together are too long to work out the Vets 3 Dist margin";
inline constexpr const char* kDistanceTooLarge =
    "That distance is too large to work out: please check the distance";
inline constexpr const char* kSpeedsTooLarge =
    "The ride speeds are too large to average: please check the ride times";
inline constexpr const char* kDateAsked = "Please enter the date as dd/mm/yyyy";

inline constexpr std::array kAll = {
    kSecondsTooLarge,          kTimeTooLong,      kHandicapTooLong, kStandardTooLong,
    kStandardsTogetherTooLong, kDistanceTooLarge, kSpeedsTooLarge,  kDateAsked};

}  // namespace velomark::timetrials::messages
