// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "gears/gear_routine.h"
#include "shell/calculator_window.h"

namespace velomark::gears {

// Working values of the window, kept for the whole run.
struct GearChartValues {
    // Gear sizes
    double pi;
    double wheelCircumference;
    float wheelInches;
    std::int16_t chainring;
    std::int16_t sprocket;
    float gearInches;
    float gearMetres;
    std::array<GearSize, 8> neighbourGears;
    // Revs
    float revsGear;
    std::int16_t revsRpm;
    double revsMph;
    // Distance, time and speed
    float rideMinutes;
    float rideDistance;
    double rideSpeed;
    // Perceived gear
    float actualGear;
    float oldCrank;
    float newCrank;
    double oldCircle;
    double newCircle;
    double leverPercent;
    float perceivedGear;
};

// "Gear Chart (etc.)": gear sizes for a chainring, sprocket and wheel with their neighbours;
// revs and speed; distance, time and speed; miles and kilometres; how a gear feels after a
// change of crank length.
class GearChart : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kGearChart;

    GearChart(Application& app, GearChartValues& values);

    void Form_Load() override;

  private:
    // Gear sizes
    void SettleWheelSize();
    void ComputeGearSizes();
    void ClearGearSizes();
    void UseTypedCircumference();
    void ReadTeeth(const TextField& field, std::int16_t& teeth, const char* refusal);
    void ShowNeighbours();
    void HandOverGear();
    void UseTyreList(bool tyreList);

    // Revs
    void txtSpeedMPH_LostFocus();
    void txtSpeedKPH_LostFocus();
    void MphToKph();
    void KphToMph();
    void SolveRevs();
    void SpeedFromGearAndRevs(std::int16_t rpm);
    bool RevsFromGearAndSpeed();
    void GearFromRevsAndSpeed(std::int16_t rpm);
    void ClearRevs();

    // Distance, time and speed; conversions
    void SolveDistanceTimeSpeed();
    void ComputeRideSpeed(double minutes);
    void ComputeRideTime();
    void ComputeRideDistance(double minutes);
    void ConvertKilometres();
    void ConvertMiles();
    void ClearSpeed();
    void ClearConversions();
    void ClearAllGearChart();

    // Perceived gear
    void ComputePerceivedGear();
    void ClearPerceivedGear();

    // The group of the two ways of giving the wheel size.
    static constexpr const char* kWheelOptions = "wheel";

    GearChartValues& values_;

    MenuEntry mnuClear{*this, "mnuClear", "&Clear"};
    MenuEntry mnuClearAll{*this, "mnuClearAll", "Clear &All", "Ctrl+A"};
    MenuEntry mnuClearGear{*this, "mnuClearGear", "Clear &Gear Sizes"};
    MenuEntry mnuClearRevs{*this, "mnuClearRevs", "Clear &Revs"};
    MenuEntry mnuClearSpeed{*this, "mnuClearSpeed", "Clear &Speed"};
    MenuEntry mnuClearConv{*this, "mnuClearConv", "Clear &Conversions"};

    GroupBox FrameGearSizes{*this, "FrameGearSizes", "&Gear Sizes"};
    TextField txtChainring{*this, "txtChainring"};
    TextField txtSprocket{*this, "txtSprocket"};
    OptionButton Option1{*this, "Option1", "Tyre Size", kWheelOptions};
    ComboBox cboWheelsize{*this, "cboWheelsize"};
    OptionButton Option2{*this, "Option2", "Circumference(mm)", kWheelOptions};
    TextField txtCircumference{*this, "txtCircumference"};
    TextField txtWheelsizeInches{*this, "txtWheelsizeInches"};
    TextField txtUp1t{*this, "txtUp1t"};
    TextField txtGearInches{*this, "txtGearInches"};
    TextField txtDown1t{*this, "txtDown1t"};
    TextField txtAltLower1up{*this, "txtAltLower1up"};
    TextField txtAltLower{*this, "txtAltLower"};
    TextField txtAltLower1down{*this, "txtAltLower1down"};
    TextField txtAltHigher2down{*this, "txtAltHigher2down"};
    TextField txtAltHigher{*this, "txtAltHigher"};
    TextField txtAltHigher2up{*this, "txtAltHigher2up"};
    Button cmdClear1{*this, "cmdClear1", "&Clear"};
    Label Label19{*this, "Label19",
                  "* = Cateye advised circumference. No responsbility will be assumed for any "
                  "inaccuracies. "};

    GroupBox FrameRevs{*this, "FrameRevs", "&Revs"};
    TextField txtGearInches2{*this, "txtGearInches2"};
    TextField txtRPM{*this, "txtRPM"};
    TextField txtSpeedMPH{*this, "txtSpeedMPH"};
    TextField txtSpeedKPH{*this, "txtSpeedKPH"};
    Button cmdClear2{*this, "cmdClear2", "&Clear"};

    GroupBox FrameConversions{*this, "FrameConversions", "&Conversions"};
    TextField txtMiles{*this, "txtMiles"};
    TextField txtKM{*this, "txtKM"};
    Button cmdClear5{*this, "cmdClear5", "&Clear"};

    GroupBox FramePerceivedGear{*this, "FramePerceivedGear", "Perceived Gear"};
    TextField txtActualGear{*this, "txtActualGear"};
    ComboBox cboOld{*this, "cboOld"};
    ComboBox cboNew{*this, "cboNew"};
    TextField txtPerceivedGear{*this, "txtPerceivedGear"};
    Button Command1{*this, "Command1", "&Clear"};

    GroupBox FrameSpeed{*this, "FrameSpeed", "&Speed"};
    TextField txtDistance{*this, "txtDistance"};
    TextField txtHours{*this, "txtHours"};
    TextField txtMins{*this, "txtMins"};
    TextField txtSecs{*this, "txtSecs"};
    TextField txtSpeed{*this, "txtSpeed"};
    Button cmdClear3{*this, "cmdClear3", "&Clear"};

    Button cmdClearAll{*this, "cmdClearAll", "Clear &All"};
};

}  // namespace velomark::gears
