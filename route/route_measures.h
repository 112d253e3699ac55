// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measuring a route on the WGS84 ellipsoid: how far along it each point lies, how much it
// climbs and descends, and where its waypoints fall on it.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "route/gpx_reader.h"

namespace velomark::route {

// GPS noise smaller than this never counts as climbing or descending.
inline constexpr double kDeadBandMetres = 2;
// A waypoint further than this from every point of the route is not on it.
inline constexpr double kFurthestWaypointMetres = 200;

// The geodesic distance between two points in metres.
double GeodesicMetres(double latitude1, double longitude1, double latitude2, double longitude2);

// How far along the route each point lies, in metres: 0 for the first, then the geodesic
// distances between consecutive points summed.
std::vector<double> DistancesAlong(std::span<const RoutePoint> points);

struct ClimbAndDescent {
    double climb = 0;    // metres
    double descent = 0;  // metres
};
// The climb and descent over the points' elevations, in order, with the dead band: a change
// counts once it reaches kDeadBandMetres from the last elevation that counted. Points without
// an elevation are passed over.
ClimbAndDescent ClimbOf(std::span<const RoutePoint> points);

// A point's direction from the earth's centre on a unit sphere: the straight line between two of
// them orders points by distance as the curved one does, without a sine per comparison.
struct Direction {
    double x = 0;
    double y = 0;
    double z = 0;
};
Direction DirectionOf(double latitude, double longitude);
std::vector<Direction> DirectionsOf(std::span<const RoutePoint> points);

// Where a waypoint lies on the route: the point nearest to it (the first of equals) and how far
// from it, in metres. The directions are the points'.
struct Placement {
    std::size_t point = 0;
    double metres = 0;
};
Placement NearestPoint(std::span<const RoutePoint> points, std::span<const Direction> directions,
                       double latitude, double longitude);

// The point whose distance along the route is nearest to the distance given (the first of
// equals); distances ascend.
std::size_t PointAtDistance(std::span<const double> distances, double metres);

}  // namespace velomark::route
