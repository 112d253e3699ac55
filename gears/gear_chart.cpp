// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/gear_chart.h"

#include <string>
#include <vector>

#include "gears/crank_lengths.h"
#include "gears/gear_rules.h"
#include "gears/tyre_sizes.h"

namespace velomark::gears {

namespace {
constexpr FrameNames kFrame{.mainMenu = "mnuMainMenu",
                            .exit = "mnuExit",
                            .exitCaption = "E&xit Program",
                            .pageSetup = "mnyWinPageSetup"};
}  // namespace

GearChart::GearChart(Application& app, GearChartValues& values)
    : CalculatorWindow(app, kName, "Gear Chart (etc.)", kFrame), values_(values) {
    for (TextField* input : {&txtChainring, &txtSprocket, &txtGearInches2, &txtRPM, &txtSpeedMPH,
                             &txtSpeedKPH, &txtMiles, &txtKM, &txtActualGear,
                             static_cast<TextField*>(&cboOld), static_cast<TextField*>(&cboNew),
                             &txtDistance, &txtHours, &txtMins, &txtSecs, &txtSpeed}) {
        input->setBackground(colours::kInput);
    }
    for (TextField* result : {&txtWheelsizeInches, &txtUp1t, &txtGearInches, &txtDown1t,
                              &txtAltLower1up, &txtAltLower, &txtAltLower1down, &txtAltHigher2down,
                              &txtAltHigher, &txtAltHigher2up, &txtPerceivedGear}) {
        result->setLocked(true);
    }
    std::vector<std::string> tyres;
    for (const TyreSize& tyre : TyreSizes())
        tyres.emplace_back(tyre.text);
    cboWheelsize.setItems(std::move(tyres));
    const std::vector<std::string> cranks(kCrankLengths.begin(), kCrankLengths.end());
    cboOld.setItems(cranks);
    cboNew.setItems(cranks);

    // Gear sizes
    txtChainring.onLostFocus([this] { ComputeGearSizes(); });
    txtSprocket.onLostFocus([this] { ComputeGearSizes(); });
    cboWheelsize.onLostFocus([this] { ComputeGearSizes(); });
    txtCircumference.onLostFocus([this] { UseTypedCircumference(); });
    Option1.onClick([this] { UseTyreList(true); });
    Option2.onClick([this] { UseTyreList(false); });
    cmdClear1.onClick([this] { ClearGearSizes(); });
    mnuClearGear.onClick([this] { ClearGearSizes(); });

    // Revs
    txtGearInches2.onLostFocus([this] { SolveRevs(); });
    txtRPM.onLostFocus([this] { SolveRevs(); });
    txtSpeedMPH.onLostFocus([this] { txtSpeedMPH_LostFocus(); });
    txtSpeedKPH.onLostFocus([this] { txtSpeedKPH_LostFocus(); });
    cmdClear2.onClick([this] { ClearRevs(); });
    mnuClearRevs.onClick([this] { ClearRevs(); });

    // Distance, time and speed: the hours and minutes wait for the seconds.
    txtDistance.onLostFocus([this] { SolveDistanceTimeSpeed(); });
    txtSecs.onLostFocus([this] { SolveDistanceTimeSpeed(); });
    txtSpeed.onLostFocus([this] { SolveDistanceTimeSpeed(); });
    cmdClear3.onClick([this] { ClearSpeed(); });
    mnuClearSpeed.onClick([this] { ClearSpeed(); });

    // Conversions
    txtKM.onLostFocus([this] { ConvertKilometres(); });
    txtMiles.onLostFocus([this] { ConvertMiles(); });
    cmdClear5.onClick([this] { ClearConversions(); });
    mnuClearConv.onClick([this] { ClearConversions(); });

    // Perceived gear
    txtActualGear.onLostFocus([this] { ComputePerceivedGear(); });
    cboOld.onLostFocus([this] { ComputePerceivedGear(); });
    cboNew.onLostFocus([this] { ComputePerceivedGear(); });
    Command1.onClick([this] { ClearPerceivedGear(); });

    cmdClearAll.onClick([this] { ClearAllGearChart(); });
    mnuClearAll.onClick([this] { ClearAllGearChart(); });

    Option1.setValue(true);

    setTabOrder({&cmdClearAll, &txtChainring,     &txtSprocket, &cboWheelsize,   &Option1,
                 &Option2,     &txtCircumference, &cmdClear1,   &txtGearInches2, &txtRPM,
                 &txtSpeedMPH, &txtSpeedKPH,      &cmdClear2,   &txtMiles,       &txtKM,
                 &cmdClear5,   &txtActualGear,    &cboOld,      &cboNew,         &Command1,
                 &txtDistance, &txtHours,         &txtMins,     &txtSecs,        &txtSpeed,
                 &cmdClear3,   &cmdExit});
}

void GearChart::Form_Load() {
    values_.pi = kPi;
}

void GearChart::ClearAllGearChart() {
    ClearGearSizes();
    ClearRevs();
    ClearSpeed();
    ClearConversions();
    ClearPerceivedGear();
}

}  // namespace velomark::gears
