#pragma once

#include "shell/calculator_window.h"

namespace velomark {

// Working values of the window, kept for the whole run.
struct TrackValues {};

class Track : public CalculatorWindow {
  public:
    static constexpr const char* kName = "frmTrack";

    Track(Application& app, TrackValues& values);

  private:
    TrackValues& values_;

    MenuEntry mnuWinClear;
};

}  // namespace velomark
