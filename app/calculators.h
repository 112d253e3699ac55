// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velomark {

class Application;

// Makes the six calculator windows known to the application under their names: the program's
// Compose, handed to whatever starts a program.
void RegisterCalculators(Application& app);

}  // namespace velomark
