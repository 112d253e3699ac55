#include "timetrials/time_trials.h"

namespace velomark {

namespace {
FrameNames Frame() {
    FrameNames names;
    names.windowMenu = "mnuWin";
    names.exitCaption = "E&xit Program";
    names.pageSetupCaption = "Page Set&up...";
    return names;
}
}  // namespace

TimeTrials::TimeTrials(Application& app, TimeTrialsValues& values)
    : CalculatorWindow(app, kName, "Time Trials", Frame()),
      values_(values),
      mnuWinClear(*this, "mnuWinClear", "&Clear"),
      mnuWinClearAll(*this, "mnuWinClearAll", "Clear &All", "Ctrl+A"),
      mnuWinClearAvSpeed(*this, "mnuWinClearAvSpeed", "Clear A&verage Speed"),
      mnuWinClearJunior(*this, "mnuWinClearJunior", "Clear &Junior BBAR") {}

}  // namespace velomark
