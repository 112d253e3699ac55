// SPDX-License-Identifier: GPL-3.0-or-later
#include "route/route_window.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "route/gpx_reader.h"
#include "route/route_messages.h"
#include "shell/application.h"
#include "shell/field_rules.h"
#include "shell/file_reading.h"

namespace velomark::route {

namespace {

// A route file is text of a few megabytes at most; anything larger is refused unread.
constexpr std::size_t kLargestFile = 50u * 1024 * 1024;
// Rows between Start and Finish: a schedule longer than this is no longer a schedule.
constexpr std::size_t kMostCheckpoints = 1000;
// Waypoints a message names before it counts the rest.
constexpr std::size_t kMostNamed = 10;
// Points of a lap the profile draws; each stretch keeps its summit and its lowest point.
constexpr std::size_t kProfilePoints = 1000;

template <class Names>
std::vector<std::string> ItemsOf(const Names& names) {
    return {names.begin(), names.end()};
}

const char* FaultMessage(GpxFault fault) {
    switch (fault) {
        case GpxFault::NotXml:
            return messages::kNotXml;
        case GpxFault::NotGpx:
            return messages::kNotGpx;
        case GpxFault::NoPoints:
            return messages::kNoPoints;
        case GpxFault::BadCoordinate:
        case GpxFault::None:
            break;
    }
    return messages::kBadCoordinate;
}

}  // namespace

Route::Route(Application& app, RouteValues& values)
    : CalculatorWindow(app, kName, "Route Schedule"), values_(values) {
    // A new window shows its first route anew: nothing is carried over from the last one.
    values_ = RouteValues{};
    for (TextField* input :
         {&txtRouteFile, static_cast<TextField*>(&cboUnits), &txtLaps, &txtStartTime, &txtSpeeds[0],
          &txtSpeeds[1], &txtSpeeds[2], static_cast<TextField*>(&cboCheckpoints)}) {
        input->setBackground(colours::kInput);
    }
    for (TextField* result : {&txtRouteName, &txtRouteDistance, &txtClimb, &txtDescent})
        result->setLocked(true);
    for (ComboBox* fixed : {&cboUnits, &cboCheckpoints})
        fixed->setLocked(true);
    cboUnits.setItems(ItemsOf(kUnitNames));
    cboUnits.setText(std::string(kUnitNames[0]));
    cboCheckpoints.setItems(ItemsOf(kCheckpointNames));
    cboCheckpoints.setText("Every 10");
    txtLaps.setText("1");

    txtRouteFile.onLostFocus([this] {
        if (!WithoutBlanks(txtRouteFile.text()).empty()) LoadRoute(txtRouteFile.text());
    });
    cmdOpenRoute.onClick([this] { ChooseRoute(); });

    // The schedule follows every keystroke, on the last good reading of a field while its text
    // is bad; what is wrong is said once the rider leaves the field.
    struct Input {
        TextField& field;
        std::function<const char*()> read;
    };
    std::vector<Input> inputs{{txtLaps, [this] { return ReadLapsField(); }},
                              {txtStartTime, [this] { return ReadStartTime(); }}};
    for (int i = 0; i < kSpeedCount; ++i)
        inputs.push_back({txtSpeeds[i], [this, i] { return ReadSpeedField(i); }});
    for (const Input& input : inputs) {
        const auto read = input.read;
        input.field.onChange([this, read] {
            read();
            ShowSchedule();
        });
        input.field.onLostFocus([this, read] {
            if (const char* fault = read()) ShowMessage(fault);
        });
    }
    // A pick raises Click, a choice made by code raises Change: either way once.
    for (ComboBox* choice : {&cboUnits, &cboCheckpoints}) {
        choice->onClick([this] { ShowSchedule(); });
        choice->onChange([this] { ShowSchedule(); });
    }

    mnuWinClear.onClick([this] { ClearRoute(); });
    mnuWinCopySchedule.onClick([this] { CopySchedule(); });
    mnuWinSaveSchedule.onClick([this] { SaveSchedule(); });
    // The schedule on paper is what marshals take out, not a picture of the window.
    mnuWinPrint.onClick([this] { PrintSchedule(); });

    setTabOrder({&txtRouteFile, &cmdOpenRoute, &cboUnits, &txtLaps, &txtStartTime, &txtSpeeds[0],
                 &txtSpeeds[1], &txtSpeeds[2], &cboCheckpoints, &cmdExit});
}

const char* Route::ReadLapsField() {
    const auto laps = ReadLaps(txtLaps.text());
    if (!laps) return messages::kLapsRange;
    values_.laps = *laps;
    return nullptr;
}

const char* Route::ReadSpeedField(int index) {
    const TextField& field = txtSpeeds[static_cast<std::size_t>(index)];
    auto& kept = values_.speeds[static_cast<std::size_t>(index)];
    const std::string_view typed = WithoutBlanks(field.text());
    if (typed.empty()) {
        kept.reset();
        return nullptr;
    }
    const auto speed = ReadSpeed(typed);
    if (!speed) return messages::kSpeedRange;
    kept = ScheduleSpeed{std::string(typed), *speed};
    return nullptr;
}

const char* Route::ReadStartTime() {
    if (WithoutBlanks(txtStartTime.text()).empty()) {
        values_.startMinutes.reset();
        return nullptr;
    }
    const auto minutes = ReadTimeOfDay(txtStartTime.text());
    if (!minutes) return messages::kStartTimeFormat;
    values_.startMinutes = minutes;
    return nullptr;
}

void Route::ChooseRoute() {
    const auto path = app().platform().chooseFileToOpen(*this, "GPX files (*.gpx)");
    if (!path) return;
    txtRouteFile.setText(*path);
    LoadRoute(*path);
}

// Reads and measures the route; a file that is not a route leaves the one shown as it was.
void Route::LoadRoute(const std::string& path) {
    const FileContents file = app().platform().readFile(path, kLargestFile);
    if (file.outcome != ReadOutcome::Read) {
        ShowMessage(file.outcome == ReadOutcome::TooLarge ? messages::kFileTooLarge
                                                          : messages::kFileUnreadable);
        return;
    }
    GpxReading read = ReadGpx(file.bytes, FileStemText(path));
    if (read.fault != GpxFault::None) {
        ShowMessage(read.fault == GpxFault::NotXml
                        ? messages::Filled(messages::kNotXml, std::to_string(read.line))
                        : std::string(FaultMessage(read.fault)));
        return;
    }
    const bool hasWaypoints = !read.route.waypoints.empty();
    route_ = MeasureRoute(std::move(read.route), kMostCheckpoints);
    toldOfCut_ = false;
    cboCheckpoints.assignQuietly(std::string(kCheckpointNames[hasWaypoints ? 0 : 2]));
    ShowSchedule();
    if (!route_->leftOut.empty()) {
        // A box the rider can read: the first few names, and how many more.
        const std::size_t named = std::min(route_->leftOut.size(), kMostNamed);
        std::string names;
        for (std::size_t i = 0; i < named; ++i)
            names += (i == 0 ? "" : ", ") + route_->leftOut[i];
        if (route_->leftOut.size() > named)
            names += " and " + std::to_string(route_->leftOut.size() - named) + " more";
        ShowMessage(messages::Filled(messages::kWaypointsOffRoute, names));
    }
}

// Empties every input and the schedule; the unit chosen stays.
void Route::ClearRoute() {
    route_.reset();
    for (TextField* field :
         {&txtRouteFile, &txtStartTime, &txtSpeeds[0], &txtSpeeds[1], &txtSpeeds[2]}) {
        field->setText({});
    }
    txtLaps.setText("1");
    cboCheckpoints.assignQuietly("Every 10");
    ShowSchedule();
}

DistanceUnit Route::Unit() const {
    return UnitNamed(cboUnits.text()).value_or(DistanceUnit::Kilometres);
}

void Route::ShowSchedule() {
    if (!route_) {
        for (TextField* result : {&txtRouteName, &txtRouteDistance, &txtClimb, &txtDescent})
            result->setText({});
        grdSchedule.setTable({});
        picProfile.setData({});
        return;
    }
    const DistanceUnit unit = Unit();
    const CheckpointRule rule =
        CheckpointRuleNamed(cboCheckpoints.text()).value_or(CheckpointRule::Every10);
    bool cut = false;
    const std::vector<Checkpoint> rows =
        Checkpoints(*route_, rule, unit, values_.laps, kMostCheckpoints, cut);
    std::vector<ScheduleSpeed> speeds;
    for (const auto& speed : values_.speeds) {
        if (speed) speeds.push_back(*speed);
    }
    txtRouteName.setText(route_->route.name);
    txtRouteDistance.setText(FormatPattern(route_->length() / MetresPer(unit), "0.00"));
    const bool elevations = route_->route.hasElevations;
    txtClimb.setText(elevations ? FormatPattern(route_->climb.climb, "0") : std::string());
    txtDescent.setText(elevations ? FormatPattern(route_->climb.descent, "0") : std::string());
    grdSchedule.setTable(ScheduleTable(*route_, rows, unit, speeds, values_.startMinutes));
    picProfile.setData(ProfileChart(*route_, rows, unit, kProfilePoints));
    if (cut && !toldOfCut_) {
        toldOfCut_ = true;
        ShowMessage(messages::kTooManyCheckpoints);
    }
}

}  // namespace velomark::route
