// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace velomark::licence {

// The licence points a finishing position earns in a points band. A position is matched by
// exact equality, so 3.0 is third place and 3.5 is no place; unlisted places, band 0 and any
// band outside 1 to 9 earn 0.
std::int16_t PointsForPlace(std::int16_t band, double position);

}  // namespace velomark::licence
