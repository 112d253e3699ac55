// SPDX-License-Identifier: GPL-3.0-or-later
#include "licence/points_scale.h"

#include <array>
#include <cstddef>
#include <span>

namespace velomark::licence {

namespace {

// Points for 1st, 2nd, 3rd ... place in each band.
constexpr std::array<std::int16_t, 20> kBand1 = {100, 85, 75, 66, 58, 51, 45, 39, 34, 29,
                                                 25,  21, 18, 15, 12, 10, 8,  6,  4,  2};
constexpr std::array<std::int16_t, 20> kBand2 = {60, 52, 45, 40, 35, 31, 27, 23, 20, 17,
                                                 15, 13, 11, 9,  7,  6,  5,  3,  2,  1};
constexpr std::array<std::int16_t, 15> kBand3 = {40, 33, 28, 24, 21, 18, 16, 14,
                                                 12, 10, 8,  6,  4,  2,  1};
constexpr std::array<std::int16_t, 15> kBand4 = {25, 21, 17, 14, 12, 10, 9, 7, 6, 5, 4, 3, 2, 1, 1};
constexpr std::array<std::int16_t, 10> kBand5 = {15, 12, 10, 8, 6, 5, 4, 3, 2, 1};
constexpr std::array<std::int16_t, 10> kBand6 = {10, 8, 7, 6, 5, 4, 3, 2, 1, 1};
constexpr std::array<std::int16_t, 3> kBand7 = {3, 2, 1};
constexpr std::array<std::int16_t, 3> kBand8 = {6, 4, 2};
constexpr std::array<std::int16_t, 3> kBand9 = {9, 6, 3};

constexpr std::array<std::span<const std::int16_t>, 9> kScale = {
    kBand1, kBand2, kBand3, kBand4, kBand5, kBand6, kBand7, kBand8, kBand9};

}  // namespace

std::int16_t PointsForPlace(std::int16_t band, double position) {
    if (band < 1 || band > static_cast<std::int16_t>(kScale.size())) return 0;
    const std::span<const std::int16_t> column = kScale[static_cast<std::size_t>(band - 1)];
    for (std::size_t place = 1; place <= column.size(); ++place) {
        if (position == static_cast<double>(place)) return column[place - 1];
    }
    return 0;
}

}  // namespace velomark::licence
