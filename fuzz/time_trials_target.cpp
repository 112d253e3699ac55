// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/window_fuzzer.h"
#include "timetrials/time_trials.h"
#include "timetrials/time_trials_messages.h"

VELOMARK_WINDOW_FUZZ_TARGET(velomark::timetrials::TimeTrials::kName,
                            velomark::timetrials::messages::kAll)
