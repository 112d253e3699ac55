// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace velomark::fuzz {

// Counts the QObjects of the process as Qt makes and destroys them, through the hooks Qt keeps
// for tools such as debuggers. Start it before anything made of QObjects, the QApplication
// included; false when this Qt offers no such hooks.
bool StartCountingObjects();
// How many QObjects made since the count started are alive now.
std::int64_t LiveObjects();

}  // namespace velomark::fuzz
