// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the gear table works out from a bike's readings, as numbers: the cells, which gears are
// near-duplicates, what a rollout limit locks out, and the grid and chart that show them. The
// window and its comparison of two bikes both work from these.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gears/gear_table_inputs.h"
#include "gears/saved_setups.h"
#include "shell/chart.h"
#include "shell/grid.h"

namespace velomark::gears {

// Gears this close (in percent) on different chainrings are near-duplicates.
inline constexpr int kClosePercent = 2;

// The readings a table is worked out from: the last good reading of each input.
struct GearTableValues {
    std::int16_t chainringCount;
    std::array<std::int16_t, kMostChainrings> chainrings;
    std::int16_t sprocketCount;
    std::array<std::int16_t, kMostSprockets> sprockets;
    double wheelCircumference;  // mm; 0 for no wheel
    float wheelInches;
    double crankLength;  // mm; 0 for none
    double cadence;      // revs per minute; 0 for none
    double rollout;      // metres; 0 for no limit
    // The saved setups could not be used and the rider has been told so this run.
    bool setupsRefused;
};

// One cell: a chainring against a sprocket and what the table shows for it.
struct GearCell {
    std::int16_t chainring = 0;
    std::int16_t sprocket = 0;
    // The figure as the cell shows it, and its text; none while the unit waits for a crank or
    // a cadence.
    std::optional<double> value;
    std::string text;
    bool over = false;  // its development, as shown, is over the rollout limit
    // The cells on other chainrings within kClosePercent of it, as row and column.
    std::vector<std::pair<std::size_t, std::size_t>> closeTo;
};

// A row per sprocket and a column per chainring, in the order typed.
using GearCells = std::vector<std::vector<GearCell>>;

// Whether there is a table to work out: a wheel, a chainring and a sprocket.
bool IsComplete(const GearTableValues& values);
// Every cell with its figure, its lock-out and its near-duplicates; none for an incomplete bike.
GearCells CellsOf(const GearTableValues& values, GearUnit unit);
// Whether every cell has a figure.
bool AllShown(const GearCells& cells);
// How many gears are left when each group of near-duplicates counts once.
std::size_t DistinctGears(const GearCells& cells);

// "50: lock out 11, 12; 34: lock out 11", or that all are within it; "" for no limit.
std::string LockoutText(const GearCells& cells, bool limited);
GridTable TableOf(const GearCells& cells, GearUnit unit);

// One bike on the chart: its cells and the name its lanes carry ("" for the chainring alone).
struct ChartBike {
    const GearCells* cells;
    std::string name;
};
// A lane per chainring of each bike, the second bike's under the first's in the second
// colour, on one axis; no lanes while either bike has a cell without a figure.
ChartData ChartOf(GearUnit unit, const ChartBike& bike, const ChartBike* compared = nullptr);

// "Top 119.9 vs 113.9 · bottom 32 vs 29.5 · 22 vs 22 gears, 16 vs 15 distinct"; "" while either
// bike has no table or a cell without a figure.
std::string ComparisonText(const GearCells& bike, const GearCells& compared);

// A saved bike's readings for a comparison: its own teeth, wheel and crank, read by the
// window's rules (a text the window would refuse reads as nothing).
GearTableValues ValuesOf(const GearSetup& setup);

}  // namespace velomark::gears
