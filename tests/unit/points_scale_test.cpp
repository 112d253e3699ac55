// SPDX-License-Identifier: GPL-3.0-or-later
#include "licence/points_scale.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

// The scale may live in the program's namespace or in the licence window's own.
namespace velomark::licence {}
using namespace velomark;
using namespace velomark::licence;

namespace {

// The licence points scale as the racing rules publish it: a row per place, a column per band
// (1 to 9); 0 where a band pays nothing for that place.
// clang-format off
constexpr std::array<std::array<int, 9>, 20> kScale{{
    {100, 60, 40, 25, 15, 10, 3, 6, 9},
    { 85, 52, 33, 21, 12,  8, 2, 4, 6},
    { 75, 45, 28, 17, 10,  7, 1, 2, 3},
    { 66, 40, 24, 14,  8,  6, 0, 0, 0},
    { 58, 35, 21, 12,  6,  5, 0, 0, 0},
    { 51, 31, 18, 10,  5,  4, 0, 0, 0},
    { 45, 27, 16,  9,  4,  3, 0, 0, 0},
    { 39, 23, 14,  7,  3,  2, 0, 0, 0},
    { 34, 20, 12,  6,  2,  1, 0, 0, 0},
    { 29, 17, 10,  5,  1,  1, 0, 0, 0},
    { 25, 15,  8,  4,  0,  0, 0, 0, 0},
    { 21, 13,  6,  3,  0,  0, 0, 0, 0},
    { 18, 11,  4,  2,  0,  0, 0, 0, 0},
    { 15,  9,  2,  1,  0,  0, 0, 0, 0},
    { 12,  7,  1,  1,  0,  0, 0, 0, 0},
    { 10,  6,  0,  0,  0,  0, 0, 0, 0},
    {  8,  5,  0,  0,  0,  0, 0, 0, 0},
    {  6,  3,  0,  0,  0,  0, 0, 0, 0},
    {  4,  2,  0,  0,  0,  0, 0, 0, 0},
    {  2,  1,  0,  0,  0,  0, 0, 0, 0},
}};
// clang-format on

// Every place of every band, the place after the last listed one, and bands without a scale.
TEST(PointsScale, EveryPlaceOfEveryBand) {
    for (int place = 1; place <= 21; ++place) {
        for (int band = 0; band <= 10; ++band) {
            const bool scored = place <= 20 && band >= 1 && band <= 9;
            const int expected = scored ? kScale[place - 1][band - 1] : 0;
            EXPECT_EQ(PointsForPlace(static_cast<std::int16_t>(band), place), expected)
                << "band " << band << ", place " << place;
        }
    }
}

// Places are matched exactly: a fraction or a place before the first earns nothing.
TEST(PointsScale, OnlyWholePlacesScore) {
    for (double place : {0.0, -1.0, 0.5, 1.5, 2.999, 20.5}) {
        EXPECT_EQ(PointsForPlace(1, place), 0) << place;
    }
}

}  // namespace
