#include "gears/gear_chart.h"

#include <string>
#include <vector>

#include "gears/crank_lengths.h"
#include "gears/gear_rules.h"
#include "gears/tyre_sizes.h"

namespace velomark::gears {

namespace {
FrameNames Frame() {
    FrameNames names;
    names.mainMenu = "mnuMainMenu";
    names.exit = "mnuExit";
    names.exitCaption = "E&xit Program";
    names.pageSetup = "mnyWinPageSetup";
    return names;
}

constexpr const char* kWheelOptions = "wheel";
}  // namespace

GearChart::GearChart(Application& app, GearChartValues& values)
    : CalculatorWindow(app, kName, "Gear Chart (etc.)", Frame()),
      values_(values),
      mnuClear(*this, "mnuClear", "&Clear"),
      mnuClearAll(*this, "mnuClearAll", "Clear &All", "Ctrl+A"),
      mnuClearGear(*this, "mnuClearGear", "Clear &Gear Sizes"),
      mnuClearRevs(*this, "mnuClearRevs", "Clear &Revs"),
      mnuClearSpeed(*this, "mnuClearSpeed", "Clear &Speed"),
      mnuClearConv(*this, "mnuClearConv", "Clear &Conversions"),
      FrameGearSizes(*this, "FrameGearSizes", "&Gear Sizes"),
      txtChainring(*this, "txtChainring"),
      txtSprocket(*this, "txtSprocket"),
      Option1(*this, "Option1", "Tyre Size", kWheelOptions),
      cboWheelsize(*this, "cboWheelsize"),
      Option2(*this, "Option2", "Circumference(mm)", kWheelOptions),
      txtCircumference(*this, "txtCircumference"),
      txtWheelsizeInches(*this, "txtWheelsizeInches"),
      txtUp1t(*this, "txtUp1t"),
      txtGearInches(*this, "txtGearInches"),
      txtDown1t(*this, "txtDown1t"),
      txtAltLower1up(*this, "txtAltLower1up"),
      txtAltLower(*this, "txtAltLower"),
      txtAltLower1down(*this, "txtAltLower1down"),
      txtAltHigher2down(*this, "txtAltHigher2down"),
      txtAltHigher(*this, "txtAltHigher"),
      txtAltHigher2up(*this, "txtAltHigher2up"),
      cmdClear1(*this, "cmdClear1", "&Clear"),
      Label19(*this, "Label19",
              "* = Cateye advised circumference. No responsbility will be assumed for any "
              "inaccuracies. "),
      FrameRevs(*this, "FrameRevs", "&Revs"),
      txtGearInches2(*this, "txtGearInches2"),
      txtRPM(*this, "txtRPM"),
      txtSpeedMPH(*this, "txtSpeedMPH"),
      txtSpeedKPH(*this, "txtSpeedKPH"),
      cmdClear2(*this, "cmdClear2", "&Clear"),
      FrameConversions(*this, "FrameConversions", "&Conversions"),
      txtMiles(*this, "txtMiles"),
      txtKM(*this, "txtKM"),
      cmdClear5(*this, "cmdClear5", "&Clear"),
      FramePerceivedGear(*this, "FramePerceivedGear", "Perceived Gear"),
      txtActualGear(*this, "txtActualGear"),
      cboOld(*this, "cboOld"),
      cboNew(*this, "cboNew"),
      txtPerceivedGear(*this, "txtPerceivedGear"),
      Command1(*this, "Command1", "&Clear"),
      FrameSpeed(*this, "FrameSpeed", "&Speed"),
      txtDistance(*this, "txtDistance"),
      txtHours(*this, "txtHours"),
      txtMins(*this, "txtMins"),
      txtSecs(*this, "txtSecs"),
      txtSpeed(*this, "txtSpeed"),
      cmdClear3(*this, "cmdClear3", "&Clear"),
      cmdClearAll(*this, "cmdClearAll", "Clear &All") {
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
    txtSpeedMPH.onLostFocus([this] {
        MphToKph();
        SolveRevs();
    });
    txtSpeedKPH.onLostFocus([this] {
        KphToMph();
        SolveRevs();
    });
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
