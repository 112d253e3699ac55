#pragma once

// Small rules the groups of the time-trial window share: reading a time from its fields,
// splitting whole seconds and writing speeds.

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

// Whole seconds as hours, minutes and seconds, the hours taken down to the whole hour below, so
// minutes and seconds always lie within 0 to 59 (-30 s is -1 h 59 min 30 s).
struct HoursMinutesSeconds {
    std::int32_t hours;
    std::int32_t minutes;
    std::int32_t seconds;
};
HoursMinutesSeconds SplitSeconds(std::int32_t total);
// The same without an hours field: the minutes may go past 59.
struct MinutesSeconds {
    std::int32_t minutes;
    std::int32_t seconds;
};
MinutesSeconds SplitMinutes(std::int32_t total);

// Writes a speed at full precision, then rounds the text to three decimals.
void WriteSpeed(TextField& field, double speed);
// Rounds a field's text to three decimals when it reads as a number.
void ShowThreeDecimals(TextField& field);
// An empty field becomes the given filler ("00" or "0").
void FillIfEmpty(TextField& field, const char* filler);

}  // namespace velomark::timetrials
