// SPDX-License-Identifier: GPL-3.0-or-later
#include "route/gpx_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>

namespace velomark::route {

namespace {

constexpr double kLargestLatitude = 90;
constexpr double kLargestLongitude = 180;

// An element's name without its namespace prefix, so "gpx:trkpt" is a "trkpt".
std::string_view LocalName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const auto colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& parent, std::string_view name) {
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == name) return child;
    }
    return {};
}

template <class Visit>
void EachChild(const pugi::xml_node& parent, std::string_view name, Visit visit) {
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == name) visit(child);
    }
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A decimal as XML writes it: an optional sign, digits and one "."; nothing for anything else,
// and nothing for a value that is not finite.
std::optional<double> Decimal(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("+-.0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string TextOf(const pugi::xml_node& node, std::string_view name) {
    return std::string(Trimmed(Child(node, name).child_value()));
}

// A point's place, or nothing when either coordinate is missing, not a number or out of range.
std::optional<RoutePoint> PlaceOf(const pugi::xml_node& node) {
    const auto latitude = Decimal(node.attribute("lat").value());
    const auto longitude = Decimal(node.attribute("lon").value());
    if (!latitude || !longitude || std::abs(*latitude) > kLargestLatitude ||
        std::abs(*longitude) > kLargestLongitude) {
        return std::nullopt;
    }
    RoutePoint point{*latitude, *longitude, std::nullopt};
    // An elevation that is not a number is as good as none.
    point.elevation = Decimal(Child(node, "ele").child_value());
    return point;
}

std::size_t LineAt(std::string_view bytes, std::ptrdiff_t offset) {
    const auto end = static_cast<std::size_t>(
        std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(bytes.size())));
    return 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + end, '\n'));
}

}  // namespace

GpxReading ReadGpx(std::string_view bytes, std::string_view fileStem) {
    pugi::xml_document document;
    // The default options read no DTD and load nothing from outside the bytes.
    const pugi::xml_parse_result parsed = document.load_buffer(bytes.data(), bytes.size());
    if (!parsed) return {GpxFault::NotXml, LineAt(bytes, parsed.offset), {}};
    const pugi::xml_node gpx = document.document_element();
    if (LocalName(gpx) != "gpx") return {GpxFault::NotGpx, 0, {}};

    GpxReading reading;
    GpxRoute& route = reading.route;
    bool badPoint = false;
    const auto take = [&](const pugi::xml_node& node) {
        const std::optional<RoutePoint> point = PlaceOf(node);
        if (!point) {
            badPoint = true;
            return;
        }
        route.hasElevations = route.hasElevations || point->elevation.has_value();
        route.points.push_back(*point);
    };
    std::string name;
    EachChild(gpx, "trk", [&](const pugi::xml_node& track) {
        if (name.empty()) name = TextOf(track, "name");
        EachChild(track, "trkseg",
                  [&](const pugi::xml_node& segment) { EachChild(segment, "trkpt", take); });
    });
    if (route.points.empty() && !badPoint) {
        name.clear();
        EachChild(gpx, "rte", [&](const pugi::xml_node& line) {
            if (name.empty()) name = TextOf(line, "name");
            EachChild(line, "rtept", take);
        });
    }
    EachChild(gpx, "wpt", [&](const pugi::xml_node& node) {
        const std::optional<RoutePoint> place = PlaceOf(node);
        if (!place) {
            badPoint = true;
            return;
        }
        std::string own = TextOf(node, "name");
        if (own.empty()) own = "Waypoint " + std::to_string(route.waypoints.size() + 1);
        route.waypoints.push_back({std::move(own), place->latitude, place->longitude});
    });
    if (badPoint) return {GpxFault::BadCoordinate, 0, {}};
    if (route.points.empty()) return {GpxFault::NoPoints, 0, {}};

    // GPX 1.1 names the file in its metadata, GPX 1.0 right under the root.
    if (name.empty()) name = TextOf(Child(gpx, "metadata"), "name");
    if (name.empty()) name = TextOf(gpx, "name");
    route.name = name.empty() ? std::string(fileStem) : std::move(name);
    return reading;
}

}  // namespace velomark::route
