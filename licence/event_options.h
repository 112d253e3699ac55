// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "licence/band_rule.h"
#include "licence/classifications.h"

namespace velomark::licence {

// The groups of event category options; the options of one group exclude each other.
enum class OptionGroup { Road, Track, Youth };

// An event category option: chosen when the event is none of the list's classifications.
struct EventOption {
    std::string_view name;
    std::string_view caption;
    OptionGroup group;
    std::int16_t band;
    DistanceEntry entry;
    // Refinement of the band by distance; none keeps the band as chosen.
    std::optional<BandRule> rule = std::nullopt;
    std::string_view description = {};
};

// Option1 to Option15, in the order in which they are tested.
std::span<const EventOption> EventOptions();

const char* OptionGroupName(OptionGroup group);

}  // namespace velomark::licence
