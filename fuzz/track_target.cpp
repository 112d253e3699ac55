// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "fuzz/window_fuzzer.h"
#include "track/track.h"
#include "track/track_messages.h"

namespace {
// The lap lines show a lap's number with its time.
constexpr std::array<const char*, 16> kWordResults = {
    "txtLap1", "txtLap2",  "txtLap3",  "txtLap4",  "txtLap5",  "txtLap6",  "txtLap7",  "txtLap8",
    "txtLap9", "txtLap10", "txtLap11", "txtLap12", "txtLap13", "txtLap14", "txtLap15", "txtLap16"};
}  // namespace

VELOMARK_WINDOW_FUZZ_TARGET(velomark::track::Track::kName, velomark::track::messages::kAll,
                            kWordResults)
