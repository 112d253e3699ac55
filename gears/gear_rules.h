// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Constants that every group of the gear chart window, and the gear table, share.

#include <cstdint>

namespace velomark::gears {

// Eight significant digits, as the window has always used: the texts riders know come from it.
inline constexpr double kPi = 3.1415926;
// Far beyond any gear, and every gear up to it shows in plain digits: a Single from 1E+08 on
// would show only as an exponent.
inline constexpr double kLargestGearInches = 1e7;
// More teeth than any chainring or sprocket has; it also keeps the gear window's neighbour
// arithmetic (up to seven teeth more) well inside an Integer.
inline constexpr std::int16_t kMostTeeth = 999;

}  // namespace velomark::gears
