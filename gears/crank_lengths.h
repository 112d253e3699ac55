// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace velomark::gears {

// The crank lengths in mm offered by both crank lists; the empty first entry lets a person
// leave a list blank.
inline constexpr std::array<std::string_view, 8> kCrankLengths{"",      "165", "167.5", "170",
                                                               "172.5", "175", "177.5", "180"};

}  // namespace velomark::gears
