// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetrials/time_trials.h"

#include <utility>

#include "shell/field_rules.h"
#include "timetrials/time_trial_rules.h"

namespace velomark::timetrials {

namespace {
constexpr FrameNames kFrame{
    .windowMenu = "mnuWin", .exitCaption = "E&xit Program", .pageSetupCaption = "Page Set&up..."};
}  // namespace

TimeTrials::TimeTrials(Application& app, TimeTrialsValues& values)
    : CalculatorWindow(app, kName, "Time Trials", kFrame), values_(values) {
    SetUpFields();

    // Actual speeds and BBAR
    txtSecs10.onLostFocus([this] { txtSecs10_LostFocus(); });
    txtHours25.onLostFocus([this] { FillIfEmpty(txtHours25, "0"); });
    for (const ActualRow& row : actualRows_) {
        row.minutes.onLostFocus([&row] { FillIfEmpty(row.minutes, "00"); });
        row.seconds.onLostFocus([this, &row] { txtSecs_LostFocus(row); });
    }
    txt12Dist.onLostFocus([this] { txt12Dist_LostFocus(); });
    const std::pair<TextField*, TextField*> speedsAndDirty[] = {{&txtSpeed10, &txtDirty10},
                                                                {&txtSpeed25, &txtDirty25},
                                                                {&txtSpeed50, &txtDirty50},
                                                                {&txtSpeed100, &txtDirty100},
                                                                {&txt12Speed, &txtDirty12}};
    for (const auto& marks : speedsAndDirty) {
        marks.first->onChange([this, marks] { MarkRidden(*marks.first, *marks.second); });
    }
    cmdCalc4.onClick([this] { Calculate(); });

    // Handicaps. The seconds are tested as the actual times are: the exact value, so 59.2 is
    // refused.
    for (const HandicapRow& row : handicapRows_) {
        row.minutes.onLostFocus([&row] { FillIfEmpty(row.minutes, "0"); });
        row.seconds.onLostFocus([this, &row] { txtHSecs_LostFocus(row); });
    }
    txtH12.onLostFocus([this] { CalcHandicap12Hour(); });

    // Veterans
    txtDob.onLostFocus([this] { txtDob_LostFocus(); });
    for (const EventDateRow& row : eventDateRows_) {
        row.eventDate.onLostFocus([this, &row] { LeaveEventDate(row); });
    }
    for (const StandardRow& row : standardRows_) {
        row.seconds.onLostFocus([this, &row] { txtStdSecs_LostFocus(row); });
    }
    txtStd12Dist.onLostFocus([this] { txtStd12Dist_LostFocus(); });

    // Junior BAR
    for (const JuniorRide& ride : juniorRides_) {
        ride.seconds.onLostFocus([this, &ride] { txtJunSecs_LostFocus(ride); });
    }
    cmdCalcJunior.onClick([this] { CalculateJuniorBar(); });

    cmdClear1.onClick([this] { ClearTimeTrialFields(); });
    mnuWinClearAvSpeed.onClick([this] { ClearTimeTrialFields(); });
    cmdClear2.onClick([this] { ClearJuniorFields(); });
    mnuWinClearJunior.onClick([this] { ClearJuniorFields(); });
    cmdClear3.onClick([this] { ClearAll(); });
    mnuWinClearAll.onClick([this] { ClearAll(); });

    setTabOrder(
        {&txtName,        &txtDob,         &txtMins10,      &txtSecs10,      &txtHours25,
         &txtMins25,      &txtSecs25,      &txtHours50,     &txtMins50,      &txtSecs50,
         &txtHours100,    &txtMins100,     &txtSecs100,     &txt12Dist,      &txtHMins10,
         &txtHSecs10,     &txtHMins25,     &txtHSecs25,     &txtHMins50,     &txtHSecs50,
         &txtHMins100,    &txtHSecs100,    &txtH12,         &txtEventDate10, &txtAge10,
         &txtEventDate25, &txtAge25,       &txtEventDate50, &txtAge50,       &txtEventDate100,
         &txtAge100,      &txtEventDate12, &txtAge12,       &txtStd10Mins,   &txtStd10Secs,
         &txtStd25Hours,  &txtStd25Mins,   &txtStd25Secs,   &txtStd50Hours,  &txtStd50Mins,
         &txtStd50Secs,   &txtStd100Hours, &txtStd100Mins,  &txtStd100Secs,  &txtStd12Dist,
         &cmdCalc4,       &cmdClear1,      &txt1Jun10Mins,  &txt1Jun10Secs,  &txt2Jun10Mins,
         &txt2Jun10Secs,  &txt1Jun25Hours, &txt1Jun25Mins,  &txt1Jun25Secs,  &txt2Jun25Hours,
         &txt2Jun25Mins,  &txt2Jun25Secs,  &cmdCalcJunior,  &cmdClear2,      &cmdClear3,
         &cmdExit});
}

void TimeTrials::SetUpFields() {
    for (TextField* input :
         {&txtName,        &txtDob,          &txtMins10,      &txtSecs10,      &txtHours25,
          &txtMins25,      &txtSecs25,       &txtHours50,     &txtMins50,      &txtSecs50,
          &txtHours100,    &txtMins100,      &txtSecs100,     &txt12Dist,      &txtHMins10,
          &txtHSecs10,     &txtHMins25,      &txtHSecs25,     &txtHMins50,     &txtHSecs50,
          &txtHMins100,    &txtHSecs100,     &txtH12,         &txtEventDate10, &txtEventDate25,
          &txtEventDate50, &txtEventDate100, &txtEventDate12, &txtStd10Mins,   &txtStd10Secs,
          &txtStd25Hours,  &txtStd25Mins,    &txtStd25Secs,   &txtStd50Hours,  &txtStd50Mins,
          &txtStd50Secs,   &txtStd100Hours,  &txtStd100Mins,  &txtStd100Secs,  &txtStd12Dist,
          &txt1Jun10Mins,  &txt1Jun10Secs,   &txt2Jun10Mins,  &txt2Jun10Secs,  &txt1Jun25Hours,
          &txt1Jun25Mins,  &txt1Jun25Secs,   &txt2Jun25Hours, &txt2Jun25Mins,  &txt2Jun25Secs}) {
        input->setBackground(colours::kInput);
    }
    for (TextField* result :
         {&txtSpeed10,    &txtSpeed25,    &txtSpeed50,    &txtSpeed100,   &txt12Speed,
          &txtAvSpeed,    &txtMensBBAR,   &txtLadiesBBAR, &txtHTMins10,   &txtHTSecs10,
          &txtHTHours25,  &txtHTMins25,   &txtHTSecs25,   &txtHTHours50,  &txtHTMins50,
          &txtHTSecs50,   &txtHTHours100, &txtHTMins100,  &txtHTSecs100,  &txtH12Dist,
          &txtHSpeed10,   &txtHSpeed25,   &txtHSpeed50,   &txtHSpeed100,  &txtHSpeed12,
          &txtHAvSpeed,   &txtStdSpeed10, &txtStdSpeed25, &txtStdSpeed50, &txtStdSpeed100,
          &txtStdSpeed12, &txtDiff10,     &txtDiff25,     &txtDiff50,     &txtDiff100,
          &txtDiff12,     &txtShortBar,   &txtLongBar,    &txtJuniorBar}) {
        result->setLocked(true);
    }
    // Margins and ride speeds are shown greyed: results a person cannot even select.
    for (TextField* greyed :
         {&txt10MinsPlus, &txt10SecsPlus, &txt25MinsPlus, &txt25SecsPlus, &txt50MinsPlus,
          &txt50SecsPlus, &txt100MinsPlus, &txt100SecsPlus, &txt12DistPlus, &txt1Jun10Speed,
          &txt2Jun10Speed, &txt1Jun25Speed, &txt2Jun25Speed}) {
        greyed->setLocked(true);
        greyed->setEnabled(false);
    }
    for (TextField* dirty : {&txtDirty10, &txtDirty25, &txtDirty50, &txtDirty100, &txtDirty12}) {
        dirty->setVisible(false);
    }
}

void TimeTrials::Calculate() {
    if (LeadingNumber(txtAvSpeed.text()) > 0) CalculateAll();
}

void TimeTrials::CalculateAll() {
    CalcSpeed10();
    for (const ActualRow& row : actualRows_)
        CalcSpeed(row);
    CalcSpeed12Hour();
    CalcAverageSpeed();
    CalcMensBbar();
    CalcLadiesBbar();
    for (const HandicapRow& row : handicapRows_)
        CalcHandicap(row);
    CalcHandicap12Hour();
    CalcHandicapAverage();
    for (const StandardRow& row : standardRows_)
        CalcVetsStandard(row);
    CalcVetsStandard12Hour();
    CalcVetsResults();
}

void TimeTrials::ClearTimeTrialFields() {
    // Speeds are emptied before their Dirty fields, so each Dirty field passes through "0".
    // The event dates and the name stay: they belong to the rider, not to one set of times.
    for (TextField* field :
         {&txtMins10,      &txtSecs10,      &txtHours25,     &txtMins25,     &txtSecs25,
          &txtHours50,     &txtMins50,      &txtSecs50,      &txtHours100,   &txtMins100,
          &txtSecs100,     &txt12Dist,      &txtSpeed10,     &txtSpeed25,    &txtSpeed50,
          &txtSpeed100,    &txt12Speed,     &txtAvSpeed,     &txtMensBBAR,   &txtLadiesBBAR,
          &txtDirty10,     &txtDirty25,     &txtDirty50,     &txtDirty100,   &txtDirty12,
          &txtHMins10,     &txtHSecs10,     &txtHMins25,     &txtHSecs25,    &txtHMins50,
          &txtHSecs50,     &txtHMins100,    &txtHSecs100,    &txtH12,        &txtHTMins10,
          &txtHTSecs10,    &txtHTHours25,   &txtHTMins25,    &txtHTSecs25,   &txtHTHours50,
          &txtHTMins50,    &txtHTSecs50,    &txtHTHours100,  &txtHTMins100,  &txtHTSecs100,
          &txtH12Dist,     &txtHSpeed10,    &txtHSpeed25,    &txtHSpeed50,   &txtHSpeed100,
          &txtHSpeed12,    &txtHAvSpeed,    &txtStd10Mins,   &txtStd25Mins,  &txtStd50Mins,
          &txtStd100Mins,  &txtStd10Secs,   &txtStd25Secs,   &txtStd50Secs,  &txtStd100Secs,
          &txtStd25Hours,  &txtStd50Hours,  &txtStd100Hours, &txtStd12Dist,  &txt10MinsPlus,
          &txt10SecsPlus,  &txt25MinsPlus,  &txt25SecsPlus,  &txt50MinsPlus, &txt50SecsPlus,
          &txt100MinsPlus, &txt100SecsPlus, &txt12DistPlus,  &txtStdSpeed10, &txtStdSpeed25,
          &txtStdSpeed50,  &txtStdSpeed100, &txtStdSpeed12,  &txtDiff10,     &txtDiff25,
          &txtDiff50,      &txtDiff100,     &txtDiff12,      &txtLongBar,    &txtShortBar,
          &txtAge10,       &txtAge25,       &txtAge50,       &txtAge100,     &txtAge12,
          &txtDob}) {
        field->setText({});
    }
}

void TimeTrials::ClearJuniorFields() {
    for (TextField* field :
         {&txt1Jun10Mins, &txt1Jun10Secs, &txt1Jun10Speed, &txt2Jun10Mins, &txt2Jun10Secs,
          &txt2Jun10Speed, &txt1Jun25Hours, &txt1Jun25Mins, &txt1Jun25Secs, &txt1Jun25Speed,
          &txt2Jun25Hours, &txt2Jun25Mins, &txt2Jun25Secs, &txt2Jun25Speed, &txtJuniorBar}) {
        field->setText({});
    }
}

void TimeTrials::ClearAll() {
    txtName.setText({});
    txtDob.setText({});
    ClearTimeTrialFields();
    ClearJuniorFields();
}

}  // namespace velomark::timetrials
