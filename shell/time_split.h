// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Splitting a time in seconds into hours, minutes and seconds, as the windows show times.

#include <cstdint>

namespace velomark {

// What a negative time splits into.
enum class NegativeTime {
    // The largest part is taken down to the whole one below, so the smaller parts keep within
    // 0 to 59: -30 s is -1 h 59 min 30 s.
    FloorLargest,
    // The size of the time is split and every part carries its sign: -90 s is -1 min -30 s.
    EachPartSigned,
};

// How a window splits its times.
struct TimeSplitPolicy {
    // Without an hours part, every whole minute goes into the minutes, which may pass 59.
    bool hours = true;
    NegativeTime negative = NegativeTime::FloorLargest;
    // Fractional seconds that would show as 60 at this many decimals go into the next minute, so
    // that no time shows as 1 and 60.000; below 0, none do.
    int carryAtDecimals = -1;
};

// The parts of a time; the hours are 0 when the policy has no hours part.
template <class Number>
struct TimeParts {
    Number hours;
    Number minutes;
    Number seconds;
};

// Whole seconds split in whole numbers.
TimeParts<std::int32_t> SplitTime(std::int32_t seconds, const TimeSplitPolicy& policy);
// Fractional seconds, worked in the time's own type. With an hours part, what is left after the
// whole hours is taken exactly, however large the time; the minutes then never pass 59.
TimeParts<float> SplitTime(float seconds, const TimeSplitPolicy& policy);
TimeParts<double> SplitTime(double seconds, const TimeSplitPolicy& policy);

}  // namespace velomark
