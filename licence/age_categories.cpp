// SPDX-License-Identifier: GPL-3.0-or-later
#include "licence/age_categories.h"

#include <array>

namespace velomark::licence {

namespace {

struct AgeBand {
    int youngest;  // the lowest age of the category
    std::string_view category;
};

// Oldest first: the first band whose lowest age the rider has reached is the category.
constexpr std::array<AgeBand, 16> kBcf = {{
    {70, "Master I (Veteran)"},
    {65, "Master H (Veteran)"},
    {60, "Master G (Veteran)"},
    {55, "Master F (Veteran)"},
    {50, "Master E (Veteran)"},
    {45, "Master D (Veteran)"},
    {40, "Master C (Veteran)"},
    {35, "Master B"},
    {30, "Master A"},
    {24, "Senior"},
    {20, "Espoir"},
    {17, "Junior"},
    {15, "Youth A (Under 16)"},
    {13, "Youth B (Under 14)"},
    {11, "Youth C (Under 12)"},
    {9, "Youth D (Under 10)"},
}};
constexpr std::string_view kBcfYoungest = "Youth E (Under 8)";

constexpr std::array<AgeBand, 10> kLvrc = {{
    {75, "H"},
    {70, "G"},
    {65, "F"},
    {60, "E"},
    {55, "D"},
    {50, "C"},
    {45, "B"},
    {40, "A"},
    {19, "Sen"},
    {16, "Jun"},
}};
constexpr std::string_view kLvrcYoungest = "Juv";

template <std::size_t N>
std::string_view CategoryOf(const std::array<AgeBand, N>& bands, std::string_view youngest,
                            int age) {
    for (const AgeBand& band : bands) {
        if (age >= band.youngest) return band.category;
    }
    return youngest;
}

}  // namespace

std::string_view BcfCategory(int age) {
    return CategoryOf(kBcf, kBcfYoungest, age);
}

std::string_view LvrcCategory(int age) {
    return CategoryOf(kLvrc, kLvrcYoungest, age);
}

}  // namespace velomark::licence
