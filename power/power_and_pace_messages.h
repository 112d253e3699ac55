// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Every message the Power and Pace window shows; nothing else may ever appear in its message
// boxes.
namespace velomark::power::messages {

inline constexpr const char* kDistanceRange =
    "The distance must be a number above 0 and up to 1000";
inline constexpr const char* kTimeNotATime =
    "Please type the time as h:mm:ss, mm:ss or whole minutes, above 0, such as 55:00";
inline constexpr const char* kSpeedRange = "The speed must be a number above 0 and up to 200";
inline constexpr const char* kPowerRange = "The power must be a number of watts from 10 to 3000";
inline constexpr const char* kRiderMassRange = "The rider's mass must be from 20 to 200 kg";
inline constexpr const char* kBikeMassRange = "The bike's mass must be from 0 to 50 kg";
inline constexpr const char* kCdARange = "The CdA must be a number of square metres from 0.1 to 1";
inline constexpr const char* kCrrRange = "The rolling resistance must be from 0.001 to 0.03";
inline constexpr const char* kEfficiencyRange =
    "The drivetrain efficiency must be from 80 to 100 %";
inline constexpr const char* kTemperatureRange = "The temperature must be from -30 to 50 °C";
inline constexpr const char* kAltitudeRange = "The altitude must be from -500 to 5000 m";
inline constexpr const char* kPressureRange = "The sea-level pressure must be from 900 to 1100 hPa";
inline constexpr const char* kWindRange = "The wind speed must be a number from 0 to 60";
inline constexpr const char* kGradientRange = "The gradient must be from -15 to 15 %";
inline constexpr const char* kTimeTooFast = "That time would need more than 3000 W";
inline constexpr const char* kTimeTooSlow = "That time would need less than 10 W";
inline constexpr const char* kSpeedTooFast = "That speed would need more than 3000 W";
inline constexpr const char* kSpeedTooSlow = "That speed would need less than 10 W";
inline constexpr const char* kRideFitsNoCdA =
    "No CdA from 0 to 2 square metres gives that time at that power";
inline constexpr const char* kNoRideCdA =
    "Please type a ridden time and its average power first, to work out a CdA from them";
inline constexpr const char* kRiderUnreadable =
    "The saved rider and bike could not be read, so the usual ones are shown. The saved ones "
    "are left as they are until you change one";
inline constexpr const char* kRiderNotSaved =
    "The rider and bike could not be saved: the settings could not be written";

inline constexpr std::array kAll = {
    kDistanceRange,   kTimeNotATime,  kSpeedRange,   kPowerRange,      kRiderMassRange,
    kBikeMassRange,   kCdARange,      kCrrRange,     kEfficiencyRange, kTemperatureRange,
    kAltitudeRange,   kPressureRange, kWindRange,    kGradientRange,   kTimeTooFast,
    kTimeTooSlow,     kSpeedTooFast,  kSpeedTooSlow, kRideFitsNoCdA,   kNoRideCdA,
    kRiderUnreadable, kRiderNotSaved};

}  // namespace velomark::power::messages
