// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "route/schedule.h"
#include "shell/calculator_window.h"
#include "shell/chart.h"
#include "shell/grid.h"

namespace velomark::route {

inline constexpr int kSpeedCount = 3;

// Working values of the window: the last good reading of each input.
struct RouteValues {
    std::int16_t laps = 1;
    // Each speed in the unit per hour with its text as typed; none for an empty field.
    std::array<std::optional<ScheduleSpeed>, kSpeedCount> speeds;
    std::optional<int> startMinutes;  // past midnight; none for elapsed times
};

// "Route Schedule": a GPX route becomes a race schedule, the arrival times at every
// checkpoint for up to three speeds, copied, saved or printed.
class Route : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kRoute;

    Route(Application& app, RouteValues& values);

  private:
    // Inputs: each reads its field into the working values when the text is good and gives
    // the message a bad text deserves (null when good).
    const char* ReadLapsField();
    const char* ReadSpeedField(int index);
    const char* ReadStartTime();
    void ChooseRoute();
    void LoadRoute(const std::string& path);
    void ClearRoute();

    // Results
    DistanceUnit Unit() const;
    void ShowSchedule();

    // Copy, save and print
    bool HasSchedule(const char* refusal);
    void CopySchedule();
    void SaveSchedule();
    void PrintSchedule();

    RouteValues& values_;
    std::optional<MeasuredRoute> route_;
    // Whether the rider has heard that the schedule is cut short for this route.
    bool toldOfCut_ = false;

    MenuEntry mnuWinClear{*this, "mnuWinClear", "C&lear"};
    MenuEntry mnuWinCopySchedule{*this, "mnuWinCopySchedule", "&Copy Schedule", "Ctrl+Shift+C"};
    MenuEntry mnuWinSaveSchedule{*this, "mnuWinSaveSchedule", "&Save Schedule As..."};

    TextField txtRouteFile{*this, "txtRouteFile"};
    Button cmdOpenRoute{*this, "cmdOpenRoute", "&Open Route..."};
    ComboBox cboUnits{*this, "cboUnits"};
    TextField txtLaps{*this, "txtLaps"};
    TextField txtStartTime{*this, "txtStartTime"};
    std::array<TextField, kSpeedCount> txtSpeeds{TextField{*this, "txtSpeed1"},
                                                 TextField{*this, "txtSpeed2"},
                                                 TextField{*this, "txtSpeed3"}};
    ComboBox cboCheckpoints{*this, "cboCheckpoints"};

    TextField txtRouteName{*this, "txtRouteName"};
    TextField txtRouteDistance{*this, "txtRouteDistance"};
    TextField txtClimb{*this, "txtClimb"};
    TextField txtDescent{*this, "txtDescent"};
    Grid grdSchedule{*this, "grdSchedule"};
    Chart picProfile{*this, "picProfile"};
};

}  // namespace velomark::route
