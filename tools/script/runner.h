// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "tools/script/driver.h"
#include "tools/script/script.h"

namespace velomark::script {

struct Outcome {
    enum class Kind { Passed, Failed, BadScript };
    Kind kind = Kind::Passed;
    int line = 0;
    std::string what;  // "<what was expected> / <what was found>", or what is wrong
};

// Runs one scenario from a fresh start of the program.
Outcome RunScript(const Script& script, const DriverFactory& makeDriver);

}  // namespace velomark::script
