// SPDX-License-Identifier: GPL-3.0-or-later
// The table, its chart and what the rollout limit locks out, from the working values.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "gears/gear_routine.h"
#include "gears/gear_rules.h"
#include "gears/gear_table.h"
#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark::gears {

namespace {

constexpr int kMillimetresPerMetre = 1000;
// The mile as defined: the table's speeds are new, so they need not follow the gear window's
// older factor.
constexpr double kKilometresPerStatuteMile = 1.609344;
// Gears this close (in percent) on different chainrings are near-duplicates.
constexpr int kClosePercent = 2;
// The chart's axis reaches this share of the values' spread beyond them, so no mark sits on an
// end.
constexpr double kAxisPadding = 0.05;

// One cell of the table: a chainring (column) against a sprocket (row).
struct Cell {
    std::int16_t chainring;
    std::int16_t sprocket;
    std::string text{};
    bool over = false;
    std::vector<std::string> closeTo{};
};

std::string Pair(std::int16_t chainring, std::int16_t sprocket) {
    return NumberText(chainring) + " x " + NumberText(sprocket);
}

// Whether two gears lie within kClosePercent of each other; worked out in whole teeth, so no
// rounding decides it.
bool AreClose(const Cell& a, const Cell& b) {
    const long first = long{a.chainring} * b.sprocket;
    const long second = long{b.chainring} * a.sprocket;
    return std::max(first, second) * 100 <= std::min(first, second) * (100 + kClosePercent);
}

// The step between neighbouring sprockets, in percent of the smaller gear.
std::string StepText(std::int16_t from, std::int16_t to) {
    const double larger = std::max(from, to);
    const double smaller = std::min(from, to);
    return "Step from " + NumberText(from) + ": " +
           FormatPattern(larger / smaller * 100 - 100, "0.0") + " %";
}

std::string TipOf(const Cell& cell, const Cell* above) {
    std::string tip = Pair(cell.chainring, cell.sprocket);
    if (above) tip += "\n" + StepText(above->sprocket, cell.sprocket);
    if (!cell.closeTo.empty()) {
        tip += "\nWithin " + std::to_string(kClosePercent) + " % of ";
        for (std::size_t i = 0; i < cell.closeTo.size(); ++i)
            tip += (i > 0 ? ", " : "") + cell.closeTo[i];
    }
    if (cell.over) tip += "\nOver the rollout limit";
    return tip;
}

}  // namespace

void GearTable::ShowTable() {
    const GearTableValues& v = values_;
    const GearUnit unit = Unit();
    GridTable table;
    ChartData chart;
    std::string lockout;
    const bool complete = v.wheelCircumference > 0 && v.chainringCount > 0 && v.sprocketCount > 0;
    if (!complete) {
        grdGears.setTable(std::move(table));
        picLadder.setData(std::move(chart));
        lblLockout.setCaption({});
        return;
    }

    const auto rows = static_cast<std::size_t>(v.sprocketCount);
    const auto columns = static_cast<std::size_t>(v.chainringCount);
    const double wheelRadius = v.wheelCircumference / (2 * kPi);
    std::vector<std::vector<Cell>> cells(rows);
    bool blank = false;
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            Cell cell{.chainring = v.chainrings[c], .sprocket = v.sprockets[r]};
            const GearSize gear = GearOf(cell.chainring, cell.sprocket, v.wheelInches, kPi);
            const double ratio = static_cast<double>(cell.chainring) / cell.sprocket;
            switch (unit) {
                case GearUnit::GearInches:
                    cell.text = NumberText(gear.inches);
                    break;
                case GearUnit::Development:
                    cell.text = NumberText(gear.metres);
                    break;
                case GearUnit::GainRatio:
                    if (v.crankLength > 0) {
                        cell.text = FormatPattern(wheelRadius / v.crankLength * ratio, "0.00");
                    }
                    break;
                case GearUnit::SpeedKph:
                case GearUnit::SpeedMph:
                    if (v.cadence > 0) {
                        double speed = v.wheelCircumference / kMillimetresPerMetre *
                                       cell.chainring / cell.sprocket * v.cadence *
                                       kMinutesPerHour / kMetresPerKilometre;
                        if (unit == GearUnit::SpeedMph) speed /= kKilometresPerStatuteMile;
                        cell.text = FormatPattern(speed, "0.0");
                    }
                    break;
            }
            blank = blank || cell.text.empty();
            // Judged on the development as shown, so a cell reading the limit is within it.
            cell.over = v.rollout > 0 && LeadingNumber(NumberText(gear.metres)) > v.rollout;
            cells[r].push_back(std::move(cell));
        }
    }
    for (std::size_t c = 0; c < columns; ++c) {
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t other = 0; other < columns; ++other) {
                if (other == c) continue;
                for (std::size_t s = 0; s < rows; ++s) {
                    if (AreClose(cells[r][c], cells[s][other])) {
                        cells[r][c].closeTo.push_back(
                            Pair(cells[s][other].chainring, cells[s][other].sprocket));
                    }
                }
            }
        }
    }

    table.corner = std::string(NameOf(unit));
    for (std::size_t c = 0; c < columns; ++c)
        table.columnHeaders.push_back(NumberText(v.chainrings[c]));
    for (std::size_t r = 0; r < rows; ++r) {
        table.rowHeaders.push_back(NumberText(v.sprockets[r]));
        std::vector<GridCell>& line = table.cells.emplace_back();
        for (std::size_t c = 0; c < columns; ++c) {
            const Cell& cell = cells[r][c];
            line.push_back({cell.text, cell.over ? colours::kLightRed : colours::kDefault,
                            TipOf(cell, r > 0 ? &cells[r - 1][c] : nullptr)});
        }
    }

    if (!blank) {
        chart.axisTitle = table.corner;
        double low = 0;
        double high = 0;
        bool first = true;
        for (std::size_t c = 0; c < columns; ++c) {
            ChartLane& lane = chart.lanes.emplace_back();
            lane.name = table.columnHeaders[c];
            for (std::size_t r = 0; r < rows; ++r) {
                const Cell& cell = cells[r][c];
                const double value = LeadingNumber(cell.text);
                lane.marks.push_back(
                    {value, table.rowHeaders[r], cell.over, !cell.closeTo.empty()});
                low = first ? value : std::min(low, value);
                high = first ? value : std::max(high, value);
                first = false;
            }
        }
        // A lone value still gets an axis round it.
        const double padding =
            high > low ? (high - low) * kAxisPadding : std::max(high, 1.0) * kAxisPadding;
        chart.low = std::max(0.0, low - padding);
        chart.high = high + padding;
    }

    if (v.rollout > 0) {
        std::vector<std::string> locked;
        for (std::size_t c = 0; c < columns; ++c) {
            std::string sprockets;
            for (std::size_t r = 0; r < rows; ++r) {
                if (!cells[r][c].over) continue;
                sprockets += (sprockets.empty() ? "" : ", ") + table.rowHeaders[r];
            }
            if (!sprockets.empty())
                locked.push_back(table.columnHeaders[c] + ": lock out " + sprockets);
        }
        if (locked.empty()) {
            lockout = "All gears within the limit";
        } else {
            for (std::size_t i = 0; i < locked.size(); ++i)
                lockout += (i > 0 ? "; " : "") + locked[i];
        }
    }

    grdGears.setTable(std::move(table));
    picLadder.setData(std::move(chart));
    lblLockout.setCaption(std::move(lockout));
}

}  // namespace velomark::gears
