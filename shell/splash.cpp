// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/splash.h"

#include "shell/application.h"
#include "shell/field_rules.h"
#include "shell/main_menu.h"

namespace velomark {

Splash::Splash(Application& app)
    : Form(app, kName, {}),
      Frame1(*this, "Frame1", {}),
      lblProductName(*this, "lblProductName", kApplicationTitle),
      lblCompanyProduct(*this, "lblCompanyProduct", "Calculators for racing cyclists"),
      lblVersion(*this, "lblVersion", "Version"),
      imgLogo(*this, "imgLogo"),
      Timer1(*this, "Timer1") {
    Frame1.onClick([this] { DismissSplash(); });
    imgLogo.onClick([this] { DismissSplash(); });
    Timer1.onTimer([this] { DismissSplash(); });
}

void Splash::Form_Load() {
    lblVersion.setCaption("Version " + NumberText(static_cast<std::int16_t>(kVersionMajor)) + "." +
                          NumberText(static_cast<std::int16_t>(kVersionMinor)));
    lblProductName.setCaption(kApplicationTitle);
    Timer1.setInterval(kShowMilliseconds);
}

bool Splash::Form_KeyPress(char) {
    DismissSplash();
    return true;
}

void Splash::DismissSplash() {
    // Unloading takes the timer with it, so no later tick can open a second menu.
    Application& application = app();
    application.unload(*this);
    application.open(MainMenu::kName);
}

}  // namespace velomark
