// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "licence/band_rule.h"

namespace velomark::licence {

// What the distance field of the licence window holds for an event: a race distance in km or a
// race time in minutes, and whether the band needs it at all.
enum class DistanceUnit { Kilometres, Minutes };

struct DistanceEntry {
    // The caption of the field; none leaves the caption as it is.
    std::optional<DistanceUnit> unit;
    bool needed;
    // An entry that is not needed is emptied and its caption disabled, unless it is only set
    // aside: then the field is disabled and keeps its text.
    bool setAside = false;
};

// One event classification of the list: its description, the band it gives, the entry its band
// depends on and the limits of a race of its kind.
struct EventClassification {
    std::string_view name;
    std::string_view description;
    std::int16_t band;
    DistanceEntry entry;
    // Refinement of the band by distance or time; none keeps the band as chosen.
    std::optional<BandRule> rule;
    // Limits that only warn; 0 for none.
    double shortest = 0;
    double longest = 0;
    // The band of a race beyond the longest distance; none keeps the refined band.
    std::optional<std::int16_t> bandWhenTooLong = std::nullopt;
    // Whether the limit is checked as soon as the classification is chosen.
    bool checksLimitWhenChosen = false;
};

// The classifications in list order.
std::span<const EventClassification> EventClassifications();

// The classification whose name is exactly the text; none for any other text.
const EventClassification* FindClassification(std::string_view name);

}  // namespace velomark::licence
