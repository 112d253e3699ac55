#include "fuzz/window_fuzzer.h"
#include "licence/licence_points.h"

// The window's messages join the check when its list is given: add it as the second argument.
VELOMARK_WINDOW_FUZZ_TARGET(velomark::LicencePoints::kName)
