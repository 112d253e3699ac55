// SPDX-License-Identifier: GPL-3.0-or-later
#include "route/route_measures.h"

#include <GeographicLib/Geodesic.hpp>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace velomark::route {

namespace {

constexpr double kMeanEarthRadius = 6371008.8;
// The great-circle distance on a sphere stays within this share of the geodesic one on the
// ellipsoid; it narrows the search for the nearest point, the geodesic one decides.
constexpr double kSphereError = 0.01;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The straight line between two directions as an angle at the centre, in metres on the sphere.
double SphereMetres(double chord) {
    return 2 * kMeanEarthRadius * std::asin(std::clamp(chord / 2, 0.0, 1.0));
}

double ChordOf(double metres) {
    return 2 * std::sin(std::min(metres / (2 * kMeanEarthRadius), std::numbers::pi / 2));
}

double SquaredChord(const Direction& a, const Direction& b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    const double dz = a.z - b.z;
    return dx * dx + dy * dy + dz * dz;
}

}  // namespace

double GeodesicMetres(double latitude1, double longitude1, double latitude2, double longitude2) {
    double metres = 0;
    GeographicLib::Geodesic::WGS84().Inverse(latitude1, longitude1, latitude2, longitude2, metres);
    return metres;
}

std::vector<double> DistancesAlong(std::span<const RoutePoint> points) {
    std::vector<double> distances;
    distances.reserve(points.size());
    double along = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            along += GeodesicMetres(points[i - 1].latitude, points[i - 1].longitude,
                                    points[i].latitude, points[i].longitude);
        }
        distances.push_back(along);
    }
    return distances;
}

ClimbAndDescent ClimbOf(std::span<const RoutePoint> points) {
    ClimbAndDescent total;
    std::optional<double> reference;
    for (const RoutePoint& point : points) {
        if (!point.elevation) continue;
        const double elevation = *point.elevation;
        if (!reference) {
            reference = elevation;
        } else if (elevation - *reference >= kDeadBandMetres) {
            total.climb += elevation - *reference;
            reference = elevation;
        } else if (*reference - elevation >= kDeadBandMetres) {
            total.descent += *reference - elevation;
            reference = elevation;
        }
    }
    return total;
}

Direction DirectionOf(double latitude, double longitude) {
    const double phi = Radians(latitude);
    const double lambda = Radians(longitude);
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

std::vector<Direction> DirectionsOf(std::span<const RoutePoint> points) {
    std::vector<Direction> directions;
    directions.reserve(points.size());
    for (const RoutePoint& point : points)
        directions.push_back(DirectionOf(point.latitude, point.longitude));
    return directions;
}

Placement NearestPoint(std::span<const RoutePoint> points, std::span<const Direction> directions,
                       double latitude, double longitude) {
    if (points.empty() || directions.size() != points.size()) return {};
    const Direction target = DirectionOf(latitude, longitude);
    double nearest = SquaredChord(target, directions[0]);
    for (const Direction& direction : directions)
        nearest = std::min(nearest, SquaredChord(target, direction));
    // Every point that could be the nearest on the ellipsoid, measured there.
    const double reach =
        SphereMetres(std::sqrt(nearest)) * (1 + kSphereError) / (1 - kSphereError) + 1;
    const double reachChord = ChordOf(reach);
    const double reachSquared = reachChord * reachChord;
    Placement best{0, -1};
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (SquaredChord(target, directions[i]) > reachSquared) continue;
        const double metres =
            GeodesicMetres(latitude, longitude, points[i].latitude, points[i].longitude);
        if (best.metres < 0 || metres < best.metres) best = {i, metres};
    }
    return best;
}

std::size_t PointAtDistance(std::span<const double> distances, double metres) {
    if (distances.empty()) return 0;
    const auto after = std::lower_bound(distances.begin(), distances.end(), metres);
    if (after == distances.begin()) return 0;
    if (after == distances.end()) return distances.size() - 1;
    const auto before = after - 1;
    // Equal distances: the earlier point, and the first of a run of equal ones.
    const auto chosen = (metres - *before <= *after - metres) ? before : after;
    return static_cast<std::size_t>(std::lower_bound(distances.begin(), distances.end(), *chosen) -
                                    distances.begin());
}

}  // namespace velomark::route
