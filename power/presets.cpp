// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/presets.h"

#include <cmath>
#include <optional>

#include "shell/field_rules.h"

namespace velomark::power {

const Preset* PresetNamed(std::span<const Preset> presets, const std::string& name) {
    for (const Preset& preset : presets) {
        if (name == preset.name) return &preset;
    }
    return nullptr;
}

std::string PresetShowing(std::span<const Preset> presets, const std::string& text) {
    const std::optional<double> value = StrictNumber(text);
    if (!value) return {};
    for (const Preset& preset : presets) {
        // "0.230" is the time-trial bike as much as "0.23" is.
        if (std::abs(*value - preset.value) < 1e-9) return preset.name;
    }
    return {};
}

}  // namespace velomark::power
