// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace velomark::gears {

// One entry of the tyre-size list: the text a person picks and the wheel circumference it gives.
struct TyreSize {
    std::string_view text;
    double millimetres;
};

// The tyre sizes in list order, which is also the order their texts are matched in.
std::span<const TyreSize> TyreSizes();

}  // namespace velomark::gears
