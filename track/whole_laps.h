// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// When a race is a whole number of laps. Track sizes such as 333.333 m never divide a race
// distance exactly, so a race that ends within a few centimetres of the line counts as a whole
// number of laps with a full first lap, rather than as a sliver of a lap timed at nothing.

namespace velomark::track {

// How far from a whole number of laps, in metres, a race may end and still be whole.
inline constexpr double kWholeLapTolerance = 0.1;

// Whether a stretch of this many metres is too short to count as a lap of its own.
bool IsNoDistance(double metres);

// The laps of a race split into complete laps and whether that is the whole race. Laps within
// the tolerance of a whole number (and at least one) are that whole number; otherwise the
// complete laps are the whole laps below the count and a part lap is left over.
struct LapSplit {
    double completeLaps;
    bool whole;
};
LapSplit SplitLaps(double laps, double trackSize);

// Whether a race of this many laps rides on beyond the given number of laps, by more than the
// tolerance.
bool RidesBeyond(double laps, double lapsDone, double trackSize);

}  // namespace velomark::track
