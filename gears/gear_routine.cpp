// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/gear_routine.h"

#include <cmath>

#include "gears/gear_rules.h"
#include "gears/tyre_sizes.h"
#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark::gears {

namespace {

// Far beyond any wheel, and small enough that no gear of the windows (at most kMostTeeth + 1
// teeth to one) passes the largest gear shown.
constexpr double kLargestWheelInches = kLargestGearInches / (kMostTeeth + 1);

// A Single as a field shows it, rounded to the pattern and read back.
float Shown(float value, const char* pattern) {
    return static_cast<float>(LeadingNumber(FormatPattern(value, pattern)));
}

}  // namespace

double WheelCircumferenceOf(std::string_view text, double pi) {
    for (const TyreSize& tyre : TyreSizes()) {
        if (tyre.text == text) return tyre.millimetres;
    }
    return LeadingNumber(text) * kMillimetresPerInch * pi;
}

bool WheelFits(double circumference, double pi) {
    return std::fabs(circumference / kMillimetresPerInch / pi) <= kLargestWheelInches;
}

float WheelInchesOf(double circumference, double pi) {
    return static_cast<float>(circumference / kMillimetresPerInch / pi);
}

GearSize GearOf(std::int16_t chainring, std::int16_t sprocket, float wheelInches, double pi) {
    const float inches =
        static_cast<float>(static_cast<double>(chainring) / sprocket * wheelInches);
    // The development comes from the unrounded gear.
    const float metres =
        static_cast<float>(inches * kCentimetresPerInch / kCentimetresPerMetre * pi);
    return {Shown(inches, "0.0"), Shown(metres, "0.000")};
}

}  // namespace velomark::gears
