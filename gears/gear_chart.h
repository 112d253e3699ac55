#pragma once

#include <array>
#include <cstdint>

#include "shell/calculator_window.h"

namespace velomark::gears {

// A gear in inches and its development in metres, as shown.
struct GearSize {
    float inches;
    float metres;
};

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
    static constexpr const char* kName = "frmGearChart";

    GearChart(Application& app, GearChartValues& values);

    void Form_Load() override;

  private:
    // Gear sizes
    void SettleWheelSize();
    void ComputeGearSizes();
    void ClearGearSizes();
    void UseTypedCircumference();
    void ReadTeeth(const TextField& field, std::int16_t& teeth, const char* refusal);
    GearSize GearOf(std::int16_t chainring, std::int16_t sprocket) const;
    void ShowNeighbours();
    void HandOverGear();
    void UseTyreList(bool tyreList);

    // Revs
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

    GearChartValues& values_;

    MenuEntry mnuClear;
    MenuEntry mnuClearAll;
    MenuEntry mnuClearGear;
    MenuEntry mnuClearRevs;
    MenuEntry mnuClearSpeed;
    MenuEntry mnuClearConv;

    GroupBox FrameGearSizes;
    TextField txtChainring;
    TextField txtSprocket;
    OptionButton Option1;
    ComboBox cboWheelsize;
    OptionButton Option2;
    TextField txtCircumference;
    TextField txtWheelsizeInches;
    TextField txtUp1t;
    TextField txtGearInches;
    TextField txtDown1t;
    TextField txtAltLower1up;
    TextField txtAltLower;
    TextField txtAltLower1down;
    TextField txtAltHigher2down;
    TextField txtAltHigher;
    TextField txtAltHigher2up;
    Button cmdClear1;
    Label Label19;

    GroupBox FrameRevs;
    TextField txtGearInches2;
    TextField txtRPM;
    TextField txtSpeedMPH;
    TextField txtSpeedKPH;
    Button cmdClear2;

    GroupBox FrameConversions;
    TextField txtMiles;
    TextField txtKM;
    Button cmdClear5;

    GroupBox FramePerceivedGear;
    TextField txtActualGear;
    ComboBox cboOld;
    ComboBox cboNew;
    TextField txtPerceivedGear;
    Button Command1;

    GroupBox FrameSpeed;
    TextField txtDistance;
    TextField txtHours;
    TextField txtMins;
    TextField txtSecs;
    TextField txtSpeed;
    Button cmdClear3;

    Button cmdClearAll;
};

}  // namespace velomark::gears
