// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small rules the groups of the time-trial window share: reading a time from its fields and
// writing speeds.

#include <cstdint>
#include <optional>

namespace velomark {
class TextField;
}  // namespace velomark

namespace velomark::timetrials {

// Whether a distance in miles can be shown in plain digits: from 1E+15 on a number shows only as
// an exponent, so distances far beyond any ride (and inf or nan) are refused.
bool DistanceFits(double miles);

// hours x 3600 + minutes x 60 + seconds, each read with LeadingNumber (no hours field: 0).
double TimeInSeconds(const TextField* hours, const TextField& minutes, const TextField& seconds);

// A time in seconds to the nearest whole second; nothing when it does not fit a Long.
std::optional<std::int32_t> WholeSeconds(double seconds);

// Writes a speed at full precision, then rounds the text to three decimals.
void WriteSpeed(TextField& field, double speed);
// Rounds a field's text to three decimals when it reads as a number.
void ShowThreeDecimals(TextField& field);
// An empty field becomes the given filler ("00" or "0").
void FillIfEmpty(TextField& field, const char* filler);

}  // namespace velomark::timetrials
