// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/harness/recording_platform.h"

namespace velomark::script {

// The platform of scenarios and tests run through the widgets: every message box is recorded,
// really shown as a modal box (so the focus goes to it and comes back, as on the desktop) and
// answered with OK at once, after which the window it came from is the active one again.
class AnsweringPlatform : public RecordingPlatform {
  public:
    void showMessage(const std::string& title, const std::string& text) override;
};

}  // namespace velomark::script
