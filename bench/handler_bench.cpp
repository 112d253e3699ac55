// SPDX-License-Identifier: GPL-3.0-or-later
// The heaviest handler of each window model, timed as the person's action that runs it: the
// typing and leaving (or click) that raise the event are part of each timed step.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_window.h"
#include "shell/window_names.h"

namespace velomark::bench {
namespace {

// Two texts taken in turn, so that every step changes what the fields show.
const std::string& Alternate(benchmark::IterationCount step, const std::string& even,
                             const std::string& odd) {
    return step % 2 == 0 ? even : odd;
}

bool Ready(benchmark::State& state, const std::string& problem) {
    if (problem.empty()) return true;
    state.SkipWithError(problem.c_str());
    return false;
}

// Chainring left: the gear, its eight neighbours, and the hand-over to the revs and perceived
// gear (which happens only while the revs gear is blank, so the revs are cleared first).
void GearChart_ComputeGearSizes(benchmark::State& state) {
    BenchWindow w(windows::kGearChart);
    w.pick("cboWheelsize", "700 x 23c *");
    w.enter("txtChainring", "53");
    w.enter("txtSprocket", "21");
    if (!Ready(state, w.check("txtGearInches2", "66.3"))) return;
    const std::string a = "53", b = "54";
    benchmark::IterationCount step = 0;
    for (auto _ : state) {
        w.click("cmdClear2");
        w.enter("txtChainring", Alternate(step++, a, b));
    }
    Ready(state, w.check("txtActualGear", Alternate(step - 1, "66.3", "67.5")));
}
BENCHMARK(GearChart_ComputeGearSizes);

// Revs left with a gear there: the speed in mph and km/h from gear and revs.
void GearChart_SolveRevs(benchmark::State& state) {
    BenchWindow w(windows::kGearChart);
    w.enter("txtGearInches2", "66.3");
    w.enter("txtRPM", "90");
    if (!Ready(state, w.check("txtSpeedKPH", "28.568"))) return;
    const std::string a = "90", b = "91";
    benchmark::IterationCount step = 0;
    for (auto _ : state)
        w.enter("txtRPM", Alternate(step++, a, b));
    Ready(state, w.check("txtSpeedMPH", Alternate(step - 1, "17.752", "17.949")));
}
BENCHMARK(GearChart_SolveRevs);

// Calculate with every row of every group filled: all speeds, BBARs, handicaps and standards.
void TimeTrials_CalculateAll(benchmark::State& state) {
    BenchWindow w(windows::kTimeTrials);
    const char* const entries[][2] = {
        {"txtDob", "15/06/1950"},
        {"txtMins10", "20"},
        {"txtSecs10", "0"},
        {"txtHours25", "0"},
        {"txtMins25", "55"},
        {"txtSecs25", "30"},
        {"txtHours50", "2"},
        {"txtMins50", "1"},
        {"txtSecs50", "5"},
        {"txtHours100", "4"},
        {"txtMins100", "10"},
        {"txtSecs100", "0"},
        {"txt12Dist", "252"},
        {"txtHMins10", "1"},
        {"txtHSecs10", "0"},
        {"txtHMins25", "4"},
        {"txtHSecs25", "0"},
        {"txtHMins50", "7"},
        {"txtHSecs50", "30"},
        {"txtHMins100", "12"},
        {"txtHSecs100", "0"},
        {"txtH12", "5"},
        {"txtEventDate10", "14/06/2004"},
        {"txtEventDate25", "14/06/2004"},
        {"txtEventDate50", "14/06/2004"},
        {"txtEventDate100", "14/06/2004"},
        {"txtEventDate12", "14/06/2004"},
        {"txtStd10Mins", "25"},
        {"txtStd10Secs", "0"},
        {"txtStd25Hours", "1"},
        {"txtStd25Mins", "2"},
        {"txtStd25Secs", "30"},
        {"txtStd50Hours", "2"},
        {"txtStd50Mins", "13"},
        {"txtStd50Secs", "20"},
        {"txtStd100Hours", "4"},
        {"txtStd100Mins", "40"},
        {"txtStd100Secs", "0"},
        {"txtStd12Dist", "220"},
    };
    for (const auto& [name, text] : entries)
        w.enter(name, text);
    w.click("cmdCalc4");
    if (!Ready(state, w.check("txtSpeed10", "30.000"))) return;
    if (!Ready(state, w.check("txtStdSpeed10", "24.000"))) return;
    for (auto _ : state)
        w.click("cmdCalc4");
    Ready(state, w.check("txtSpeed25", "27.027"));
}
BENCHMARK(TimeTrials_CalculateAll);

// Loading left on a 160-lap race: the schedule with all sixteen lap lines shown.
void Track_BuildStartSchedule(benchmark::State& state) {
    BenchWindow w(windows::kTrack);
    w.enter("txtTrackSize", "250");
    w.pick("cboRaceDistance", "40000");
    w.leave();
    w.type("txtTargMins", "50");
    w.enter("txtTargSecs", "0");
    w.enter("txtLoad", "0");
    if (!Ready(state, w.check("txtLap16", "16 - 5:0.000"))) return;
    const std::string a = "1", b = "2";
    benchmark::IterationCount step = 0;
    for (auto _ : state)
        w.enter("txtLoad", Alternate(step++, a, b));
    Ready(state, w.field("txtLap16").visible() ? std::string() : "txtLap16 is hidden");
}
BENCHMARK(Track_BuildStartSchedule);

// A start minute typed: riding time and arrival time worked out again.
void Road_ShowRaceSchedule(benchmark::State& state) {
    BenchWindow w(windows::kRoad);
    w.enter("txtSchedDist", "40");
    w.enter("txtTargSpeed", "32");
    w.type("txtStartHours", "10");
    w.type("txtStartMins", "3");
    w.type("txtStartSecs", "0");
    if (!Ready(state, w.check("txtEndMins", "18"))) return;
    const std::string a = "5", b = "6";
    benchmark::IterationCount step = 0;
    for (auto _ : state)
        w.type("txtStartMins", Alternate(step++, a, b));
    Ready(state, w.check("txtEndMins", Alternate(step - 1, "20", "21")));
}
BENCHMARK(Road_ShowRaceSchedule);

// A position typed: the band refined by the distance and the points for the place.
void LicencePoints_UpdatePoints(benchmark::State& state) {
    BenchWindow w(windows::kLicencePoints);
    w.pick("cboEventClassification", "Nat A Road");
    w.leave();
    w.enter("txtDistance", "150");
    w.type("txtPosition", "1");
    if (!Ready(state, w.check("txtPoints", "100"))) return;
    const std::string a = "3", b = "1";
    benchmark::IterationCount step = 0;
    for (auto _ : state)
        w.type("txtPosition", Alternate(step++, a, b));
    Ready(state, w.check("txtPoints", Alternate(step - 1, "75", "100")));
}
BENCHMARK(LicencePoints_UpdatePoints);

// The largest table, 3 chainrings by 13 sprockets, with a rollout limit: the last sprocket
// retyped (27 becomes 28 and back, one keystroke over the selected digit) builds every cell with
// its tip, the near-duplicates, the lockout line and the chart again, in the unit picked. The
// cells checked are 53 x 27 and 53 x 28.
void GearTable_ShowTable(benchmark::State& state, const char* unit, const char* with27,
                         const char* with28) {
    BenchWindow w(windows::kGearTable);
    w.enter("txtChainrings", "53/39/30");
    w.pick("cboWheelsize", "700 x 23c *");
    w.pick("cboUnits", "Gain ratio");
    w.pick("cboCrank", "172.5");
    w.pick("cboUnits", "Speed (km/h)");
    w.enter("txtCadence", "90");
    w.enter("txtRollout", "7.93");
    w.pick("cboUnits", unit);
    const std::string a = "11-12-13-14-15-16-17-18-19-21-23-25-27";
    const std::string b = "11-12-13-14-15-16-17-18-19-21-23-25-28";
    w.enter("txtSprockets", b);
    if (!Ready(state, w.checkCell("grdGears", 13, 1, with28))) return;
    benchmark::IterationCount step = 0;
    for (auto _ : state)
        w.keystroke("txtSprockets", Alternate(step++, a, b));
    Ready(state, w.checkCell("grdGears", 13, 1, Alternate(step - 1, with27, with28)));
}
BENCHMARK_CAPTURE(GearTable_ShowTable, GearInches, "Gear inches", "51.6", "49.7");
BENCHMARK_CAPTURE(GearTable_ShowTable, Development, "Development (m)", "4.114", "3.967");
BENCHMARK_CAPTURE(GearTable_ShowTable, GainRatio, "Gain ratio", "3.80", "3.66");
BENCHMARK_CAPTURE(GearTable_ShowTable, SpeedKph, "Speed (km/h)", "22.2", "21.4");
BENCHMARK_CAPTURE(GearTable_ShowTable, SpeedMph, "Speed (mph)", "13.8", "13.3");

// One full recompute of the power window: the CdA retyped with the time as the anchor, in a wind
// on an out-and-back course, solves the speed on both legs for every power tried, the power for
// the time, the ride's CdA, the still-air and ten-watts times and the chart's thirteen points.
void Power_Recompute(benchmark::State& state) {
    BenchWindow w(windows::kPower);
    w.enter("txtAltitude", "50");
    w.enter("txtWind", "10");
    w.enter("txtRideTime", "55:00");
    w.enter("txtRidePower", "290");
    w.enter("txtTime", "55:00");
    w.enter("txtCdA", "0.25");
    if (!Ready(state, w.check("txtPower", "364"))) return;
    if (!Ready(state, w.check("txtRideCdA", "0.192"))) return;
    const std::string a = "0.26", b = "0.25";
    benchmark::IterationCount step = 0;
    for (auto _ : state)
        w.enter("txtCdA", Alternate(step++, a, b));
    Ready(state, w.check("txtPower", Alternate(step - 1, "377", "364")));
}
BENCHMARK(Power_Recompute);

}  // namespace
}  // namespace velomark::bench
