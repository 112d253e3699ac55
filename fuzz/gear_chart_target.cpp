// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "fuzz/window_fuzzer.h"
#include "gears/gear_chart.h"
#include "gears/gear_chart_messages.h"

namespace {
// The tyre list shows tyre names while it is locked; the gear lines show a gear with its teeth
// and development.
constexpr std::array<const char*, 10> kWordResults = {
    "cboWheelsize",   "txtGearInches", "txtUp1t",          "txtDown1t",       "txtAltLower",
    "txtAltLower1up", "txtAltHigher",  "txtAltLower1down", "txtAltHigher2up", "txtAltHigher2down"};
}  // namespace

VELOMARK_WINDOW_FUZZ_TARGET(velomark::gears::GearChart::kName, velomark::gears::messages::kAll,
                            kWordResults)
