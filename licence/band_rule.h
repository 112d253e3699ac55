// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace velomark::licence {

// How the race distance (or time) refines a points band: races at or above the threshold keep
// the higher band, shorter ones drop to the lower band (0: no points).
struct BandRule {
    double threshold;
    std::int16_t bandAtOrAbove;
    std::int16_t bandBelow;

    std::int16_t bandFor(double distance) const {
        return distance >= threshold ? bandAtOrAbove : bandBelow;
    }
};

}  // namespace velomark::licence
