// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A measured route turned into a race schedule: its checkpoints over every lap, and when riders
// at each speed reach them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "route/gpx_reader.h"
#include "route/route_measures.h"
#include "shell/chart.h"
#include "shell/grid.h"

namespace velomark::route {

enum class DistanceUnit { Kilometres, Miles };
inline constexpr std::array<std::string_view, 2> kUnitNames = {"Kilometres", "Miles"};
std::optional<DistanceUnit> UnitNamed(std::string_view name);
double MetresPer(DistanceUnit unit);
// "km" or "mi", as checkpoints are named.
std::string_view UnitSymbol(DistanceUnit unit);
// "km/h" or "mph", as speed columns are headed.
std::string_view SpeedSymbol(DistanceUnit unit);

enum class CheckpointRule { Waypoints, Every5, Every10, Every20 };
inline constexpr std::array<std::string_view, 4> kCheckpointNames = {
    "Waypoints in the file", "Every 5", "Every 10", "Every 20"};
std::optional<CheckpointRule> CheckpointRuleNamed(std::string_view name);

// A route read from its file with everything measured that the schedule needs.
struct MeasuredRoute {
    GpxRoute route;
    std::vector<double> distances;  // metres along one lap, one per point
    ClimbAndDescent climb;
    struct Placed {
        std::string name;
        double metres;      // along one lap
        std::size_t point;  // the route point nearest to it
    };
    std::vector<Placed> waypoints;     // on the route, in order of distance
    std::vector<std::string> leftOut;  // the names of those off it
    // Waypoints past the most a schedule shows were not placed at all.
    bool waypointsDropped = false;
    double length() const { return distances.empty() ? 0 : distances.back(); }
};
// At most `mostWaypoints` of the file's waypoints are placed, in the file's order: each is
// sought among all the points.
MeasuredRoute MeasureRoute(GpxRoute route, std::size_t mostWaypoints);

// One row of the schedule.
struct Checkpoint {
    std::string name;
    double metres = 0;      // along the whole ride
    std::size_t point = 0;  // the route point whose elevation it shows
};
// Start, the checkpoints in order of distance, and Finish, for the laps; at most `most` between
// Start and Finish (the rest are dropped, and `cut` says so).
std::vector<Checkpoint> Checkpoints(const MeasuredRoute& measured, CheckpointRule rule,
                                    DistanceUnit unit, int laps, std::size_t most, bool& cut);

// The whole laps a route may be ridden.
inline constexpr int kMostLaps = 50;
std::optional<std::int16_t> ReadLaps(std::string_view text);
// A speed above 0 and up to 100 in the unit per hour, in digits with a point; nothing for any
// other text.
inline constexpr double kFastestSpeed = 100;
std::optional<double> ReadSpeed(std::string_view text);
// A time of day as hh:mm (24 h), in minutes past midnight; nothing for any other text.
std::optional<int> ReadTimeOfDay(std::string_view text);
// A field's text without the blanks around it.
std::string_view WithoutBlanks(std::string_view text);

// When a rider at the speed reaches the distance: the start time plus the riding time, to the
// nearest minute, as "hh:mm" on a 24 h clock; without a start time the riding time as "h:mm".
// "" for a time too long to show.
std::string ArrivalText(double distance, double speed, std::optional<int> startMinutes);

struct ScheduleSpeed {
    std::string typed;  // as the person typed it, which heads its column
    double perHour = 0;
};
GridTable ScheduleTable(const MeasuredRoute& measured, std::span<const Checkpoint> checkpoints,
                        DistanceUnit unit, std::span<const ScheduleSpeed> speeds,
                        std::optional<int> startMinutes);

// Elevation against distance over one lap, at most `most` points of it, with the checkpoints
// of the first lap (of the rows Checkpoints gives) marked.
ChartData ProfileChart(const MeasuredRoute& measured, std::span<const Checkpoint> checkpoints,
                       DistanceUnit unit, std::size_t most);

}  // namespace velomark::route
