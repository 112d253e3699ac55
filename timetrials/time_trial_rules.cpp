// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetrials/time_trial_rules.h"

#include <cmath>
#include <string>

#include "shell/control.h"
#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark::timetrials {

bool DistanceFits(double miles) {
    constexpr double kLargestDistance = 1e14;
    return std::fabs(miles) <= kLargestDistance;
}

double TimeInSeconds(const TextField* hours, const TextField& minutes, const TextField& seconds) {
    const double hourPart = hours ? LeadingNumber(hours->text()) * kSecondsPerHour : 0.0;
    return hourPart + LeadingNumber(minutes.text()) * kSecondsPerMinute +
           LeadingNumber(seconds.text());
}

std::optional<std::int32_t> WholeSeconds(double seconds) {
    return RoundHalfEven<std::int32_t>(seconds);
}

void WriteSpeed(TextField& field, double speed) {
    field.setText(NumberText(speed));
    ShowThreeDecimals(field);
}

void ShowThreeDecimals(TextField& field) {
    field.setText(FormatPattern(field.text(), "0.000"));
}

void FillIfEmpty(TextField& field, const char* filler) {
    if (field.text().empty()) field.setText(filler);
}

}  // namespace velomark::timetrials
