// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/calculator_window.h"

#include "shell/application.h"

namespace velomark {

CalculatorWindow::CalculatorWindow(Application& app, std::string name, std::string caption,
                                   const FrameNames& names)
    : Form(app, std::move(name), std::move(caption)),
      cmdExit(*this, "cmdExit", "&Main Menu"),
      mnuWindow(*this, names.windowMenu, "&Window"),
      mnuWinMainMenu(*this, names.mainMenu, "&Main Menu", "Ctrl+M"),
      mnuWinExit(*this, names.exit, names.exitCaption, "Ctrl+X"),
      mnuWinPrint(*this, names.print, "&Print", "Ctrl+P"),
      mnuWinPageSetup(*this, names.pageSetup, names.pageSetupCaption),
      mnuHelp(*this, "mnuHelp", "&Help"),
      mnuHelpGuide(*this, "mnuHelpGuide", "&User Guide", "F1"),
      mnuHelpAbout(*this, "mnuHelpAbout", "&About Velomark (Lite)"),
      guideSection_(Form::caption()) {
    cmdExit.onClick([this] { ReturnToMainMenu(); });
    mnuWinMainMenu.onClick([this] { ReturnToMainMenu(); });
    mnuWinExit.onClick([this] { this->app().end(); });
    mnuWinPrint.onClick([this] { this->app().platform().printWindow(*this); });
    mnuWinPageSetup.onClick([this] { this->app().platform().pageSetup(*this); });
    mnuHelpGuide.onClick([this] { this->app().platform().showGuide(guideSection_); });
    mnuHelpAbout.onClick([this] { this->app().platform().showAbout(); });
}

void CalculatorWindow::ReturnToMainMenu() {
    app().unload(*this);
}

}  // namespace velomark
