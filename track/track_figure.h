// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <optional>

#include "shell/field_rules.h"

namespace velomark::track {

// Far beyond any track, race or time (10,000 km, 10 million laps or seconds), and every figure
// up to it shows in plain digits: a Single from 1E+08 on would show only as an exponent.
inline constexpr double kLargestTrackFigure = 1e7;

// A size, distance, lap count or time of the track window as a Single; nothing when it lies
// beyond the largest figure (or is not a number), and the window refuses it as too large.
inline std::optional<float> TrackFigure(double value) {
    if (!(std::fabs(value) <= kLargestTrackFigure)) return std::nullopt;
    return ToSingle(value);
}

}  // namespace velomark::track
