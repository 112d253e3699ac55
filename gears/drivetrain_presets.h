// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace velomark::gears {

// A chainset or cassette a rider can pick instead of typing its teeth: the name the list shows
// and the teeth it puts in the field.
struct DrivetrainPreset {
    std::string_view name;
    std::string_view teeth;
};

// Chainsets, largest ring first, in list order.
std::span<const DrivetrainPreset> Chainsets();
// Cassettes and single track sprockets, smallest sprocket first, in list order.
std::span<const DrivetrainPreset> Cassettes();

}  // namespace velomark::gears
