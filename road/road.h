// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "shell/calculator_window.h"

namespace velomark::road {

// Working values of the road window, kept for the whole run.
struct RoadValues {
    // Race schedule
    float schedDistance;
    float targetSpeed;
    std::int32_t startTotal;
    std::int32_t intervalTotal;
    std::int32_t intervalHours;
    std::int32_t intervalMinutes;
    std::int32_t intervalSeconds;
    std::int32_t endTotal;
    std::int32_t endHours;
    std::int32_t endMinutes;
    std::int32_t endSeconds;
    // Circuit
    float circuitLength;
    float circuitRaceDistance;
    float circuitRaceLaps;
};

// "Road Stats": riding time and arrival time for a target speed, and race distance against laps
// of a road circuit from the built-in directory.
class Road : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kRoad;

    Road(Application& app, RoadValues& values);

  private:
    void ScheduleInputChanged();
    void ShowRaceSchedule();
    void ClearScheduleGroup();

    void LookUpCircuit();
    void txtRaceDistance_LostFocus();
    void txtRaceLaps_LostFocus();
    void RelateCircuitLaps();
    void ClearCircuitGroup();
    void ClearAll();

    RoadValues& values_;

    MenuEntry mnuWinClear{*this, "mnuWinClear", "&Clear"};
    MenuEntry mnuWinClearAll{*this, "mnuWinClearAll", "Clear &All", "Ctrl+A"};
    MenuEntry mnuWinClearCircuit{*this, "mnuWinClearCircuit", "Clear &Race Circuit Details Tab"};
    MenuEntry mnuWinClearSchedule{*this, "mnuWinClearSchedule", "Clear Race &Schedule Tab"};

    GroupBox FrameSchedule{*this, "FrameSchedule", "&Race Scheduling"};
    TextField txtSchedDist{*this, "txtSchedDist"};
    TextField txtTargSpeed{*this, "txtTargSpeed"};
    TextField txtStartHours{*this, "txtStartHours"};
    TextField txtStartMins{*this, "txtStartMins"};
    TextField txtStartSecs{*this, "txtStartSecs"};
    TextField txtEndHours{*this, "txtEndHours"};
    TextField txtEndMins{*this, "txtEndMins"};
    TextField txtEndSecs{*this, "txtEndSecs"};
    TextField txtIntHours{*this, "txtIntHours"};
    TextField txtIntMins{*this, "txtIntMins"};
    TextField txtIntSecs{*this, "txtIntSecs"};
    Button cmdClearSchedule{*this, "cmdClearSchedule", "&Clear"};

    GroupBox FrameCircuit{*this, "FrameCircuit", "&Road Circuit Details"};
    ComboBox cboCircuitName{*this, "cboCircuitName"};
    TextField txtCircuitSize{*this, "txtCircuitSize"};
    TextField txtRaceDistance{*this, "txtRaceDistance"};
    TextField txtRaceLaps{*this, "txtRaceLaps"};
    Label lblCircuitDetails{*this, "lblCircuitDetails"};
    Label lblAddress{*this, "lblAddress"};
    Label lblContact{*this, "lblContact"};
    Label lblTel{*this, "lblTel"};
    Button cmdClearCircuit{*this, "cmdClearCircuit", "&Clear"};

    Button cmdClear6{*this, "cmdClear6", "Clear &All"};
};

}  // namespace velomark::road
