// SPDX-License-Identifier: GPL-3.0-or-later
// The Speed group (distance, time and speed, any two giving the third) and the Conversions
// group (miles and kilometres).

#include <cmath>
#include <optional>

#include "gears/gear_chart.h"
#include "gears/gear_rules.h"
#include "shell/field_rules.h"
#include "shell/time_split.h"
#include "shell/units.h"

namespace velomark::gears {

namespace {

// Whole hours and minutes, and the seconds left after those, so the minutes never show 60. The
// seconds keep every digit of the Single time (10 at 23 leaves 5.2174072265625).
constexpr TimeSplitPolicy kRideTimeSplit{
    .hours = true, .negative = NegativeTime::FloorLargest, .carryAtDecimals = -1};

}  // namespace

void GearChart::SolveDistanceTimeSpeed() {
    const double distance = LeadingNumber(txtDistance.text());
    const double minutes = LeadingNumber(txtHours.text()) * kMinutesPerHour +
                           LeadingNumber(txtMins.text()) +
                           LeadingNumber(txtSecs.text()) / kSecondsPerMinute;
    const double speed = LeadingNumber(txtSpeed.text());
    if (distance != 0 && minutes != 0) {
        ComputeRideSpeed(minutes);
    } else if (distance != 0 && speed != 0) {
        ComputeRideTime();
    } else if (minutes != 0 && speed != 0) {
        ComputeRideDistance(minutes);
    }
    TrimToPattern(txtSpeed, "0.000");
    TrimToPattern(txtDistance, "0.000");
}

// A time too short to hold as a Single, or any value beyond the Single range, works out
// nothing: the fields stay as they are.
void GearChart::ComputeRideSpeed(double minutes) {
    GearChartValues& v = values_;
    // Read like every other field, so "25mi" is a distance of 25.
    const std::optional<float> distance = ToSingle(LeadingNumber(txtDistance.text()));
    const std::optional<float> time = ToSingle(minutes);
    if (!distance || !time || *time == 0) return;
    v.rideDistance = *distance;
    v.rideMinutes = *time;
    v.rideSpeed = static_cast<double>(v.rideDistance) / v.rideMinutes * kMinutesPerHour;
    txtSpeed.setText(NumberText(v.rideSpeed));
}

void GearChart::ComputeRideTime() {
    GearChartValues& v = values_;
    const std::optional<float> distance = ToSingle(LeadingNumber(txtDistance.text()));
    const double speed = LeadingNumber(txtSpeed.text());
    if (!distance) return;
    const std::optional<float> seconds =
        ToSingle(static_cast<double>(*distance) / speed * kSecondsPerHour);
    if (!seconds) return;
    v.rideDistance = *distance;
    v.rideSpeed = speed;
    const TimeParts<double> split = SplitTime(static_cast<double>(*seconds), kRideTimeSplit);
    txtHours.setText(NumberText(static_cast<float>(split.hours)));
    txtMins.setText(NumberText(static_cast<float>(split.minutes)));
    txtSecs.setText(NumberText(split.seconds));
}

void GearChart::ComputeRideDistance(double minutes) {
    GearChartValues& v = values_;
    const std::optional<float> time = ToSingle(minutes);
    const double speed = LeadingNumber(txtSpeed.text());
    if (!time) return;
    const std::optional<float> distance =
        ToSingle(static_cast<double>(*time) * speed / kMinutesPerHour);
    if (!distance) return;
    v.rideMinutes = *time;
    v.rideSpeed = speed;
    v.rideDistance = *distance;
    txtDistance.setText(NumberText(v.rideDistance));
}

void GearChart::ConvertKilometres() {
    txtMiles.setText(NumberText(LeadingNumber(txtKM.text()) / kKilometresPerMile));
    TrimToPattern(txtMiles, "0.000");
    TrimToPattern(txtKM, "0.000");
}

void GearChart::ConvertMiles() {
    const double kilometres = LeadingNumber(txtMiles.text()) * kKilometresPerMile;
    if (std::isfinite(kilometres)) txtKM.setText(NumberText(kilometres));
    TrimToPattern(txtMiles, "0.000");
    TrimToPattern(txtKM, "0.000");
}

void GearChart::ClearSpeed() {
    for (TextField* field : {&txtDistance, &txtHours, &txtMins, &txtSecs, &txtSpeed}) {
        field->setText({});
    }
    values_.rideMinutes = 0;
    values_.rideDistance = 0;
    values_.rideSpeed = 0;
}

void GearChart::ClearConversions() {
    txtMiles.setText({});
    txtKM.setText({});
}

}  // namespace velomark::gears
