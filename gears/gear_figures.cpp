// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/gear_figures.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "gears/gear_routine.h"
#include "gears/gear_rules.h"
#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark::gears {

namespace {

constexpr int kMillimetresPerMetre = 1000;
// The chart's axis reaches this share of the values' spread beyond them, so no mark sits on an
// end.
constexpr double kAxisPadding = 0.05;
constexpr const char* kSeparator = " \u00B7 ";

// The number a text of that many decimals shows.
double Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// A figure and its text, shown to that many decimals.
void Show(GearCell& cell, double value, int decimals) {
    cell.value = Rounded(value, decimals);
    cell.text = FormatPattern(value, decimals == 1 ? "0.0" : "0.00");
}

void Figure(GearCell& cell, const GearTableValues& v, GearUnit unit) {
    const GearSize gear = GearOf(cell.chainring, cell.sprocket, v.wheelInches, kPi);
    const double ratio = static_cast<double>(cell.chainring) / cell.sprocket;
    // Judged on the development as shown, so a cell reading the limit is within it.
    cell.over = v.rollout > 0 && Rounded(gear.metres, 3) > v.rollout;
    switch (unit) {
        case GearUnit::GearInches:
            cell.value = Rounded(gear.inches, 1);
            cell.text = NumberText(gear.inches);
            break;
        case GearUnit::Development:
            cell.value = Rounded(gear.metres, 3);
            cell.text = NumberText(gear.metres);
            break;
        case GearUnit::GainRatio:
            if (v.crankLength > 0) {
                const double wheelRadius = v.wheelCircumference / (2 * kPi);
                Show(cell, wheelRadius / v.crankLength * ratio, 2);
            }
            break;
        case GearUnit::SpeedKph:
        case GearUnit::SpeedMph:
            if (v.cadence > 0) {
                double speed = v.wheelCircumference / kMillimetresPerMetre * ratio * v.cadence *
                               kMinutesPerHour / kMetresPerKilometre;
                if (unit == GearUnit::SpeedMph) speed /= kKilometresPerStatuteMile;
                Show(cell, speed, 1);
            }
            break;
    }
}

// Whether two gears lie within kClosePercent of each other; worked out in whole teeth, so no
// rounding decides it.
bool AreClose(const GearCell& a, const GearCell& b) {
    const long first = long{a.chainring} * b.sprocket;
    const long second = long{b.chainring} * a.sprocket;
    return std::max(first, second) * 100 <= std::min(first, second) * (100 + kClosePercent);
}

void MarkCloseGears(GearCells& cells) {
    for (std::size_t r = 0; r < cells.size(); ++r) {
        for (std::size_t c = 0; c < cells[r].size(); ++c) {
            for (std::size_t other = 0; other < cells[r].size(); ++other) {
                for (std::size_t s = 0; other != c && s < cells.size(); ++s) {
                    if (AreClose(cells[r][c], cells[s][other]))
                        cells[r][c].closeTo.emplace_back(s, other);
                }
            }
        }
    }
}

std::string Pair(const GearCell& cell) {
    return NumberText(cell.chainring) + " x " + NumberText(cell.sprocket);
}

// The step between neighbouring sprockets, in percent of the smaller gear.
std::string StepText(std::int16_t from, std::int16_t to) {
    const double larger = std::max(from, to);
    const double smaller = std::min(from, to);
    return "Step from " + NumberText(from) + ": " +
           FormatPattern(larger / smaller * 100 - 100, "0.0") + " %";
}

std::string TipOf(const GearCells& cells, std::size_t r, std::size_t c) {
    const GearCell& cell = cells[r][c];
    std::string tip = Pair(cell);
    if (r > 0) tip += "\n" + StepText(cells[r - 1][c].sprocket, cell.sprocket);
    for (std::size_t i = 0; i < cell.closeTo.size(); ++i) {
        const auto [row, column] = cell.closeTo[i];
        tip += (i > 0 ? ", " : "\nWithin " + std::to_string(kClosePercent) + " % of ") +
               Pair(cells[row][column]);
    }
    if (cell.over) tip += "\nOver the rollout limit";
    return tip;
}

void AddLanes(ChartData& chart, const ChartBike& bike, bool second) {
    const GearCells& cells = *bike.cells;
    const std::size_t columns = cells.empty() ? 0 : cells.front().size();
    for (std::size_t c = 0; c < columns; ++c) {
        ChartLane& lane = chart.lanes.emplace_back();
        lane.name = NumberText(cells.front()[c].chainring);
        if (!bike.name.empty()) lane.name = bike.name + " " + lane.name;
        lane.second = second;
        for (const auto& row : cells) {
            const GearCell& cell = row[c];
            lane.marks.push_back(
                {*cell.value, NumberText(cell.sprocket), cell.over, !cell.closeTo.empty()});
        }
    }
}

// The axis round every mark; a lone value still gets one round it.
void FitAxis(ChartData& chart) {
    double low = 0;
    double high = 0;
    bool first = true;
    for (const ChartLane& lane : chart.lanes) {
        for (const ChartMark& mark : lane.marks) {
            low = first ? mark.value : std::min(low, mark.value);
            high = first ? mark.value : std::max(high, mark.value);
            first = false;
        }
    }
    const double padding =
        high > low ? (high - low) * kAxisPadding : std::max(high, 1.0) * kAxisPadding;
    chart.low = std::max(0.0, low - padding);
    chart.high = high + padding;
}

// The cells showing the highest and the lowest figure.
std::pair<const GearCell*, const GearCell*> Ends(const GearCells& cells) {
    const GearCell* top = nullptr;
    const GearCell* bottom = nullptr;
    for (const auto& row : cells) {
        for (const GearCell& cell : row) {
            if (!top || *cell.value > *top->value) top = &cell;
            if (!bottom || *cell.value < *bottom->value) bottom = &cell;
        }
    }
    return {top, bottom};
}

std::string Versus(const std::string& first, const std::string& second) {
    return first + " vs " + second;
}

}  // namespace

bool IsComplete(const GearTableValues& v) {
    return v.wheelCircumference > 0 && v.chainringCount > 0 && v.sprocketCount > 0;
}

GearCells CellsOf(const GearTableValues& v, GearUnit unit) {
    GearCells cells;
    if (!IsComplete(v)) return cells;
    for (std::int16_t r = 0; r < v.sprocketCount; ++r) {
        auto& row = cells.emplace_back();
        for (std::int16_t c = 0; c < v.chainringCount; ++c) {
            GearCell& cell = row.emplace_back();
            cell.chainring = v.chainrings[static_cast<std::size_t>(c)];
            cell.sprocket = v.sprockets[static_cast<std::size_t>(r)];
            Figure(cell, v, unit);
        }
    }
    MarkCloseGears(cells);
    return cells;
}

bool AllShown(const GearCells& cells) {
    if (cells.empty()) return false;
    return std::all_of(cells.begin(), cells.end(), [](const auto& row) {
        return std::all_of(row.begin(), row.end(),
                           [](const GearCell& cell) { return cell.value.has_value(); });
    });
}

std::size_t DistinctGears(const GearCells& cells) {
    // Each cell joins the group of the first cell it is close to, as a forest of groups.
    const std::size_t columns = cells.empty() ? 0 : cells.front().size();
    std::vector<std::size_t> group(cells.size() * columns);
    std::iota(group.begin(), group.end(), 0);
    const auto root = [&group](std::size_t i) {
        while (group[i] != i)
            i = group[i];
        return i;
    };
    for (std::size_t r = 0; r < cells.size(); ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            for (const auto& [row, column] : cells[r][c].closeTo)
                group[root(row * columns + column)] = root(r * columns + c);
        }
    }
    std::size_t distinct = 0;
    for (std::size_t i = 0; i < group.size(); ++i)
        distinct += root(i) == i ? 1 : 0;
    return distinct;
}

std::string LockoutText(const GearCells& cells, bool limited) {
    if (!limited || cells.empty()) return {};
    std::string text;
    for (std::size_t c = 0; c < cells.front().size(); ++c) {
        std::string sprockets;
        for (const auto& row : cells) {
            if (row[c].over)
                sprockets += (sprockets.empty() ? "" : ", ") + NumberText(row[c].sprocket);
        }
        if (sprockets.empty()) continue;
        text += (text.empty() ? "" : "; ") + NumberText(cells.front()[c].chainring) +
                ": lock out " + sprockets;
    }
    return text.empty() ? "All gears within the limit" : text;
}

GridTable TableOf(const GearCells& cells, GearUnit unit) {
    GridTable table;
    if (cells.empty()) return table;
    table.corner = std::string(NameOf(unit));
    for (const GearCell& cell : cells.front())
        table.columnHeaders.push_back(NumberText(cell.chainring));
    for (std::size_t r = 0; r < cells.size(); ++r) {
        table.rowHeaders.push_back(NumberText(cells[r].front().sprocket));
        std::vector<GridCell>& line = table.cells.emplace_back();
        for (std::size_t c = 0; c < cells[r].size(); ++c) {
            const GearCell& cell = cells[r][c];
            line.push_back({cell.text, cell.over ? colours::kLightRed : colours::kDefault,
                            TipOf(cells, r, c)});
        }
    }
    return table;
}

ChartData ChartOf(GearUnit unit, const ChartBike& bike, const ChartBike* compared) {
    ChartData chart;
    if (!AllShown(*bike.cells)) return chart;
    chart.axisTitle = std::string(NameOf(unit));
    chart.closeMeaning = "Near-duplicate";
    chart.flaggedMeaning = "Over the rollout limit";
    AddLanes(chart, bike, false);
    if (compared && AllShown(*compared->cells)) AddLanes(chart, *compared, true);
    FitAxis(chart);
    return chart;
}

std::string ComparisonText(const GearCells& bike, const GearCells& compared) {
    if (!AllShown(bike) || !AllShown(compared)) return {};
    const auto [top, bottom] = Ends(bike);
    const auto [otherTop, otherBottom] = Ends(compared);
    const auto count = [](const GearCells& cells) {
        return std::to_string(cells.size() * cells.front().size());
    };
    return "Top " + Versus(top->text, otherTop->text) + kSeparator + "bottom " +
           Versus(bottom->text, otherBottom->text) + kSeparator +
           Versus(count(bike), count(compared)) + " gears, " +
           Versus(std::to_string(DistinctGears(bike)), std::to_string(DistinctGears(compared))) +
           " distinct";
}

GearTableValues ValuesOf(const GearSetup& setup) {
    GearTableValues values{};
    const TeethList chainrings = ReadTeethList(setup.chainrings, kChainringRule);
    const TeethList sprockets = ReadTeethList(setup.sprockets, kSprocketRule);
    std::copy(chainrings.teeth.begin(), chainrings.teeth.end(), values.chainrings.begin());
    std::copy(sprockets.teeth.begin(), sprockets.teeth.end(), values.sprockets.begin());
    values.chainringCount = static_cast<std::int16_t>(chainrings.teeth.size());
    values.sprocketCount = static_cast<std::int16_t>(sprockets.teeth.size());
    const WheelReading wheel = ReadWheel(setup.wheel);
    values.wheelCircumference = wheel.circumference;
    values.wheelInches = wheel.inches;
    values.crankLength = ReadCrank(setup.crank).value_or(0);
    return values;
}

}  // namespace velomark::gears
