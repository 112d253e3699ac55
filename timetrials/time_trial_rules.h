#pragma once

// Small rules the groups of the time-trial window share: reading a time from its fields,
// splitting whole seconds, writing speeds, and the window's messages.

#include <array>
#include <cstdint>
#include <optional>

namespace velomark {

class TextField;

namespace time_trial_rules {

inline constexpr const char* kSecondsTooLarge = "Seconds must be less than 60";
inline constexpr const char* kTimeTooLong =
    "That time is too long to work out a speed: please check the time";
inline constexpr const char* kHandicapTooLong =
    "That handicap is too long to work out: please check the handicap";
inline constexpr const char* kStandardTooLong =
    "That standard time is too long to work out: please check the standard";
inline constexpr const char* kStandardsTogetherTooLong =
    "The 25, 50 and 100 mile standards together are too long to work out the Vets 3 Dist margin";
inline constexpr const char* kDistanceTooLarge =
    "That distance is too large to work out: please check the distance";
inline constexpr const char* kSpeedsTooLarge =
    "The ride speeds are too large to average: please check the ride times";
inline constexpr const char* kDateAsked = "Please enter the date as dd/mm/yyyy";
// Every message the window shows; nothing else may ever appear in its message boxes.
inline constexpr std::array kAllMessages = {
    kSecondsTooLarge,          kTimeTooLong,      kHandicapTooLong, kStandardTooLong,
    kStandardsTogetherTooLong, kDistanceTooLarge, kSpeedsTooLarge,  kDateAsked};

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

}  // namespace time_trial_rules
}  // namespace velomark
