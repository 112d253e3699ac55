// SPDX-License-Identifier: GPL-3.0-or-later
// The widget fuzzer of one window (VELOMARK_WIDGET_FUZZ_WINDOW), the window each run opens first
// and comes back to.

#include <cstddef>
#include <cstdint>

#include "fuzz/widget_session.h"

// Qt starts, and every window is opened once, before the first input: that is no input's time.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    velomark::fuzz::StartWidgetFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return velomark::fuzz::FuzzWidgets(VELOMARK_WIDGET_FUZZ_WINDOW, data, size);
}
