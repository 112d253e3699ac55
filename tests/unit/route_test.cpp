// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "route/gpx_reader.h"
#include "route/route_measures.h"
#include "route/schedule.h"
#include "route/schedule_page.h"
#include "shell/field_rules.h"
#include "shell/file_reading.h"

namespace velomark::route {
namespace {

std::string Gpx(const std::string& body) {
    return R"(<?xml version="1.0"?><gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">)" +
           body + "</gpx>";
}

std::string Point(const char* tag, double lon, const std::string& inside = {}) {
    return std::string("<") + tag + " lat=\"0\" lon=\"" + FormatPattern(lon, "0.000") + "\">" +
           inside + "</" + tag + ">";
}

std::string EquatorTrack(int steps, const std::string& after = {}) {
    std::string points;
    for (int i = 0; i <= steps; ++i)
        points += Point("trkpt", i * 0.001);
    return Gpx("<trk><name>Equator</name><trkseg>" + points + "</trkseg></trk>" + after);
}

TEST(RouteDistance, IsTheGeodesicSumAlongTheEquator) {
    EXPECT_NEAR(GeodesicMetres(0, 0, 0, 0.1), 11131.949, 0.0005);
    const GpxReading read = ReadGpx(EquatorTrack(400), "equator");
    ASSERT_EQ(read.fault, GpxFault::None);
    EXPECT_EQ(read.route.name, "Equator");
    EXPECT_FALSE(read.route.hasElevations);
    EXPECT_EQ(FormatPattern(DistancesAlong(read.route.points).back() / 1000, "0.000"), "44.528");
}

TEST(GpxReader, JoinsSegmentsElseTakesTheRoutePoints) {
    const GpxReading joined =
        ReadGpx(Gpx("<metadata><name>Meta</name></metadata><rte><name>Ignored</name>" +
                    Point("rtept", 9) + "</rte><trk><trkseg>" + Point("trkpt", 0, "<ele>10</ele>") +
                    "</trkseg><trkseg>" + Point("trkpt", 0.001) + "</trkseg></trk>"),
                "file");
    ASSERT_EQ(joined.fault, GpxFault::None);
    EXPECT_EQ(joined.route.points.size(), 2u);
    EXPECT_EQ(joined.route.points[1].longitude, 0.001);
    EXPECT_EQ(joined.route.name, "Meta");
    EXPECT_TRUE(joined.route.hasElevations);

    const GpxReading routeOnly = ReadGpx(R"(<gpx version="1.0"><name>Old</name><rte>)" +
                                             Point("rtept", 1) + Point("rtept", 2) + "</rte></gpx>",
                                         "file");
    ASSERT_EQ(routeOnly.fault, GpxFault::None);
    EXPECT_EQ(routeOnly.route.points.size(), 2u);
    EXPECT_EQ(routeOnly.route.name, "Old");
    EXPECT_EQ(ReadGpx(Gpx("<rte>" + Point("rtept", 1) + "</rte>"), "stem").route.name, "stem");
}

TEST(GpxReader, RefusesEveryBadFile) {
    struct Case {
        std::string bytes;
        GpxFault fault;
        std::size_t line;
    };
    for (const Case& c : std::vector<Case>{
             {"", GpxFault::NotXml, 1},
             {"<gpx>\n<trk>\n</gpx>", GpxFault::NotXml, 3},
             {"<kml/>", GpxFault::NotGpx, 0},
             {Gpx("<trk/>"), GpxFault::NoPoints, 0},
             {Gpx(R"(<trk><trkseg><trkpt lat="91" lon="0"/></trkseg></trk>)"),
              GpxFault::BadCoordinate, 0},
             {Gpx(R"(<rte><rtept lat="0" lon="-180.5"/></rte>)"), GpxFault::BadCoordinate, 0},
             {Gpx(R"(<rte><rtept lat="nan" lon="0"/></rte>)"), GpxFault::BadCoordinate, 0},
             {Gpx(R"(<rte><rtept lon="0"/></rte>)"), GpxFault::BadCoordinate, 0},
         }) {
        const GpxReading read = ReadGpx(c.bytes, "file");
        EXPECT_EQ(read.fault, c.fault) << c.bytes;
        EXPECT_EQ(read.line, c.line) << c.bytes;
    }
}

TEST(Climb, CountsOnlyChangesBeyondTheDeadBand) {
    struct Case {
        std::vector<double> elevations;
        double climb;
        double descent;
    };
    for (const Case& c : std::vector<Case>{{{100, 101, 101.9, 100.5}, 0, 0},
                                           {{100, 102, 103, 104}, 4, 0},
                                           {{100, 101, 102, 101, 100}, 2, 2},
                                           {{100, 98.5, 97, 99.5}, 2.5, 3},
                                           {{}, 0, 0}}) {
        std::vector<RoutePoint> points;
        for (double elevation : c.elevations)
            points.push_back({0, 0, elevation});
        const ClimbAndDescent total = ClimbOf(points);
        EXPECT_DOUBLE_EQ(total.climb, c.climb);
        EXPECT_DOUBLE_EQ(total.descent, c.descent);
    }
}

TEST(Schedule, PlacesWaypointsOnEveryLapWithTimesFromTheStart) {
    // 0.001 degree is about 111 m: the first waypoint is on the route, the second 222 m off it.
    GpxReading read = ReadGpx(EquatorTrack(200, R"(<wpt lat="0.001" lon="0.05"><name>Feed</name>)"
                                                R"(</wpt><wpt lat="0.002" lon="0.06"/>)"),
                              "f");
    ASSERT_EQ(read.fault, GpxFault::None);
    const MeasuredRoute measured = MeasureRoute(std::move(read.route), 1000);
    ASSERT_EQ(measured.waypoints.size(), 1u);
    EXPECT_EQ(measured.leftOut, std::vector<std::string>{"Waypoint 2"});
    bool cut = false;
    const auto rows =
        Checkpoints(measured, CheckpointRule::Waypoints, DistanceUnit::Kilometres, 2, 100, cut);
    const std::vector<ScheduleSpeed> speeds{{"20", 20}};
    const GridTable table =
        ScheduleTable(measured, rows, DistanceUnit::Kilometres, speeds, 23 * 60);
    EXPECT_EQ(table.rowHeaders,
              (std::vector<std::string>{"Start", "Feed", "Feed (lap 2)", "Finish"}));
    EXPECT_EQ(table.columnHeaders.back(), "20 km/h");
    EXPECT_EQ(table.cells[3][0].text, "44.5");
    EXPECT_EQ(table.cells[1][1].text, "");
    // 44.528 km at 20 km/h: 133.6 minutes after 23:00.
    EXPECT_EQ(table.cells[3][2].text, "01:14");
}

TEST(Schedule, ArrivalTimes) {
    EXPECT_EQ(ArrivalText(10, 40, std::nullopt), "0:15");
    EXPECT_EQ(ArrivalText(1000, 40, std::nullopt), "25:00");
    EXPECT_EQ(ArrivalText(10, 40, 23 * 60 + 50), "00:05");
    EXPECT_EQ(ArrivalText(0.25, 30, 9 * 60), "09:01");
    EXPECT_EQ(ReadTimeOfDay("9:05"), 9 * 60 + 5);
    EXPECT_EQ(ReadTimeOfDay("24:00"), std::nullopt);
    EXPECT_EQ(ReadLaps("51"), std::nullopt);
    EXPECT_EQ(ReadSpeed("0"), std::nullopt);
}

TEST(RouteFile, OnlyAPlainFileWithinTheLimitIsRead) {
    const auto path = std::filesystem::temp_directory_path() / "velomark-route-test.gpx";
    { std::ofstream{path} << "<gpx/>"; }
    EXPECT_EQ(ReadFileBytes(path.string(), 6).bytes, "<gpx/>");
    EXPECT_EQ(ReadFileBytes(path.string(), 5).outcome, ReadOutcome::TooLarge);
    std::filesystem::remove(path);
    EXPECT_EQ(ReadFileBytes(path.string(), 6).outcome, ReadOutcome::Unreadable);
    EXPECT_EQ(ReadFileBytes(path.parent_path().string(), 6).outcome, ReadOutcome::Unreadable);
    EXPECT_EQ(ReadFileBytes("/dev/zero", 6).outcome, ReadOutcome::Unreadable);
}

// File names come as UTF-8 whatever the machine's code page.
TEST(RouteFile, ANameBeyondAsciiIsReadAndNamesTheRoute) {
    const std::string folder = std::filesystem::temp_directory_path().string();
    const std::string path = folder + "/velomark Col d’Izoard été.gpx";
    { std::ofstream{PathOfText(path)} << "<gpx/>"; }
    EXPECT_EQ(ReadFileBytes(path, 6).bytes, "<gpx/>");
    EXPECT_EQ(FileStemText(path), "velomark Col d’Izoard été");
    std::filesystem::remove(PathOfText(path));
}

TEST(SchedulePage, GoesOnOverASecondSheetPast40Rows) {
    GridTable table;
    table.corner = "Point";
    table.columnHeaders = {"Distance"};
    for (int row = 0; row < 41; ++row) {
        table.rowHeaders.push_back(std::to_string(row));
        GridCell cell;
        cell.text = std::to_string(row);
        table.cells.push_back({cell});
    }
    const PrintedPage page = SchedulePage("Circuit", "Distance 10.00 km", table, {});
    EXPECT_EQ(page.sheets(), 2);
    EXPECT_EQ(page.texts.front().text, "Circuit");
    // The second sheet is headed again and holds the last row.
    EXPECT_EQ(std::count_if(page.texts.begin(), page.texts.end(),
                            [](const PrintedText& t) { return t.page == 1; }),
              2 + 2);
}

}  // namespace
}  // namespace velomark::route
