// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_menu.h"

#include "shell/application.h"
#include "shell/window_names.h"

namespace velomark {

MainMenu::MainMenu(Application& app)
    : Form(app, kName, "Velomark Main Menu"),
      Frame2(*this, "Frame2", "Options"),
      cmdGears(*this, "cmdGears", "&Gears/Revs/Speed"),
      cmdTimeTrials(*this, "cmdTimeTrials", "&Time Trials"),
      cmdTrack(*this, "cmdTrack", "Trac&k"),
      cmdRoad(*this, "cmdRoad", "&Road"),
      cmdHcap(*this, "cmdHcap", "&Handicapping"),
      cmdLicencePoints(*this, "cmdLicencePoints", "&Licence Points"),
      cmdExit(*this, "cmdExit", "E&xit"),
      // B was the one letter of its caption still free, so every access key opens at once.
      cmdGearTable(*this, "cmdGearTable", "Gear Ta&ble"),
      cmdPower(*this, "cmdPower", "&Power and Pace"),
      cmdRoute(*this, "cmdRoute", "Route &Schedule"),
      mnuHelpGuide(*this, "mnuHelpGuide", "&User Guide", "F1") {
    // Handicapping is shown but never offered.
    cmdHcap.setEnabled(false);
    cmdGears.onClick([this] { OpenCalculator(windows::kGearChart); });
    cmdTimeTrials.onClick([this] { OpenCalculator(windows::kTimeTrials); });
    cmdTrack.onClick([this] { OpenCalculator(windows::kTrack); });
    cmdRoad.onClick([this] { OpenCalculator(windows::kRoad); });
    cmdLicencePoints.onClick([this] { OpenCalculator(windows::kLicencePoints); });
    cmdGearTable.onClick([this] { OpenCalculator(windows::kGearTable); });
    cmdPower.onClick([this] { OpenCalculator(windows::kPower); });
    cmdRoute.onClick([this] { OpenCalculator(windows::kRoute); });
    cmdExit.onClick([this] { this->app().end(); });
    // The guide's first page is the main menu's own.
    mnuHelpGuide.onClick([this] { this->app().platform().showGuide({}); });
    // The gear table, the power window and the route schedule came after the others: their
    // buttons are last, so the keys a person knows still lead where they always did.
    setTabOrder({&cmdGears, &cmdTimeTrials, &cmdTrack, &cmdRoad, &cmdHcap, &cmdLicencePoints,
                 &cmdExit, &cmdGearTable, &cmdPower, &cmdRoute});
}

Button* MainMenu::buttonOpening(const std::string& windowName) {
    if (windowName == windows::kGearChart) return &cmdGears;
    if (windowName == windows::kTimeTrials) return &cmdTimeTrials;
    if (windowName == windows::kTrack) return &cmdTrack;
    if (windowName == windows::kRoad) return &cmdRoad;
    if (windowName == windows::kLicencePoints) return &cmdLicencePoints;
    if (windowName == windows::kGearTable) return &cmdGearTable;
    if (windowName == windows::kPower) return &cmdPower;
    if (windowName == windows::kRoute) return &cmdRoute;
    return nullptr;
}

void MainMenu::OpenCalculator(const char* windowName) {
    if (app().isRegistered(windowName)) app().open(windowName);
}

}  // namespace velomark
