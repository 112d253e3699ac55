#pragma once

#include "shell/calculator_window.h"

namespace velomark {

// Working values of the window, kept for the whole run.
struct LicencePointsValues {};

class LicencePoints : public CalculatorWindow {
  public:
    static constexpr const char* kName = "frmLicencePoints";

    LicencePoints(Application& app, LicencePointsValues& values);

  private:
    LicencePointsValues& values_;

    MenuEntry mnuWinClear;
};

}  // namespace velomark
