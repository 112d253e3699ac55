#include "timetrials/time_trials.h"

#include "shell/field_rules.h"

namespace velomark::timetrials {

namespace {
constexpr FrameNames kFrame{
    .windowMenu = "mnuWin", .exitCaption = "E&xit Program", .pageSetupCaption = "Page Set&up..."};
}  // namespace

TimeTrials::TimeTrials(Application& app, TimeTrialsValues& values)
    : CalculatorWindow(app, kName, "Time Trials", kFrame), values_(values) {
    SetUpFields();
    WireActualSpeeds();
    WireHandicaps();
    WireVeterans();
    WireJuniorBar();

    cmdCalc4.onClick([this] { Calculate(); });
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
    CalcSpeed25();
    CalcSpeed50();
    CalcSpeed100();
    CalcSpeed12Hour();
    CalcAverageSpeed();
    CalcMensBbar();
    CalcLadiesBbar();
    CalcHandicap10();
    CalcHandicap25();
    CalcHandicap50();
    CalcHandicap100();
    CalcHandicap12Hour();
    CalcHandicapAverage();
    CalcVetsStandard10();
    CalcVetsStandard25();
    CalcVetsStandard50();
    CalcVetsStandard100();
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
