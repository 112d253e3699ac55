#include "fuzz/window_fuzzer.h"
#include "timetrials/time_trial_rules.h"
#include "timetrials/time_trials.h"

VELOMARK_WINDOW_FUZZ_TARGET(velomark::TimeTrials::kName, velomark::time_trial_rules::kAllMessages)
