// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace velomark::road {

// One closed road circuit of the built-in directory. An empty length leaves the length to the
// person; an empty text stays blank on screen.
struct Circuit {
    std::string_view name;
    std::string_view length;
    std::string_view technical;
    std::string_view address;
    std::string_view contact;
    std::string_view telephone;
};

// The circuits in list order, which is also the order names are matched in.
std::span<const Circuit> CircuitDirectory();

}  // namespace velomark::road
