// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The gear table's saved bikes as the settings store keeps them.

#include <optional>
#include <string>
#include <vector>

#include "shell/platform.h"

namespace velomark::gears {

// One saved bike: its name and the texts of the window's inputs, as the rider typed or picked
// them.
struct GearSetup {
    std::string name;
    std::string chainrings;
    std::string sprockets;
    std::string wheel;
    std::string unit;
    std::string crank;
    std::string cadence;
    std::string rollout;
    friend bool operator==(const GearSetup&, const GearSetup&) = default;
};

struct SavedSetups {
    std::vector<GearSetup> setups;  // in the order they were first saved
    std::string last;               // the name of the setup shown last; "" for none
    friend bool operator==(const SavedSetups&, const SavedSetups&) = default;
};

// The section of the settings store the setups live in.
inline constexpr const char* kSetupsSection = "GearTable";

// Whether every text of the setup is one the window accepts.
bool IsSound(const GearSetup& setup);

// The setups a section holds; nothing when it holds anything the window would not have written
// (a setup that is not sound, a name twice, a count that is no count), since a setup restored
// from it could not be trusted.
std::optional<SavedSetups> ReadSetups(const SettingsSection& values);
SettingsSection WriteSetups(const SavedSetups& saved);

}  // namespace velomark::gears
