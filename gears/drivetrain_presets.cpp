// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/drivetrain_presets.h"

#include <array>

namespace velomark::gears {

namespace {

constexpr std::array<DrivetrainPreset, 10> kChainsets{{
    {"53/39", "53/39"},
    {"52/36", "52/36"},
    {"50/34", "50/34"},
    {"48/35", "48/35"},
    {"46/33", "46/33"},
    {"54/42", "54/42"},
    {"48", "48"},
    {"44", "44"},
    {"42", "42"},
    {"40", "40"},
}};

// The 11-25 to 12-28 blocks are 11 speed; 11-30, 11-32, 11-34, 10-33 and 10-36 are 12 speed;
// 10-44 is a 12-speed block for a single chainring.
constexpr std::array<DrivetrainPreset, 15> kCassettes{{
    {"11-25", "11-12-13-14-15-16-17-19-21-23-25"},
    {"11-28", "11-12-13-14-15-17-19-21-23-25-28"},
    {"11-30", "11-12-13-14-15-16-17-19-21-24-27-30"},
    {"11-32", "11-12-13-14-15-16-17-19-22-25-28-32"},
    {"11-34", "11-12-13-14-15-17-19-21-24-27-30-34"},
    {"12-25", "12-13-14-15-16-17-18-19-21-23-25"},
    {"12-28", "12-13-14-15-16-17-19-21-23-25-28"},
    {"10-33", "10-11-12-13-14-15-17-19-21-24-28-33"},
    {"10-36", "10-11-12-13-15-17-19-21-24-28-32-36"},
    {"10-44", "10-12-14-16-18-21-24-28-32-36-40-44"},
    {"13", "13"},
    {"14", "14"},
    {"15", "15"},
    {"16", "16"},
    {"17", "17"},
}};

}  // namespace

std::span<const DrivetrainPreset> Chainsets() {
    return kChainsets;
}

std::span<const DrivetrainPreset> Cassettes() {
    return kCassettes;
}

}  // namespace velomark::gears
