// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "fuzz/window_fuzzer.h"
#include "route/route_messages.h"
#include "route/route_window.h"

namespace {

// The lists of fixed choices show words, and the route's name is the file's.
constexpr std::array<const char*, 3> kWordResults = {"cboUnits", "cboCheckpoints", "txtRouteName"};
// The path a file dialog fills in is the person's choice.
constexpr std::array<const char*, 1> kChosenInputs = {"txtRouteFile"};
// Routes a person opens: waypoints on and off the route, elevations, and a route without them.
constexpr std::array<const char*, 3> kOpenFiles = {
    VELOMARK_SOURCE_DIR "/tests/data/route/equator.gpx",
    VELOMARK_SOURCE_DIR "/tests/data/route/flat_route.gpx",
    VELOMARK_SOURCE_DIR "/tests/data/route/broken.gpx"};

}  // namespace

VELOMARK_WINDOW_FUZZ_TARGET(.window = velomark::route::Route::kName,
                            .messages = velomark::route::messages::kAll,
                            .wordResults = kWordResults, .maxGridRows = 1002, .maxGridColumns = 5,
                            .pickLockedLists = true, .restoredInputs = kChosenInputs,
                            .openFiles = kOpenFiles)
