// SPDX-License-Identifier: GPL-3.0-or-later
// A long route loaded and scheduled: the reading, measuring and scheduling a person waits for
// after leaving the route file's field, on recorded tracks of 10,000 and 100,000 points.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_window.h"
#include "shell/window_names.h"

namespace velomark::bench {
namespace {

// A hilly track of the given points, one a second at racing speed, with a waypoint on it
// every 1,000 points; written once into the temporary folder.
std::string TrackFile(long points, int variant) {
    const auto path =
        std::filesystem::temp_directory_path() /
        ("velomark-bench-" + std::to_string(points) + "-" + std::to_string(variant) + ".gpx");
    std::ofstream out(path);
    out << "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"bench\">\n";
    const auto place = [variant](long i, double& lat, double& lon) {
        lat = 52 + 0.05 * std::sin(i / 5000.0) + variant * 1e-5;
        lon = -1.5 + i * 1e-4;
    };
    for (long i = 0; i < points; i += 1000) {
        double lat = 0;
        double lon = 0;
        place(i, lat, lon);
        out << "<wpt lat=\"" << lat << "\" lon=\"" << lon << "\"><name>W" << i << "</name></wpt>\n";
    }
    out << "<trk><name>Bench</name><trkseg>\n";
    out.precision(8);
    for (long i = 0; i < points; ++i) {
        double lat = 0;
        double lon = 0;
        place(i, lat, lon);
        out << "<trkpt lat=\"" << lat << "\" lon=\"" << lon << "\"><ele>"
            << 100 + 50 * std::sin(i / 700.0) << "</ele></trkpt>\n";
    }
    out << "</trkseg></trk></gpx>\n";
    return path.string();
}

void Route_LoadAndSchedule(benchmark::State& state) {
    const long points = state.range(0);
    const std::string files[] = {TrackFile(points, 0), TrackFile(points, 1)};
    BenchWindow w(windows::kRoute);
    w.enter("txtStartTime", "10:00");
    w.enter("txtSpeed1", "42");
    w.enter("txtSpeed2", "38");
    w.enter("txtSpeed3", "34");
    w.enter("txtLaps", "3");
    benchmark::IterationCount step = 0;
    for (auto _ : state)
        w.enter("txtRouteFile", files[step++ % 2]);
    if (const std::string problem = w.check("txtRouteName", "Bench"); !problem.empty())
        state.SkipWithError(problem.c_str());
}
BENCHMARK(Route_LoadAndSchedule)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velomark::bench
