#pragma once

// Constants and checks that every group of the gear chart window shares.

#include <cmath>
#include <limits>
#include <optional>

namespace velomark::gears {

// Eight significant digits, as the window has always used: the texts riders know come from it.
inline constexpr double kPi = 3.1415926;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kKilometresPerMile = 1.6093;

// The value as a Single, or nothing when it is not a number or lies beyond the Single range (a
// field must never show inf).
inline std::optional<float> AsSingle(double value) {
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace velomark::gears
