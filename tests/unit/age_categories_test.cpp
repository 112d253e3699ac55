// SPDX-License-Identifier: GPL-3.0-or-later
#include "licence/age_categories.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

// The categories may live in the program's namespace or in the licence window's own.
namespace velomark::licence {}
using namespace velomark;
using namespace velomark::licence;

namespace {

struct Band {
    int youngest;
    int oldest;
    std::string_view category;
};

// The racing categories as the rules publish them, youngest first; every age from -5 to 99 falls
// in exactly one band.
constexpr std::array<Band, 17> kBcf{{
    {-5, 8, "Youth E (Under 8)"},
    {9, 10, "Youth D (Under 10)"},
    {11, 12, "Youth C (Under 12)"},
    {13, 14, "Youth B (Under 14)"},
    {15, 16, "Youth A (Under 16)"},
    {17, 19, "Junior"},
    {20, 23, "Espoir"},
    {24, 29, "Senior"},
    {30, 34, "Master A"},
    {35, 39, "Master B"},
    {40, 44, "Master C (Veteran)"},
    {45, 49, "Master D (Veteran)"},
    {50, 54, "Master E (Veteran)"},
    {55, 59, "Master F (Veteran)"},
    {60, 64, "Master G (Veteran)"},
    {65, 69, "Master H (Veteran)"},
    {70, 99, "Master I (Veteran)"},
}};

constexpr std::array<Band, 11> kLvrc{{
    {-5, 15, "Juv"},
    {16, 18, "Jun"},
    {19, 39, "Sen"},
    {40, 44, "A"},
    {45, 49, "B"},
    {50, 54, "C"},
    {55, 59, "D"},
    {60, 64, "E"},
    {65, 69, "F"},
    {70, 74, "G"},
    {75, 99, "H"},
}};

TEST(AgeCategories, EveryAgeHasItsBcfCategory) {
    for (const Band& band : kBcf) {
        for (int age = band.youngest; age <= band.oldest; ++age) {
            EXPECT_EQ(BcfCategory(age), band.category) << age;
        }
    }
}

TEST(AgeCategories, EveryAgeHasItsLvrcCategory) {
    for (const Band& band : kLvrc) {
        for (int age = band.youngest; age <= band.oldest; ++age) {
            EXPECT_EQ(LvrcCategory(age), band.category) << age;
        }
    }
}

}  // namespace
