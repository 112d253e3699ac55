#pragma once

#include <cstdint>

#include "shell/calculator_window.h"

namespace velomark::road {

// Working values of the road window, kept for the whole run.
struct RoadValues {
    // Race schedule
    float SchedDistance;
    float TargetSpeed;
    std::int32_t StartTotal;
    std::int32_t IntervalTotal;
    std::int32_t IntervalHours;
    std::int32_t IntervalMinutes;
    std::int32_t IntervalSeconds;
    std::int32_t EndTotal;
    std::int32_t EndHours;
    std::int32_t EndMinutes;
    std::int32_t EndSeconds;
    // Circuit
    float CircuitLength;
    float CircuitRaceDistance;
    float CircuitRaceLaps;
};

// "Road Stats": riding time and arrival time for a target speed, and race distance against laps
// of a road circuit from the built-in directory.
class Road : public CalculatorWindow {
  public:
    static constexpr const char* kName = "frmRoad";

    Road(Application& app, RoadValues& values);

  private:
    void ScheduleInputChanged();
    void ShowRaceSchedule();
    void ClearScheduleGroup();

    void LookUpCircuit();
    void RelateCircuitLaps();
    void ClearCircuitGroup();
    void ClearAll();

    RoadValues& values_;

    MenuEntry mnuWinClear;
    MenuEntry mnuWinClearAll;
    MenuEntry mnuWinClearCircuit;
    MenuEntry mnuWinClearSchedule;

    GroupBox FrameSchedule;
    TextField txtSchedDist;
    TextField txtTargSpeed;
    TextField txtStartHours;
    TextField txtStartMins;
    TextField txtStartSecs;
    TextField txtEndHours;
    TextField txtEndMins;
    TextField txtEndSecs;
    TextField txtIntHours;
    TextField txtIntMins;
    TextField txtIntSecs;
    Button cmdClearSchedule;

    GroupBox FrameCircuit;
    ComboBox cboCircuitName;
    TextField txtCircuitSize;
    TextField txtRaceDistance;
    TextField txtRaceLaps;
    Label lblCircuitDetails;
    Label lblAddress;
    Label lblContact;
    Label lblTel;
    Button cmdClearCircuit;

    Button cmdClear6;
};

}  // namespace velomark::road
