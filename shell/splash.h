// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

namespace velomark {

// The start-up window: product name and version, gone after two seconds or at the first click
// or key, whichever comes first.
class Splash : public Form {
  public:
    static constexpr const char* kName = "frmSplash";
    static constexpr int kShowMilliseconds = 2000;

    explicit Splash(Application& app);

    void Form_Load() override;
    bool Form_KeyPress(char key) override;

  private:
    void DismissSplash();

    GroupBox Frame1;
    Label lblProductName;
    Label lblCompanyProduct;
    Label lblVersion;
    Picture imgLogo;
    Timer Timer1;
};

}  // namespace velomark
