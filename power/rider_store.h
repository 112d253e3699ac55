// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rider and bike of the Power and Pace window as the settings store keeps them.

#include <optional>
#include <string>

#include "shell/platform.h"

namespace velomark::power {

// The texts of the rider and bike fields, as the person typed or picked them.
struct RiderTexts {
    std::string riderMass = "70";
    std::string bikeMass = "8";
    std::string cdA = "0.23";
    std::string crr = "0.004";
    std::string efficiency = "97.6";
    friend bool operator==(const RiderTexts&, const RiderTexts&) = default;
};

inline constexpr const char* kRiderSection = "Power";

// The rider a section holds; nothing when it holds anything the window would not have written.
// An empty section holds the usual rider.
std::optional<RiderTexts> ReadRider(const SettingsSection& values);
SettingsSection WriteRider(const RiderTexts& rider);

}  // namespace velomark::power
