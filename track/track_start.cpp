// SPDX-License-Identifier: GPL-3.0-or-later
// The standing start: first-lap time, later laps, total time, kilometre times and the
// lap-by-lap elapsed times.

#include <array>
#include <optional>
#include <string>

#include "shell/field_rules.h"
#include "shell/time_split.h"
#include "shell/units.h"
#include "track/track.h"
#include "track/track_figure.h"
#include "track/track_messages.h"
#include "track/whole_laps.h"

namespace velomark::track {

namespace {

// Whole minutes and the seconds left over. Seconds that would show as 60.000 at three decimals
// go into the next minute, so no time ever shows as 1 and 60.
constexpr TimeSplitPolicy kLapTimeSplit{
    .hours = false, .negative = NegativeTime::FloorLargest, .carryAtDecimals = 3};

// Everything a standing start gives, worked out before anything is shown, so that figures too
// large to hold leave the window as it was.
struct StartPlan {
    float loading;  // what the kilometre times take the standing start to cost
    float firstLapTime;
    float subsequentLapTime;
    double totalTime;
    float raceKilometres;
    float kiloPace;
    float firstKiloTime;
    float subsequentKiloTime;
    int lapLines;
    std::array<float, Track::kLapLines> lapElapsed;
};

std::optional<StartPlan> PlanStart(const TrackValues& v, bool loadingMode, float entered) {
    const double target = v.targetSeconds;
    const double laps = v.raceLaps;
    const double size = v.trackSize;
    const int wholeLaps = v.wholeLaps;
    const bool wholeRace = wholeLaps >= 1 && IsNoDistance((laps - wholeLaps) * size);
    // The full laps after the first one.
    const int laterLaps = wholeRace ? wholeLaps - 1 : wholeLaps;
    const double firstShare = v.firstLapDistance / size;

    StartPlan plan{};
    std::optional<float> first;
    std::optional<float> later;
    std::optional<float> loading;
    if (loadingMode) {
        // The target less the loading is spread evenly; the whole loading falls in the first lap.
        loading = entered;
        later = TrackFigure((target - entered) / laps);
        first = TrackFigure(firstShare * ((target - entered) / laps) + entered);
    } else {
        first = entered;
        // A race with no full lap after the first has no later laps to share the time.
        later = laterLaps > 0 ? TrackFigure((target - entered) / laterLaps) : 0.0f;
        // The loading the entered first lap implies: its time less its share at the later pace.
        if (later) loading = TrackFigure(entered - firstShare * *later);
    }
    if (!first || !later || !loading) return std::nullopt;
    plan.loading = *loading;
    plan.firstLapTime = *first;
    plan.subsequentLapTime = *later;
    plan.totalTime = (laterLaps > 0 ? laterLaps * static_cast<double>(*later) : 0.0) + *first;

    plan.raceKilometres = v.raceDistance / kMetresPerKilometre;
    if (v.raceDistance >= kMetresPerKilometre) {
        const auto pace = TrackFigure((target - plan.loading) / plan.raceKilometres);
        const auto firstKilo = pace ? TrackFigure(static_cast<double>(*pace) + plan.loading) : pace;
        if (!firstKilo) return std::nullopt;
        plan.kiloPace = *pace;
        plan.firstKiloTime = *firstKilo;
    }
    if (v.raceDistance >= 2 * kMetresPerKilometre) {
        const auto laterKilo =
            TrackFigure((target - plan.firstKiloTime) / (plan.raceKilometres - 1.0f));
        if (!laterKilo) return std::nullopt;
        plan.subsequentKiloTime = *laterKilo;
    }

    // One line per lap ridden, a part lap counting as one.
    plan.lapElapsed[0] = plan.firstLapTime;
    plan.lapLines = 1;
    while (plan.lapLines < Track::kLapLines && RidesBeyond(laps, plan.lapLines, size)) {
        const auto elapsed = TrackFigure(static_cast<double>(plan.lapElapsed[plan.lapLines - 1]) +
                                         plan.subsequentLapTime);
        if (!elapsed) return std::nullopt;
        plan.lapElapsed[plan.lapLines++] = *elapsed;
    }
    return plan;
}

}  // namespace

void Track::txtLoad_LostFocus() {
    if (HasTrackAndDistance()) BuildStartSchedule();
}

void Track::BuildStartSchedule() {
    TrackValues& v = values_;
    if (v.raceLaps == 0) {
        ShowMessage(messages::kDistanceMissing);
        return;
    }
    if (v.trackSize <= 0) {
        ShowMessage(messages::kSizeMissing);
        return;
    }
    const bool loadingMode = Option1.value();
    const auto entered = TrackFigure(LeadingNumber(txtLoad.text()));
    const auto plan = entered ? PlanStart(v, loadingMode, *entered) : std::nullopt;
    if (!plan) {
        ShowMessage(messages::kTooLarge);
        return;
    }

    if (loadingMode) {
        v.startLoading = *entered;
    } else {
        v.firstLapEntered = *entered;
    }
    v.raceKilometres = plan->raceKilometres;
    v.firstLapTime = plan->firstLapTime;
    v.subsequentLapTime = plan->subsequentLapTime;
    v.totalTime = plan->totalTime;

    txt1stLapTime.setText(NumberText(v.firstLapTime));
    txtSubsLaps.setText(NumberText(v.subsequentLapTime));
    const TimeParts<double> total = SplitTime(v.totalTime, kLapTimeSplit);
    txtTotMins.setText(NumberText(total.minutes));
    txtTotSecs.setText(NumberText(total.seconds));
    TrimToPattern(txt1stLapTime, "0.000");
    TrimToPattern(txtSubsLaps, "0.000");
    TrimToPattern(txtTotSecs, "0.000");

    const bool firstKilo = v.raceDistance >= kMetresPerKilometre;
    if (firstKilo) {
        v.kiloPace = plan->kiloPace;
        v.firstKiloTime = plan->firstKiloTime;
        const TimeParts<float> time = SplitTime(v.firstKiloTime, kLapTimeSplit);
        txtKilo1Mins.setText(NumberText(time.minutes));
        txtKilo1Secs.setText(NumberText(time.seconds));
    }
    for (Control* row : std::initializer_list<Control*>{&txtKilo1Mins, &txtKilo1Secs, &Label61}) {
        row->setVisible(firstKilo);
    }
    TrimToPattern(txtKilo1Secs, "0.000");

    const bool laterKilos = v.raceDistance >= 2 * kMetresPerKilometre;
    if (laterKilos) {
        v.subsequentKiloTime = plan->subsequentKiloTime;
        const TimeParts<float> time = SplitTime(v.subsequentKiloTime, kLapTimeSplit);
        txtSubsKiloMins.setText(NumberText(time.minutes));
        txtSubsKiloSecs.setText(NumberText(time.seconds));
    }
    for (Control* row :
         std::initializer_list<Control*>{&txtSubsKiloMins, &txtSubsKiloSecs, &Label62}) {
        row->setVisible(laterKilos);
    }
    TrimToPattern(txtSubsKiloSecs, "0.000");

    for (int lap = 1; lap < plan->lapLines; ++lap) {
        v.lapElapsed[lap] = plan->lapElapsed[lap];
    }
    v.lapElapsed[0] = v.firstLapTime;
    ShowLapTimes(plan->lapLines);
}

void Track::ShowLapTimes(int lines) {
    // The first line is the first lap's own time; the others are the time elapsed at the end
    // of each lap.
    txtLap[0].setText("1 - " + FormatPattern(values_.firstLapTime, "0.000"));
    txtLap[0].setVisible(true);
    for (int lap = 1; lap < kLapLines; ++lap) {
        TextField& line = txtLap[lap];
        if (lap >= lines) {
            line.setVisible(false);
            continue;
        }
        const TimeParts<float> elapsed = SplitTime(values_.lapElapsed[lap], kLapTimeSplit);
        line.setText(std::to_string(lap + 1) + " - " + NumberText(elapsed.minutes) + ":" +
                     FormatPattern(elapsed.seconds, "0.000"));
        line.setVisible(true);
    }
}

}  // namespace velomark::track
