// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace velomark::gears::messages {

// Every message the gear chart window shows; nothing else may ever appear in its message boxes.
inline constexpr const char* kChainringRange = "The chainring must be from 1 to 999 teeth";
inline constexpr const char* kSprocketRange = "The sprocket must be from 1 to 999 teeth";
inline constexpr const char* kWheelTooLarge = "That wheel size is too large to work out gears from";
inline constexpr const char* kRpmRange = "The RPM must be from 1 to 32767";

inline constexpr std::array kAll = {kChainringRange, kSprocketRange, kWheelTooLarge, kRpmRange};

}  // namespace velomark::gears::messages
