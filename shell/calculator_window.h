// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/form.h"
#include "shell/window_names.h"

namespace velomark {

// The frame's control names and captions, which differ a little from window to window: a
// window whose names differ passes its own as a constexpr value, naming only those that differ.
struct FrameNames {
    const char* windowMenu = "mnuWindow";
    const char* mainMenu = "mnuWinMainMenu";
    const char* exit = "mnuWinExit";
    const char* exitCaption = "E&xit";
    const char* print = "mnuWinPrint";
    const char* pageSetup = "mnuWinPageSetup";
    const char* pageSetupCaption = "Page Set&up";
};

// The frame every calculator window shares: the Main Menu button, the Window menu's navigation,
// exit and printing entries, and the Help menu. Each window adds its own clearing entries.
class CalculatorWindow : public Form {
  public:
    CalculatorWindow(Application& app, std::string name, std::string caption,
                     const FrameNames& names = {});

  protected:
    Button cmdExit;
    MenuEntry mnuWindow;
    MenuEntry mnuWinMainMenu;
    MenuEntry mnuWinExit;
    MenuEntry mnuWinPrint;
    MenuEntry mnuWinPageSetup;
    MenuEntry mnuHelp;
    MenuEntry mnuHelpGuide;
    MenuEntry mnuHelpAbout;

  private:
    void ReturnToMainMenu();

    // The guide's section on this window is headed with the window's title.
    const std::string guideSection_;
};

}  // namespace velomark
