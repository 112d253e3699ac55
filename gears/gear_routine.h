// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The wheel and gear rules both gear windows work with, so that one chainring, sprocket and
// wheel give one number wherever a rider reads it.

#include <cstdint>
#include <string_view>

namespace velomark::gears {

// A gear in inches and its development in metres, as shown.
struct GearSize {
    float inches;
    float metres;
};

// The circumference in mm that a wheel-size text gives: the tyre's own when the text is exactly
// an entry of the tyre list, otherwise the text's leading number taken as a diameter in inches.
double WheelCircumferenceOf(std::string_view text, double pi);

// Whether gears can be worked out on a wheel of that circumference: no gear of the windows on it
// passes the largest gear a field can show in plain digits.
bool WheelFits(double circumference, double pi);

// The wheel's diameter in inches, kept as a Single.
float WheelInchesOf(double circumference, double pi);

// The gear of a chainring and sprocket on a wheel, rounded as the windows show it: the inches
// to one decimal and the development, worked out from the unrounded gear, to the millimetre.
GearSize GearOf(std::int16_t chainring, std::int16_t sprocket, float wheelInches, double pi);

}  // namespace velomark::gears
