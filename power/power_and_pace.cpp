// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/power_and_pace.h"

#include <string>
#include <vector>

#include "power/presets.h"

namespace velomark::power {

namespace {

std::vector<std::string> NamesOf(std::span<const Preset> presets) {
    std::vector<std::string> names;
    for (const Preset& preset : presets)
        names.emplace_back(preset.name);
    return names;
}

}  // namespace

PowerAndPace::PowerAndPace(Application& app, PowerAndPaceValues& values)
    : CalculatorWindow(app, kName, "Power and Pace"), values_(values) {
    for (TextField* input : {&txtDistance,
                             static_cast<TextField*>(&cboUnits),
                             &txtTime,
                             &txtSpeed,
                             &txtPower,
                             &txtRiderMass,
                             &txtBikeMass,
                             static_cast<TextField*>(&cboPosition),
                             &txtCdA,
                             static_cast<TextField*>(&cboTyres),
                             &txtCrr,
                             &txtEfficiency,
                             &txtTemperature,
                             &txtAltitude,
                             &txtPressure,
                             &txtWind,
                             static_cast<TextField*>(&cboCourse),
                             &txtGradient,
                             &txtRideTime,
                             &txtRidePower}) {
        input->setBackground(colours::kInput);
    }
    for (TextField* result :
         {&txtWattsPerKg, &txtDensity, &txtAero, &txtRolling, &txtBearings, &txtClimbing,
          &txtDrivetrain, &txtWindEffect, &txtTenWatts, &txtRideCdA}) {
        result->setLocked(true);
    }
    // The lists are picked from, never typed into.
    for (ComboBox* fixed : {&cboUnits, &cboPosition, &cboTyres, &cboCourse})
        fixed->setLocked(true);
    cboUnits.setItems({kMiles, kKilometres});
    cboPosition.setItems(NamesOf(kPositions));
    cboTyres.setItems(NamesOf(kTyres));
    cboCourse.setItems({kOutAndBack, kIntoTheWind, kWithTheWind});

    const RiderTexts usual;
    const std::pair<TextField*, std::string> firstTexts[] = {{&txtDistance, "25"},
                                                             {&cboUnits, kMiles},
                                                             {&txtRiderMass, usual.riderMass},
                                                             {&txtBikeMass, usual.bikeMass},
                                                             {&txtCdA, usual.cdA},
                                                             {&txtCrr, usual.crr},
                                                             {&txtEfficiency, usual.efficiency},
                                                             {&txtTemperature, "15"},
                                                             {&txtAltitude, "0"},
                                                             {&txtPressure, "1013"},
                                                             {&txtWind, "0"},
                                                             {&cboCourse, kOutAndBack},
                                                             {&txtGradient, "0"}};
    for (const auto& [field, text] : firstTexts)
        field->setText(text);
    WireInputs();
    cmdUseCdA.onClick([this] { UseRideCdA(); });
    mnuWinClear.onClick([this] { ClearPowerAndPace(); });

    setTabOrder({&txtDistance,  &cboUnits,      &txtTime,        &txtSpeed,    &txtPower,
                 &txtRiderMass, &txtBikeMass,   &cboPosition,    &txtCdA,      &cboTyres,
                 &txtCrr,       &txtEfficiency, &txtTemperature, &txtAltitude, &txtPressure,
                 &txtWind,      &cboCourse,     &txtGradient,    &txtRideTime, &txtRidePower,
                 &cmdUseCdA,    &cmdExit});
}

void PowerAndPace::Form_Load() {
    LoadRider();
    ReadAllInputs();
    ShowPresets();
    Recompute();
}

}  // namespace velomark::power
