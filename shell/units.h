// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units the windows convert between. The whole ones are ints, so that an expression written
// with one is the same number, of the same type, as with the figure it names: a Single times
// kSecondsPerHour stays a Single.

namespace velomark {

inline constexpr int kSecondsPerMinute = 60;
inline constexpr int kMinutesPerHour = 60;
inline constexpr int kSecondsPerHour = kMinutesPerHour * kSecondsPerMinute;
inline constexpr int kSecondsPerDay = 24 * kSecondsPerHour;

inline constexpr int kInchesPerYard = 36;
inline constexpr int kYardsPerMile = 1760;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr int kCentimetresPerMetre = 100;
inline constexpr int kMetresPerKilometre = 1000;
// The factor the gear window has always converted miles and kilometres with.
inline constexpr double kKilometresPerMile = 1.6093;
// The mile as defined, for figures the gear window never showed (the gear table's speeds,
// the power window's distances).
inline constexpr double kKilometresPerStatuteMile = 1.609344;

}  // namespace velomark
