#pragma once

// Constants that every group of the gear chart window shares.

namespace velomark::gears {

// Eight significant digits, as the window has always used: the texts riders know come from it.
inline constexpr double kPi = 3.1415926;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kKilometresPerMile = 1.6093;

}  // namespace velomark::gears
