// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a GPX file (1.0 or 1.1) into the points of the route it describes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark::route {

struct RoutePoint {
    double latitude = 0;              // degrees, -90 to 90
    double longitude = 0;             // degrees, -180 to 180
    std::optional<double> elevation;  // metres
};

struct Waypoint {
    std::string name;  // its own, or "Waypoint N" by its place among the file's waypoints
    double latitude = 0;
    double longitude = 0;
};

struct GpxRoute {
    std::string name;
    std::vector<RoutePoint> points;
    std::vector<Waypoint> waypoints;
    bool hasElevations = false;  // whether any point has one
};

enum class GpxFault { None, NotXml, NotGpx, NoPoints, BadCoordinate };

struct GpxReading {
    GpxFault fault = GpxFault::None;
    // For NotXml, the line (from 1) where the XML goes wrong.
    std::size_t line = 0;
    GpxRoute route;  // only when there is no fault
};

// The route in the bytes: every track point of every track and segment in document order, or,
// when there are none, the route points. Its name is the first track's (or route's) name, else
// the file's own name, else fileStem. No DTD or external entity is ever loaded.
GpxReading ReadGpx(std::string_view bytes, std::string_view fileStem);

}  // namespace velomark::route
