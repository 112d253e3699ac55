// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/tyre_sizes.h"

#include <array>

namespace velomark::gears {

namespace {

// Entries marked "*" carry Cateye's advised circumferences; the plain inch sizes are
// 25.4 x pi x the size, rounded.
constexpr std::array<TyreSize, 48> kTyreSizes{{
    {"27", 2154.5},
    {"26", 2074.7},
    {"24", 1915},
    {"700 x 18 (eg Conti Olympic B)", 2085},
    {"700 x 19 (eg Vittoria Corsa CX)", 2100},
    {"700 x 20 (eg Vittoria Atlanta)", 2105},
    {"700 x 22 (eg Conti Tempo)", 2110},
    {"700 x 23 (eg Conti 165 -23mm)", 2115},
    {"24 x 1 *", 1753},
    {"24 x 3/4 tubular *", 1785},
    {"24 x 1 1/8th tubular *", 1795},
    {"24 x 1.25 *", 1905},
    {"24 x 1.75 *", 1890},
    {"24 x 2 *", 1925},
    {"24 x 2.125 *", 1965},
    {"26 x 1 (559mm) *", 1913},
    {"26 x 1 (650c) *", 1952},
    {"26 x 1.25 *", 1953},
    {"26 x 1 1/8th (tubular) *", 1970},
    {"26 x 1 3/8ths *", 2068},
    {"26 x 1 1/2 *", 2100},
    {"26 x 1.4 *", 2005},
    {"26 x 1.5 *", 1985},
    {"26 x 1.75 *", 2023},
    {"26 x 1.95 *", 2050},
    {"26 x 2.00 *", 2055},
    {"26 x 2.1 *", 2068},
    {"26 x 2.125 *", 2070},
    {"26 x 2.35 *", 2083},
    {"27 x 1 *", 2145},
    {"27 x 1 1/8th *", 2155},
    {"27 x 1 1/4 *", 2161},
    {"27 x 1 3/8ths *", 2169},
    {"650 x 35a *", 2090},
    {"650 x 38a *", 2125},
    {"650 x 38b *", 2105},
    {"700 x 18c *", 2070},
    {"700 x 19c *", 2090},
    {"700 x 20c *", 2086},
    {"700 x 23c *", 2096},
    {"700 x 25c *", 2105},
    {"700 x 28c *", 2136},
    {"700 x 30c *", 2170},
    {"700 x 32c *", 2155},
    {"700c tubular *", 2130},
    {"700 x 35c *", 2168},
    {"700 x 38c *", 2180},
    {"700 x 44c *", 2224},
}};

}  // namespace

std::span<const TyreSize> TyreSizes() {
    return kTyreSizes;
}

}  // namespace velomark::gears
