// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each input of the Power and Pace window accepts, in the unit the person types it in.

#include <optional>
#include <string_view>

namespace velomark::power {

struct NumberRule {
    double least;
    double most;
    bool leastAllowed = true;  // false: the number must be above least
};

inline constexpr NumberRule kDistanceRule{0, 1000, false};
inline constexpr NumberRule kSpeedRule{0, 200, false};
inline constexpr NumberRule kPowerRule{10, 3000};
inline constexpr NumberRule kRiderMassRule{20, 200};
inline constexpr NumberRule kBikeMassRule{0, 50};
inline constexpr NumberRule kCdARule{0.1, 1};
inline constexpr NumberRule kCrrRule{0.001, 0.03};
inline constexpr NumberRule kEfficiencyRule{80, 100};
inline constexpr NumberRule kTemperatureRule{-30, 50};
inline constexpr NumberRule kAltitudeRule{-500, 5000};
inline constexpr NumberRule kPressureRule{900, 1100};
inline constexpr NumberRule kWindRule{0, 60};
inline constexpr NumberRule kGradientRule{-15, 15};

// The number the whole text is, when the rule accepts it.
std::optional<double> ReadNumber(std::string_view text, const NumberRule& rule);

}  // namespace velomark::power
