// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/time_split.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

namespace velomark {
namespace {

constexpr std::int32_t kLargestLong = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kSmallestLong = std::numeric_limits<std::int32_t>::min();

template <class Number>
struct Row {
    Number time;
    Number hours;
    Number minutes;
    Number seconds;
};

// Whole numbers compare exactly; fractional seconds to within a few units in the last place
// of their type, since a time such as 59.9995 is not held exactly.
template <class Number>
void ExpectSplits(const std::vector<Row<Number>>& rows, const TimeSplitPolicy& policy) {
    for (const Row<Number>& row : rows) {
        const TimeParts<Number> parts = SplitTime(row.time, policy);
        EXPECT_EQ(parts.hours, row.hours) << row.time;
        EXPECT_EQ(parts.minutes, row.minutes) << row.time;
        if constexpr (std::is_floating_point_v<Number>) {
            EXPECT_NEAR(parts.seconds, row.seconds,
                        8 * std::numeric_limits<Number>::epsilon() * std::max<Number>(row.time, 60))
                << row.time;
        } else {
            EXPECT_EQ(parts.seconds, row.seconds) << row.time;
        }
    }
}

// The time trials' handicap times over 25 miles and more: whole seconds, the hours taken down
// for a handicap longer than the time.
TEST(SplitTime, WholeSecondsWithHoursFloorANegativeTime) {
    ExpectSplits<std::int32_t>(
        {
            {0, 0, 0, 0},
            {59, 0, 0, 59},
            {3599, 0, 59, 59},
            {3600, 1, 0, 0},
            {86399, 23, 59, 59},
            {kLargestLong, 596523, 14, 7},
            {-30, -1, 59, 30},
            {-3600, -1, 0, 0},
            {-3601, -2, 59, 59},
            {kSmallestLong, -596524, 45, 52},
        },
        {.hours = true, .negative = NegativeTime::FloorLargest, .carryAtDecimals = -1});
}

// The time trials' 10-mile handicap time: no hours field, so the minutes take every whole
// minute.
TEST(SplitTime, WholeSecondsWithoutHoursFloorANegativeTime) {
    ExpectSplits<std::int32_t>(
        {
            {0, 0, 0, 0},
            {59, 0, 0, 59},
            {3600, 0, 60, 0},
            {86399, 0, 1439, 59},
            {kLargestLong, 0, 35791394, 7},
            {-30, 0, -1, 30},
            {-90, 0, -2, 30},
            {kSmallestLong, 0, -35791395, 52},
        },
        {.hours = false, .negative = NegativeTime::FloorLargest, .carryAtDecimals = -1});
}

// The road window's riding and arrival times, which are never negative: were one negative,
// every part would carry its sign.
TEST(SplitTime, WholeSecondsWithHoursSignEachPart) {
    ExpectSplits<std::int32_t>(
        {
            {0, 0, 0, 0},
            {59, 0, 0, 59},
            {3599, 0, 59, 59},
            {3600, 1, 0, 0},
            {86399, 23, 59, 59},
            {kLargestLong, 596523, 14, 7},
            {-30, 0, 0, -30},
            {-3601, -1, 0, -1},
            {-5430, -1, -30, -30},
        },
        {.hours = true, .negative = NegativeTime::EachPartSigned, .carryAtDecimals = -1});
}

// The gear window's ride time: fractional seconds kept with every digit, no carry.
TEST(SplitTime, FractionalSecondsWithHoursKeepEveryDigit) {
    ExpectSplits<double>(
        {
            {0, 0, 0, 0},
            {59.9995, 0, 0, 59.9995},
            {3599.9996, 0, 59, 59.9996},
            {3600, 1, 0, 0},
            {86399.5, 23, 59, 59.5},
            {kLargestLong, 596523, 14, 7},
            {-30, -1, 59, 30},
            {-3600, -1, 0, 0},
            // So little below 0 that it rounds up to the whole hour when brought into range.
            {-1e-20, 0, 0, 0},
        },
        {.hours = true, .negative = NegativeTime::FloorLargest, .carryAtDecimals = -1});
    // However large the time, the minutes and seconds left after the hours are in range.
    const TimeParts<double> huge = SplitTime(1e30, {});
    EXPECT_GE(huge.minutes, 0);
    EXPECT_LE(huge.minutes, 59);
    EXPECT_GE(huge.seconds, 0);
    EXPECT_LT(huge.seconds, 60);
}

// The track window's total, kilometre and lap times: minutes and seconds, and seconds that
// would show as 60.000 go into the next minute.
constexpr TimeSplitPolicy kLapTimes{
    .hours = false, .negative = NegativeTime::FloorLargest, .carryAtDecimals = 3};

TEST(SplitTime, FractionalDoubleSecondsCarrySixtyAtThreeDecimals) {
    ExpectSplits<double>(
        {
            {0, 0, 0, 0},
            {59.9994, 0, 0, 59.9994},
            {59.9995, 0, 1, 0},
            {119.9996, 0, 2, 0},
            {3599.9996, 0, 60, 0},
            {86399.5, 0, 1439, 59.5},
            {kLargestLong, 0, 35791394, 7},
            {-30, 0, -1, 30},
            {-0.0001, 0, 0, 0},
        },
        kLapTimes);
}

TEST(SplitTime, FractionalSingleSecondsCarrySixtyAtThreeDecimals) {
    ExpectSplits<float>(
        {
            {0, 0, 0, 0},
            {59.9994f, 0, 0, 59.9994f},
            {59.9995f, 0, 1, 0},
            {3599.9996f, 0, 60, 0},
            {86399.5f, 0, 1439, 59.5f},
            // A Single holds the largest Long only as 2^31, which its own arithmetic splits
            // with no seconds left over.
            {static_cast<float>(kLargestLong), 0, 35791396, 0},
            {-30, 0, -1, 30},
            {-0.0001f, 0, 0, 0},
        },
        kLapTimes);
}

}  // namespace
}  // namespace velomark
