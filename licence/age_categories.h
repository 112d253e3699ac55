// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace velomark::licence {

// The BCF racing category of a rider reaching this age in the event's year.
std::string_view BcfCategory(int age);

// The CTT/LVRC veterans' category of a rider of this exact age (women's ages already adjusted).
std::string_view LvrcCategory(int age);

}  // namespace velomark::licence
