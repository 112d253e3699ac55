// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shell/calculator_window.h"
#include "shell/date.h"

namespace velomark::timetrials {

// Working values of the window, kept for the whole run. The clearing commands leave them alone.
struct TimeTrialsValues {
    // Actual speeds
    std::int32_t actualSecs10;
    std::int32_t actualSecs25;
    std::int32_t actualSecs50;
    std::int32_t actualSecs100;
    std::int16_t enteredSecs10;
    bool secs10Valid;

    // Handicaps
    std::int32_t handicapSecs10;
    std::int32_t handicapSecs25;
    std::int32_t handicapSecs50;
    std::int32_t handicapSecs100;
    double handicapTime10;
    double handicapTime25;
    double handicapTime50;
    double handicapTime100;

    // Veterans
    Date birthDate;
    // Ages are only worked out once a date of birth has been entered.
    bool birthDateEntered;
    Date eventDate;
    std::int16_t ageYears;
    std::int16_t birthYear;
    std::int16_t birthMonth;
    std::int16_t birthDay;
    std::int16_t eventYear;
    std::int16_t eventMonth;
    std::int16_t eventDay;
    std::int32_t stdSecs10;
    std::int32_t stdSecs25;
    std::int32_t stdSecs50;
    std::int32_t stdSecs100;
    std::int32_t plusSecs10;
    std::int32_t plusSecs25;
    std::int32_t plusSecs50;
    std::int32_t plusSecs100;
    std::int32_t plusSecs3Dist;
    std::string vets3DistText;
};

// "Time Trials": speeds from actual times over 10, 25, 50 and 100 miles and 12 hours, the
// average and BBAR speeds, handicap times and speeds, veterans' ages and margins against the
// standards typed in, and the junior all-rounder. The constructor wires every handler; the
// routines of each group live in their own source file.
class TimeTrials : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kTimeTrials;

    TimeTrials(Application& app, TimeTrialsValues& values);

  private:
    // One row of a group: the fields and working values its routine works on.
    struct ActualRow {
        double miles;
        TextField& hours;
        TextField& minutes;
        TextField& seconds;
        TextField& speed;
        std::int32_t& actualSecs;
        bool mensBbar;  // whether the row's speed counts towards the men's BBAR
    };
    struct HandicapRow {
        double miles;
        TextField& minutes;
        TextField& seconds;
        TextField* timeHours;  // none on the 10-mile row
        TextField& timeMinutes;
        TextField& timeSeconds;
        TextField& speed;
        std::int32_t& handicapSecs;
        double& handicapTime;
        const std::int32_t& actualSecs;
    };
    struct EventDateRow {
        TextField& eventDate;
        TextField& age;
    };
    struct StandardRow {
        double miles;
        TextField* hours;  // none on the 10-mile row
        TextField& minutes;
        TextField& seconds;
        TextField& plusMinutes;
        TextField& plusSeconds;
        TextField& standardSpeed;
        TextField& difference;
        const TextField& actualSpeed;
        std::int32_t& stdSecs;
        std::int32_t& plusSecs;
        const std::int32_t& actualSecs;
        bool combined;  // whether the row counts towards the Vets 3 Dist and Vets BAR
    };
    struct JuniorRide {
        double miles;
        TextField* hours;  // none on the 10-mile rides
        TextField& minutes;
        TextField& seconds;
        TextField& speed;
    };

    void SetUpFields();

    // Actual speeds and BBAR
    void txtSecs10_LostFocus();
    void txtSecs_LostFocus(const ActualRow& row);
    void LeaveTimedSeconds(TextField& seconds, const Handler& calculate);
    void CheckSecs10();
    void CalcSpeed10();
    void CalcSpeed(const ActualRow& row);
    void txt12Dist_LostFocus();
    void CalcSpeed12Hour();
    void CalcAverageSpeed();
    void CalcMensBbar();
    void CalcLadiesBbar();
    void MarkRidden(const TextField& speed, TextField& dirty);
    void Calculate();
    void CalculateAll();
    void ClearTimeTrialFields();
    void ClearJuniorFields();
    void ClearAll();

    // Handicaps
    void txtHSecs_LostFocus(const HandicapRow& row);
    void CalcHandicap(const HandicapRow& row);
    void CalcHandicap12Hour();
    void CalcHandicapAverage();

    // Veterans
    void txtDob_LostFocus();
    void LeaveEventDate(const EventDateRow& row);
    void ShowAgeOnEventDate(const EventDateRow& row);
    void CalcAgeOnEventDate();
    void RecalcAllAges();
    void txtStdSecs_LostFocus(const StandardRow& row);
    void txtStd12Dist_LostFocus();
    void CalcVetsStandard(const StandardRow& row);
    void CalcVetsStandard12Hour();
    void CalcVetsResults();

    // Junior BAR: leaving the last ride works out the bar as well.
    void txtJunSecs_LostFocus(const JuniorRide& ride);
    void CalcJuniorRide(const JuniorRide& ride);
    void CalcJuniorBar();
    void CalculateJuniorBar();

    TimeTrialsValues& values_;

    MenuEntry mnuWinClear{*this, "mnuWinClear", "&Clear"};
    MenuEntry mnuWinClearAll{*this, "mnuWinClearAll", "Clear &All", "Ctrl+A"};
    MenuEntry mnuWinClearAvSpeed{*this, "mnuWinClearAvSpeed", "Clear A&verage Speed"};
    MenuEntry mnuWinClearJunior{*this, "mnuWinClearJunior", "Clear &Junior BBAR"};

    // Window level
    TextField txtName{*this, "txtName"};
    TextField txtDob{*this, "txtDob"};
    Button cmdClear3{*this, "cmdClear3", "Clear &All"};

    GroupBox Frame4{*this, "Frame4", "Average Speed"};
    Button cmdCalc4{*this, "cmdCalc4", "Calculate"};
    Button cmdClear1{*this, "cmdClear1", "&Clear"};

    // Actual Speed
    GroupBox Frame1{*this, "Frame1", "Actual Speed"};
    TextField txtMins10{*this, "txtMins10"};
    TextField txtSecs10{*this, "txtSecs10"};
    TextField txtHours25{*this, "txtHours25"};
    TextField txtMins25{*this, "txtMins25"};
    TextField txtSecs25{*this, "txtSecs25"};
    TextField txtHours50{*this, "txtHours50"};
    TextField txtMins50{*this, "txtMins50"};
    TextField txtSecs50{*this, "txtSecs50"};
    TextField txtHours100{*this, "txtHours100"};
    TextField txtMins100{*this, "txtMins100"};
    TextField txtSecs100{*this, "txtSecs100"};
    TextField txt12Dist{*this, "txt12Dist"};
    TextField txtSpeed10{*this, "txtSpeed10"};
    TextField txtSpeed25{*this, "txtSpeed25"};
    TextField txtSpeed50{*this, "txtSpeed50"};
    TextField txtSpeed100{*this, "txtSpeed100"};
    TextField txt12Speed{*this, "txt12Speed"};
    TextField txtAvSpeed{*this, "txtAvSpeed"};
    TextField txtMensBBAR{*this, "txtMensBBAR"};
    TextField txtLadiesBBAR{*this, "txtLadiesBBAR"};
    // Which distances have a speed: never shown, counted for the averages.
    TextField txtDirty10{*this, "txtDirty10"};
    TextField txtDirty25{*this, "txtDirty25"};
    TextField txtDirty50{*this, "txtDirty50"};
    TextField txtDirty100{*this, "txtDirty100"};
    TextField txtDirty12{*this, "txtDirty12"};

    // Handicap Speed
    GroupBox Frame2{*this, "Frame2", "Handicap Speed"};
    TextField txtHMins10{*this, "txtHMins10"};
    TextField txtHSecs10{*this, "txtHSecs10"};
    TextField txtHMins25{*this, "txtHMins25"};
    TextField txtHSecs25{*this, "txtHSecs25"};
    TextField txtHMins50{*this, "txtHMins50"};
    TextField txtHSecs50{*this, "txtHSecs50"};
    TextField txtHMins100{*this, "txtHMins100"};
    TextField txtHSecs100{*this, "txtHSecs100"};
    TextField txtH12{*this, "txtH12"};
    TextField txtHTMins10{*this, "txtHTMins10"};
    TextField txtHTSecs10{*this, "txtHTSecs10"};
    TextField txtHTHours25{*this, "txtHTHours25"};
    TextField txtHTMins25{*this, "txtHTMins25"};
    TextField txtHTSecs25{*this, "txtHTSecs25"};
    TextField txtHTHours50{*this, "txtHTHours50"};
    TextField txtHTMins50{*this, "txtHTMins50"};
    TextField txtHTSecs50{*this, "txtHTSecs50"};
    TextField txtHTHours100{*this, "txtHTHours100"};
    TextField txtHTMins100{*this, "txtHTMins100"};
    TextField txtHTSecs100{*this, "txtHTSecs100"};
    TextField txtH12Dist{*this, "txtH12Dist"};
    TextField txtHSpeed10{*this, "txtHSpeed10"};
    TextField txtHSpeed25{*this, "txtHSpeed25"};
    TextField txtHSpeed50{*this, "txtHSpeed50"};
    TextField txtHSpeed100{*this, "txtHSpeed100"};
    TextField txtHSpeed12{*this, "txtHSpeed12"};
    TextField txtHAvSpeed{*this, "txtHAvSpeed"};

    // Vets Standards
    GroupBox Frame3{*this, "Frame3", "Vets Standards"};
    TextField txtEventDate10{*this, "txtEventDate10"};
    TextField txtEventDate25{*this, "txtEventDate25"};
    TextField txtEventDate50{*this, "txtEventDate50"};
    TextField txtEventDate100{*this, "txtEventDate100"};
    TextField txtEventDate12{*this, "txtEventDate12"};
    TextField txtAge10{*this, "txtAge10"};
    TextField txtAge25{*this, "txtAge25"};
    TextField txtAge50{*this, "txtAge50"};
    TextField txtAge100{*this, "txtAge100"};
    TextField txtAge12{*this, "txtAge12"};
    TextField txtStd10Mins{*this, "txtStd10Mins"};
    TextField txtStd10Secs{*this, "txtStd10Secs"};
    TextField txtStd25Hours{*this, "txtStd25Hours"};
    TextField txtStd25Mins{*this, "txtStd25Mins"};
    TextField txtStd25Secs{*this, "txtStd25Secs"};
    TextField txtStd50Hours{*this, "txtStd50Hours"};
    TextField txtStd50Mins{*this, "txtStd50Mins"};
    TextField txtStd50Secs{*this, "txtStd50Secs"};
    TextField txtStd100Hours{*this, "txtStd100Hours"};
    TextField txtStd100Mins{*this, "txtStd100Mins"};
    TextField txtStd100Secs{*this, "txtStd100Secs"};
    TextField txtStd12Dist{*this, "txtStd12Dist"};
    TextField txt10MinsPlus{*this, "txt10MinsPlus"};
    TextField txt10SecsPlus{*this, "txt10SecsPlus"};
    TextField txt25MinsPlus{*this, "txt25MinsPlus"};
    TextField txt25SecsPlus{*this, "txt25SecsPlus"};
    TextField txt50MinsPlus{*this, "txt50MinsPlus"};
    TextField txt50SecsPlus{*this, "txt50SecsPlus"};
    TextField txt100MinsPlus{*this, "txt100MinsPlus"};
    TextField txt100SecsPlus{*this, "txt100SecsPlus"};
    TextField txt12DistPlus{*this, "txt12DistPlus"};
    TextField txtStdSpeed10{*this, "txtStdSpeed10"};
    TextField txtStdSpeed25{*this, "txtStdSpeed25"};
    TextField txtStdSpeed50{*this, "txtStdSpeed50"};
    TextField txtStdSpeed100{*this, "txtStdSpeed100"};
    TextField txtStdSpeed12{*this, "txtStdSpeed12"};
    TextField txtDiff10{*this, "txtDiff10"};
    TextField txtDiff25{*this, "txtDiff25"};
    TextField txtDiff50{*this, "txtDiff50"};
    TextField txtDiff100{*this, "txtDiff100"};
    TextField txtDiff12{*this, "txtDiff12"};
    TextField txtShortBar{*this, "txtShortBar"};
    TextField txtLongBar{*this, "txtLongBar"};

    // Junior BAR
    GroupBox Frame5{*this, "Frame5", "Junior BAR"};
    TextField txt1Jun10Mins{*this, "txt1Jun10Mins"};
    TextField txt1Jun10Secs{*this, "txt1Jun10Secs"};
    TextField txt2Jun10Mins{*this, "txt2Jun10Mins"};
    TextField txt2Jun10Secs{*this, "txt2Jun10Secs"};
    TextField txt1Jun25Hours{*this, "txt1Jun25Hours"};
    TextField txt1Jun25Mins{*this, "txt1Jun25Mins"};
    TextField txt1Jun25Secs{*this, "txt1Jun25Secs"};
    TextField txt2Jun25Hours{*this, "txt2Jun25Hours"};
    TextField txt2Jun25Mins{*this, "txt2Jun25Mins"};
    TextField txt2Jun25Secs{*this, "txt2Jun25Secs"};
    TextField txt1Jun10Speed{*this, "txt1Jun10Speed"};
    TextField txt2Jun10Speed{*this, "txt2Jun10Speed"};
    TextField txt1Jun25Speed{*this, "txt1Jun25Speed"};
    TextField txt2Jun25Speed{*this, "txt2Jun25Speed"};
    TextField txtJuniorBar{*this, "txtJuniorBar"};
    Button cmdCalcJunior{*this, "cmdCalcJunior", "Ca&lculate"};
    Button cmdClear2{*this, "cmdClear2", "&Clear"};

    // The rows of each group, walked by the group's routines.
    const std::array<ActualRow, 3> actualRows_{{
        {25, txtHours25, txtMins25, txtSecs25, txtSpeed25, values_.actualSecs25, false},
        {50, txtHours50, txtMins50, txtSecs50, txtSpeed50, values_.actualSecs50, true},
        {100, txtHours100, txtMins100, txtSecs100, txtSpeed100, values_.actualSecs100, true},
    }};
    const std::array<HandicapRow, 4> handicapRows_{{
        {10, txtHMins10, txtHSecs10, nullptr, txtHTMins10, txtHTSecs10, txtHSpeed10,
         values_.handicapSecs10, values_.handicapTime10, values_.actualSecs10},
        {25, txtHMins25, txtHSecs25, &txtHTHours25, txtHTMins25, txtHTSecs25, txtHSpeed25,
         values_.handicapSecs25, values_.handicapTime25, values_.actualSecs25},
        {50, txtHMins50, txtHSecs50, &txtHTHours50, txtHTMins50, txtHTSecs50, txtHSpeed50,
         values_.handicapSecs50, values_.handicapTime50, values_.actualSecs50},
        {100, txtHMins100, txtHSecs100, &txtHTHours100, txtHTMins100, txtHTSecs100, txtHSpeed100,
         values_.handicapSecs100, values_.handicapTime100, values_.actualSecs100},
    }};
    const std::array<EventDateRow, 5> eventDateRows_{{
        {txtEventDate10, txtAge10},
        {txtEventDate25, txtAge25},
        {txtEventDate50, txtAge50},
        {txtEventDate100, txtAge100},
        {txtEventDate12, txtAge12},
    }};
    const std::array<StandardRow, 4> standardRows_{{
        {10, nullptr, txtStd10Mins, txtStd10Secs, txt10MinsPlus, txt10SecsPlus, txtStdSpeed10,
         txtDiff10, txtSpeed10, values_.stdSecs10, values_.plusSecs10, values_.actualSecs10, false},
        {25, &txtStd25Hours, txtStd25Mins, txtStd25Secs, txt25MinsPlus, txt25SecsPlus,
         txtStdSpeed25, txtDiff25, txtSpeed25, values_.stdSecs25, values_.plusSecs25,
         values_.actualSecs25, true},
        {50, &txtStd50Hours, txtStd50Mins, txtStd50Secs, txt50MinsPlus, txt50SecsPlus,
         txtStdSpeed50, txtDiff50, txtSpeed50, values_.stdSecs50, values_.plusSecs50,
         values_.actualSecs50, true},
        {100, &txtStd100Hours, txtStd100Mins, txtStd100Secs, txt100MinsPlus, txt100SecsPlus,
         txtStdSpeed100, txtDiff100, txtSpeed100, values_.stdSecs100, values_.plusSecs100,
         values_.actualSecs100, true},
    }};
    const std::array<JuniorRide, 4> juniorRides_{{
        {10, nullptr, txt1Jun10Mins, txt1Jun10Secs, txt1Jun10Speed},
        {10, nullptr, txt2Jun10Mins, txt2Jun10Secs, txt2Jun10Speed},
        {25, &txt1Jun25Hours, txt1Jun25Mins, txt1Jun25Secs, txt1Jun25Speed},
        {25, &txt2Jun25Hours, txt2Jun25Mins, txt2Jun25Secs, txt2Jun25Speed},
    }};
};

}  // namespace velomark::timetrials
