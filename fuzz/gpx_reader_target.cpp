// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a route file: the reader either refuses them with a reason or gives a route whose
// every measure and schedule is sound.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "route/gpx_reader.h"
#include "route/schedule.h"

namespace {

using namespace velomark::route;

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "GPX reader: %s\n", what);
    std::abort();
}

void CheckRoute(GpxRoute route) {
    Require(!route.points.empty(), "a route without points");
    Require(!route.name.empty(), "a route without a name");
    const MeasuredRoute measured = MeasureRoute(std::move(route), 50);
    double last = 0;
    for (double along : measured.distances) {
        Require(std::isfinite(along) && along >= last, "distances that do not add up");
        last = along;
    }
    Require(std::isfinite(measured.climb.climb) && measured.climb.climb >= 0 &&
                std::isfinite(measured.climb.descent) && measured.climb.descent >= 0,
            "a climb or descent that is not a size");
    const ScheduleSpeed speeds[] = {{"0.5", 0.5}, {"100", 100}};
    for (CheckpointRule rule : {CheckpointRule::Waypoints, CheckpointRule::Every5}) {
        for (DistanceUnit unit : {DistanceUnit::Kilometres, DistanceUnit::Miles}) {
            bool cut = false;
            const auto rows = Checkpoints(measured, rule, unit, kMostLaps, 50, cut);
            Require(rows.size() <= 52, "more checkpoints than asked for");
            for (std::size_t i = 1; i < rows.size(); ++i)
                Require(rows[i].metres >= rows[i - 1].metres, "checkpoints out of order");
            const auto table = ScheduleTable(measured, rows, unit, speeds, 23 * 60);
            Require(table.rowHeaders.size() == rows.size(), "a row per checkpoint");
            const auto chart = ProfileChart(measured, rows, unit, 100);
            Require(chart.series.points.size() <= 100, "a profile longer than asked for");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    GpxReading read = ReadGpx(bytes, "fuzz");
    if (read.fault == GpxFault::None) {
        CheckRoute(std::move(read.route));
    } else {
        Require(read.route.points.empty(), "a refused file with points");
        Require((read.fault == GpxFault::NotXml) == (read.line > 0), "a line only for broken XML");
    }
    return 0;
}
