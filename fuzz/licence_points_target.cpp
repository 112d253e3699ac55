// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "fuzz/window_fuzzer.h"
#include "licence/licence_points.h"
#include "licence/licence_points_messages.h"

namespace {
// The age categories show an age with the category's name.
constexpr std::array<const char*, 2> kWordResults = {"txtAgeCategory", "txtLVRCCategory"};
}  // namespace

VELOMARK_WINDOW_FUZZ_TARGET(velomark::licence::LicencePoints::kName,
                            velomark::licence::messages::kAll, kWordResults)
