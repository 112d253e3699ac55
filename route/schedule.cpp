// SPDX-License-Identifier: GPL-3.0-or-later
#include "route/schedule.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark::route {

namespace {

constexpr int kMinutesPerDay = 24 * kMinutesPerHour;
// Past this many minutes (about 11,000 years) a riding time is not worth showing.
constexpr double kLongestMinutes = 6e9;
// The profile's level scale reaches this share of the climb beyond its ends.
constexpr double kLevelPadding = 0.05;

template <class Names>
std::optional<std::size_t> IndexOf(const Names& names, std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return std::nullopt;
    return static_cast<std::size_t>(found - names.begin());
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

double EveryUnits(CheckpointRule rule) {
    switch (rule) {
        case CheckpointRule::Every5:
            return 5;
        case CheckpointRule::Every10:
            return 10;
        case CheckpointRule::Every20:
            return 20;
        case CheckpointRule::Waypoints:
            break;
    }
    return 0;
}

GridCell Cell(std::string text) {
    GridCell cell;
    cell.text = std::move(text);
    return cell;
}

std::string TwoDigits(long long value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::optional<DistanceUnit> UnitNamed(std::string_view name) {
    const auto index = IndexOf(kUnitNames, name);
    if (!index) return std::nullopt;
    return static_cast<DistanceUnit>(*index);
}

double MetresPer(DistanceUnit unit) {
    return unit == DistanceUnit::Miles ? kKilometresPerStatuteMile * kMetresPerKilometre
                                       : kMetresPerKilometre;
}

std::string_view UnitSymbol(DistanceUnit unit) {
    return unit == DistanceUnit::Miles ? "mi" : "km";
}

std::string_view SpeedSymbol(DistanceUnit unit) {
    return unit == DistanceUnit::Miles ? "mph" : "km/h";
}

std::optional<CheckpointRule> CheckpointRuleNamed(std::string_view name) {
    const auto index = IndexOf(kCheckpointNames, name);
    if (!index) return std::nullopt;
    return static_cast<CheckpointRule>(*index);
}

MeasuredRoute MeasureRoute(GpxRoute route, std::size_t mostWaypoints) {
    MeasuredRoute measured;
    measured.distances = DistancesAlong(route.points);
    measured.climb = ClimbOf(route.points);
    const std::vector<Direction> directions =
        route.waypoints.empty() ? std::vector<Direction>{} : DirectionsOf(route.points);
    if (route.waypoints.size() > mostWaypoints) {
        route.waypoints.resize(mostWaypoints);
        measured.waypointsDropped = true;
    }
    for (const Waypoint& waypoint : route.waypoints) {
        const Placement place =
            NearestPoint(route.points, directions, waypoint.latitude, waypoint.longitude);
        if (place.metres > kFurthestWaypointMetres) {
            measured.leftOut.push_back(waypoint.name);
        } else {
            measured.waypoints.push_back(
                {waypoint.name, measured.distances[place.point], place.point});
        }
    }
    std::stable_sort(measured.waypoints.begin(), measured.waypoints.end(),
                     [](const auto& a, const auto& b) { return a.metres < b.metres; });
    measured.route = std::move(route);
    return measured;
}

std::vector<Checkpoint> Checkpoints(const MeasuredRoute& measured, CheckpointRule rule,
                                    DistanceUnit unit, int laps, std::size_t most, bool& cut) {
    cut = rule == CheckpointRule::Waypoints && measured.waypointsDropped;
    const double lap = measured.length();
    const double whole = lap * laps;
    const std::size_t last = measured.distances.empty() ? 0 : measured.distances.size() - 1;
    std::vector<Checkpoint> rows{{"Start", 0, 0}};
    const auto add = [&](Checkpoint checkpoint) {
        if (rows.size() > most) {
            cut = true;
            return false;
        }
        rows.push_back(std::move(checkpoint));
        return true;
    };
    if (rule == CheckpointRule::Waypoints) {
        for (int n = 1; n <= laps; ++n) {
            for (const MeasuredRoute::Placed& placed : measured.waypoints) {
                std::string name = placed.name;
                if (n > 1) name += " (lap " + std::to_string(n) + ")";
                // A waypoint at a lap's end and one at the next lap's start meet within a
                // rounding of each other: neither may pass the other, nor the finish.
                const double metres =
                    std::clamp(lap * (n - 1) + placed.metres, rows.back().metres, whole);
                if (!add({std::move(name), metres, placed.point})) break;
            }
        }
    } else {
        const double step = EveryUnits(rule);
        const double metresPer = MetresPer(unit);
        for (double units = step; units * metresPer < whole; units += step) {
            const double metres = units * metresPer;
            const double withinLap = metres - lap * std::floor(metres / lap);
            const std::string name =
                FormatPattern(units, "0") + " " + std::string(UnitSymbol(unit));
            if (!add({name, metres, PointAtDistance(measured.distances, withinLap)})) break;
        }
    }
    rows.push_back({"Finish", whole, last});
    return rows;
}

std::string_view WithoutBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<std::int16_t> ReadLaps(std::string_view text) {
    text = WithoutBlanks(text);
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    const int laps = std::stoi(std::string(text));
    if (laps < 1 || laps > kMostLaps) return std::nullopt;
    return static_cast<std::int16_t>(laps);
}

std::optional<double> ReadSpeed(std::string_view text) {
    // Digits and a point only: the text heads its column, where "4e1 km/h" or "40,5 km/h"
    // would read as nonsense.
    text = WithoutBlanks(text);
    if (text.find_first_not_of("0123456789.") != std::string_view::npos) return std::nullopt;
    const std::optional<double> speed = StrictNumber(text);
    if (!speed || !(*speed > 0) || *speed > kFastestSpeed) return std::nullopt;
    return speed;
}

std::optional<int> ReadTimeOfDay(std::string_view text) {
    text = WithoutBlanks(text);
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || text.size() != colon + 3 ||
        !std::all_of(text.begin(), text.begin() + colon, IsDigit) ||
        !std::all_of(text.begin() + colon + 1, text.end(), IsDigit)) {
        return std::nullopt;
    }
    const int hours = std::stoi(std::string(text.substr(0, colon)));
    const int minutes = std::stoi(std::string(text.substr(colon + 1)));
    if (hours > 23 || minutes > 59) return std::nullopt;
    return hours * kMinutesPerHour + minutes;
}

std::string ArrivalText(double distance, double speed, std::optional<int> startMinutes) {
    if (!(speed > 0)) return {};
    const double exact = distance / speed * kMinutesPerHour;
    if (!(exact >= 0) || exact > kLongestMinutes) return {};
    // Half a minute goes up, as a stopwatch read to the minute would.
    auto minutes = static_cast<long long>(std::llround(exact));
    if (startMinutes) {
        minutes = (minutes + *startMinutes) % kMinutesPerDay;
        return TwoDigits(minutes / kMinutesPerHour) + ":" + TwoDigits(minutes % kMinutesPerHour);
    }
    return std::to_string(minutes / kMinutesPerHour) + ":" + TwoDigits(minutes % kMinutesPerHour);
}

GridTable ScheduleTable(const MeasuredRoute& measured, std::span<const Checkpoint> checkpoints,
                        DistanceUnit unit, std::span<const ScheduleSpeed> speeds,
                        std::optional<int> startMinutes) {
    GridTable table;
    table.corner = "Point";
    table.columnHeaders = {"Distance", "Elevation (m)"};
    for (const ScheduleSpeed& speed : speeds)
        table.columnHeaders.push_back(speed.typed + " " + std::string(SpeedSymbol(unit)));
    const auto& points = measured.route.points;
    for (const Checkpoint& checkpoint : checkpoints) {
        table.rowHeaders.push_back(checkpoint.name);
        const double distance = checkpoint.metres / MetresPer(unit);
        std::vector<GridCell>& row = table.cells.emplace_back();
        row.push_back(Cell(FormatPattern(distance, "0.0")));
        const auto& elevation =
            checkpoint.point < points.size() ? points[checkpoint.point].elevation : std::nullopt;
        row.push_back(Cell(elevation ? FormatPattern(*elevation, "0") : std::string()));
        for (const ScheduleSpeed& speed : speeds)
            row.push_back(Cell(ArrivalText(distance, speed.perHour, startMinutes)));
    }
    return table;
}

ChartData ProfileChart(const MeasuredRoute& measured, std::span<const Checkpoint> checkpoints,
                       DistanceUnit unit, std::size_t most) {
    ChartData chart;
    const auto& points = measured.route.points;
    const double metresPer = MetresPer(unit);
    chart.axisTitle = "Distance (" + std::string(UnitSymbol(unit)) + ")";
    chart.low = 0;
    chart.high = measured.length() / metresPer;
    if (measured.route.hasElevations) {
        ChartSeries& line = chart.series;
        line.title = "Elevation (m)";
        // Each stretch of the lap keeps its lowest and highest point, so no summit is lost.
        const std::size_t stretches = std::max<std::size_t>(1, most / 2);
        const std::size_t size = (points.size() + stretches - 1) / stretches;
        bool first = true;
        for (std::size_t start = 0; start < points.size(); start += size) {
            const std::size_t end = std::min(points.size(), start + size);
            std::optional<std::size_t> low;
            std::optional<std::size_t> high;
            for (std::size_t i = start; i < end; ++i) {
                if (!points[i].elevation) continue;
                if (!low || *points[i].elevation < *points[*low].elevation) low = i;
                if (!high || *points[i].elevation > *points[*high].elevation) high = i;
            }
            if (!low) continue;
            for (std::size_t i : {std::min(*low, *high), std::max(*low, *high)}) {
                const double level = *points[i].elevation;
                line.points.push_back({measured.distances[i] / metresPer, level, {}});
                line.low = first ? level : std::min(line.low, level);
                line.high = first ? level : std::max(line.high, level);
                first = false;
                if (*low == *high) break;
            }
        }
        const double padding = std::max(1.0, (line.high - line.low) * kLevelPadding);
        line.low -= padding;
        line.high += padding;
    }
    ChartLane& lane = chart.lanes.emplace_back();
    // Between the Start and the Finish rows.
    for (std::size_t i = 1; i + 1 < checkpoints.size(); ++i) {
        const Checkpoint& checkpoint = checkpoints[i];
        if (checkpoint.metres > measured.length()) break;
        lane.marks.push_back({checkpoint.metres / metresPer, checkpoint.name});
    }
    return chart;
}

}  // namespace velomark::route
