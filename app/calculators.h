// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velomark {

class Application;

// Makes the six calculator windows known to the application under their names: the program's
// Compose, handed to whatever starts a program.
void RegisterCalculators(Application& app);

// One sentence naming what every calculator window is about, for --help and the About box.
std::string ProgramDescription();

}  // namespace velomark
