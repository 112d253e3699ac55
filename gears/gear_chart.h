#pragma once

#include "shell/calculator_window.h"

namespace velomark {

// Working values of the window, kept for the whole run.
struct GearChartValues {};

class GearChart : public CalculatorWindow {
  public:
    static constexpr const char* kName = "frmGearChart";

    GearChart(Application& app, GearChartValues& values);

  private:
    GearChartValues& values_;

    MenuEntry mnuClear;
    MenuEntry mnuClearAll;
    MenuEntry mnuClearGear;
    MenuEntry mnuClearRevs;
    MenuEntry mnuClearSpeed;
    MenuEntry mnuClearConv;
};

}  // namespace velomark
