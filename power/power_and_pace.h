// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "power/power_model.h"
#include "power/rider_store.h"
#include "shell/calculator_window.h"
#include "shell/chart.h"

namespace velomark::power {

// Working values of the window, kept for the whole run.
struct PowerAndPaceValues {
    // The saved rider could not be used and the rider has been told so this run.
    bool riderRefused;
};

// The last good reading of every input of the window, in SI units (m, m/s, kg, a fraction, °C,
// hPa).
struct PowerInputs {
    double distance = 0;
    bool kilometres = false;
    double riderMass = 0;
    double bikeMass = 0;
    double cdA = 0;
    double crr = 0;
    double efficiency = 0;
    double temperature = 0;
    double altitude = 0;
    double pressure = 0;
    double wind = 0;
    Course course = Course::OutAndBack;
    double gradient = 0;
    std::optional<double> rideTime;
    std::optional<double> ridePower;
};

// Which of time, speed and power the person typed last; the other two follow from it.
enum class Anchor { None, Time, Speed, Power };

// "Power and Pace": the power a time needs, the time a power gives, and what wind, weather and
// position cost, by the road-cycling power model.
class PowerAndPace : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kPower;

    PowerAndPace(Application& app, PowerAndPaceValues& values);

    void Form_Load() override;

  private:
    // Inputs (power_inputs.cpp)
    void WireInputs();
    const char* ReadInput(TextField& field);
    const char* ReadAllInputs();
    std::optional<double> ReadTriangle(TextField& field) const;
    void Leave(TextField& field);
    void LeaveTriangle(TextField& field, bool typed);
    bool IsTriangle(const TextField& field) const;
    TextField* AnchorField();
    void ReadChoices();
    void ShowPresets();
    void PickPreset(ComboBox& list);
    void SwitchUnits();
    void UseRideCdA();
    void ClearPowerAndPace();
    double MetresPerUnit() const;

    // Results (power_results.cpp)
    Conditions CurrentConditions() const;
    Conditions StillAir() const;
    const char* Recompute();
    const char* SolveAnchor(double& time, double& power);
    void ShowRide(double time, double power, const Ride& ride);
    void ShowRideCdA();
    void ShowChart(double time, double power);
    void ClearResults();
    void Write(TextField& field, std::string text);

    // The saved rider (power_rider.cpp)
    void LoadRider();
    void KeepRider();
    RiderTexts ShownRider() const;

    PowerAndPaceValues& values_;
    PowerInputs in_;
    Anchor anchor_ = Anchor::None;
    double anchorValue_ = 0;  // s, m/s or W
    // The field typed into since it was last left, if any.
    TextField* typed_ = nullptr;
    bool writing_ = false;
    // What the store holds, or what the window showed on opening when the store was not read.
    RiderTexts kept_;
    bool saveRefused_ = false;

    MenuEntry mnuWinClear{*this, "mnuWinClear", "C&lear"};

    TextField txtDistance{*this, "txtDistance"};
    ComboBox cboUnits{*this, "cboUnits"};
    TextField txtTime{*this, "txtTime"};
    TextField txtSpeed{*this, "txtSpeed"};
    Label lblSpeedUnit{*this, "lblSpeedUnit"};
    TextField txtPower{*this, "txtPower"};
    TextField txtWattsPerKg{*this, "txtWattsPerKg"};

    TextField txtRiderMass{*this, "txtRiderMass"};
    TextField txtBikeMass{*this, "txtBikeMass"};
    ComboBox cboPosition{*this, "cboPosition"};
    TextField txtCdA{*this, "txtCdA"};
    ComboBox cboTyres{*this, "cboTyres"};
    TextField txtCrr{*this, "txtCrr"};
    TextField txtEfficiency{*this, "txtEfficiency"};

    TextField txtTemperature{*this, "txtTemperature"};
    TextField txtAltitude{*this, "txtAltitude"};
    TextField txtPressure{*this, "txtPressure"};
    TextField txtDensity{*this, "txtDensity"};
    TextField txtWind{*this, "txtWind"};
    Label lblWindUnit{*this, "lblWindUnit"};
    ComboBox cboCourse{*this, "cboCourse"};
    TextField txtGradient{*this, "txtGradient"};

    TextField txtAero{*this, "txtAero"};
    TextField txtRolling{*this, "txtRolling"};
    TextField txtBearings{*this, "txtBearings"};
    TextField txtClimbing{*this, "txtClimbing"};
    TextField txtDrivetrain{*this, "txtDrivetrain"};
    TextField txtWindEffect{*this, "txtWindEffect"};
    TextField txtTenWatts{*this, "txtTenWatts"};

    TextField txtRideTime{*this, "txtRideTime"};
    TextField txtRidePower{*this, "txtRidePower"};
    TextField txtRideCdA{*this, "txtRideCdA"};
    Button cmdUseCdA{*this, "cmdUseCdA", "&Use this CdA"};

    Chart picPowerTime{*this, "picPowerTime"};
};

}  // namespace velomark::power
