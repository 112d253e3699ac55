// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/form.h"

namespace velomark {

// The hub: one button per calculator window, and Exit. It stays open for the whole run.
class MainMenu : public Form {
  public:
    static constexpr const char* kName = "frmMainMenu";

    explicit MainMenu(Application& app);

    // The button that opens the named calculator window, or null.
    Button* buttonOpening(const std::string& windowName);

  private:
    void OpenCalculator(const char* windowName);

    GroupBox Frame2;
    Button cmdGears;
    Button cmdTimeTrials;
    Button cmdTrack;
    Button cmdRoad;
    Button cmdHcap;
    Button cmdLicencePoints;
    Button cmdExit;
    Button cmdGearTable;
    Button cmdPower;
    Button cmdRoute;
    // In no menu (the main menu has no menu bar): only its key, F1, reaches it.
    MenuEntry mnuHelpGuide;
};

}  // namespace velomark
