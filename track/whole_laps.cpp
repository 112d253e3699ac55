// SPDX-License-Identifier: GPL-3.0-or-later
#include "track/whole_laps.h"

#include <cmath>

namespace velomark::track {

bool IsNoDistance(double metres) {
    return std::fabs(metres) <= kWholeLapTolerance;
}

LapSplit SplitLaps(double laps, double trackSize) {
    const double nearest = std::round(laps);
    if (nearest >= 1 && IsNoDistance((laps - nearest) * trackSize)) return {nearest, true};
    return {std::floor(laps), false};
}

bool RidesBeyond(double laps, double lapsDone, double trackSize) {
    return (laps - lapsDone) * trackSize > kWholeLapTolerance;
}

}  // namespace velomark::track
