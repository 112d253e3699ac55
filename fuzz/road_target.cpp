// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/window_fuzzer.h"
#include "road/road.h"
#include "road/road_messages.h"

VELOMARK_WINDOW_FUZZ_TARGET(velomark::road::Road::kName, velomark::road::messages::kAll)
