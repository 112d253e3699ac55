// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The choices the Power and Pace window offers in its lists.

#include <span>
#include <string>

namespace velomark::power {

struct Preset {
    const char* name;
    double value;
};

// Riding positions and the drag area each gives a typical rider, m².
inline constexpr Preset kPositions[] = {
    {"Upright (0.40)", 0.40},         {"Hoods (0.32)", 0.32},
    {"Drops (0.28)", 0.28},           {"Aero bars on a road bike (0.25)", 0.25},
    {"Time-trial bike (0.23)", 0.23}, {"Time-trial bike, tuned (0.20)", 0.20},
};

// Tyres and surfaces and their rolling resistance coefficients.
inline constexpr Preset kTyres[] = {
    {"Indoor track (0.0025)", 0.0025},
    {"Race tyres, smooth road (0.0032)", 0.0032},
    {"Race tyres, typical road (0.0040)", 0.0040},
    {"Training tyres (0.0055)", 0.0055},
    {"Rough road (0.0080)", 0.0080},
};

inline constexpr const char* kMiles = "Miles";
inline constexpr const char* kKilometres = "Kilometres";
inline constexpr const char* kOutAndBack = "Out and back";
inline constexpr const char* kIntoTheWind = "Into the wind";
inline constexpr const char* kWithTheWind = "With the wind";

// The preset named, or null.
const Preset* PresetNamed(std::span<const Preset> presets, const std::string& name);
// The name of the preset whose value the text is; "" for none.
std::string PresetShowing(std::span<const Preset> presets, const std::string& text);

}  // namespace velomark::power
