#pragma once

#include "shell/calculator_window.h"

namespace velomark {

// Working values of the window, kept for the whole run.
struct TimeTrialsValues {};

class TimeTrials : public CalculatorWindow {
  public:
    static constexpr const char* kName = "frmTimeTrials";

    TimeTrials(Application& app, TimeTrialsValues& values);

  private:
    TimeTrialsValues& values_;

    MenuEntry mnuWinClear;
    MenuEntry mnuWinClearAll;
    MenuEntry mnuWinClearAvSpeed;
    MenuEntry mnuWinClearJunior;
};

}  // namespace velomark
