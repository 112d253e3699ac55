// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/saved_setups.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "gears/gear_table_inputs.h"

namespace velomark::gears {

namespace {

// Far more bikes than anyone keeps; a count beyond it is damage, not a garage.
constexpr std::size_t kMostSetups = 1000;

// The keys follow the settings' own convention for lists: a size and entries counted from 1.
constexpr const char* kSizeKey = "Setups/size";
constexpr const char* kLastKey = "Last";

struct SetupField {
    const char* key;
    std::string GearSetup::*text;
};
constexpr SetupField kSetupFields[] = {
    {"Name", &GearSetup::name},           {"Chainrings", &GearSetup::chainrings},
    {"Sprockets", &GearSetup::sprockets}, {"Wheel", &GearSetup::wheel},
    {"Unit", &GearSetup::unit},           {"Crank", &GearSetup::crank},
    {"Cadence", &GearSetup::cadence},     {"Rollout", &GearSetup::rollout},
};

std::string EntryKey(std::size_t entry, const char* field) {
    return "Setups/" + std::to_string(entry) + "/" + field;
}

std::optional<std::size_t> ReadSize(std::string_view text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    std::size_t size = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        size = size * 10 + static_cast<std::size_t>(c - '0');
    }
    if (size > kMostSetups) return std::nullopt;
    return size;
}

}  // namespace

bool IsSound(const GearSetup& s) {
    return SetupNameFault(s.name) == NameFault::None && SetupName(s.name) == s.name &&
           ReadTeethList(s.chainrings, kChainringRule).fault == TeethFault::None &&
           ReadTeethList(s.sprockets, kSprocketRule).fault == TeethFault::None &&
           ReadWheel(s.wheel).fault == WheelFault::None && UnitNamed(s.unit) &&
           ReadCrank(s.crank) && ReadCadence(s.cadence) && ReadRollout(s.rollout);
}

std::optional<SavedSetups> ReadSetups(const SettingsSection& values) {
    const auto text = [&](const std::string& key) -> const std::string* {
        const auto found = values.find(key);
        return found == values.end() ? nullptr : &found->second;
    };
    SavedSetups saved;
    const std::string* size = text(kSizeKey);
    const std::optional<std::size_t> count = size ? ReadSize(*size) : std::size_t{0};
    if (!count) return std::nullopt;
    for (std::size_t entry = 1; entry <= *count; ++entry) {
        GearSetup setup;
        for (const SetupField& field : kSetupFields) {
            const std::string* stored = text(EntryKey(entry, field.key));
            if (!stored) return std::nullopt;
            setup.*field.text = *stored;
        }
        const bool named = std::any_of(saved.setups.begin(), saved.setups.end(),
                                       [&](const GearSetup& s) { return s.name == setup.name; });
        if (named || !IsSound(setup)) return std::nullopt;
        saved.setups.push_back(std::move(setup));
    }
    if (const std::string* last = text(kLastKey)) saved.last = *last;
    const bool lastKnown =
        saved.last.empty() || std::any_of(saved.setups.begin(), saved.setups.end(),
                                          [&](const GearSetup& s) { return s.name == saved.last; });
    if (!lastKnown) return std::nullopt;
    return saved;
}

SettingsSection WriteSetups(const SavedSetups& saved) {
    SettingsSection values;
    values[kSizeKey] = std::to_string(saved.setups.size());
    for (std::size_t i = 0; i < saved.setups.size(); ++i) {
        for (const SetupField& field : kSetupFields) {
            values[EntryKey(i + 1, field.key)] = saved.setups[i].*field.text;
        }
    }
    if (!saved.last.empty()) values[kLastKey] = saved.last;
    return values;
}

}  // namespace velomark::gears
