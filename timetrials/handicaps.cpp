// SPDX-License-Identifier: GPL-3.0-or-later
// The "Handicap Speed" group: the allowance taken off each actual time (added to the 12-hour
// distance), the handicap speeds and their average.

#include <cstdint>
#include <optional>

#include "shell/field_rules.h"
#include "shell/time_split.h"
#include "shell/units.h"
#include "timetrials/time_trial_rules.h"
#include "timetrials/time_trials.h"
#include "timetrials/time_trials_messages.h"

namespace velomark::timetrials {

void TimeTrials::txtHSecs_LostFocus(const HandicapRow& row) {
    LeaveTimedSeconds(row.seconds, [this, &row] { CalcHandicap(row); });
}

void TimeTrials::CalcHandicap(const HandicapRow& row) {
    const std::optional<std::int32_t> allowance =
        WholeSeconds(TimeInSeconds(nullptr, row.minutes, row.seconds));
    if (!allowance) {
        ShowMessage(messages::kHandicapTooLong);
        return;
    }
    row.handicapSecs = *allowance;
    if (row.actualSecs > 0 && row.handicapSecs > 0) {
        // Both are above 0, so the difference fits a Long.
        const std::int32_t time = row.actualSecs - row.handicapSecs;
        row.handicapTime = time;
        // Split in whole seconds, so minutes and seconds never show 60; without an hours field
        // the minutes take every whole minute.
        const TimeParts<std::int32_t> split =
            SplitTime(time, {.hours = row.timeHours != nullptr,
                             .negative = NegativeTime::FloorLargest,
                             .carryAtDecimals = -1});
        if (row.timeHours) row.timeHours->setText(NumberText(split.hours));
        row.timeMinutes.setText(NumberText(split.minutes));
        row.timeSeconds.setText(NumberText(split.seconds));
    }
    // No allowance, or nothing left of the time once it is taken off: no speed to show.
    if (row.handicapSecs < 1 || !(row.handicapTime > 0)) {
        row.speed.setText({});
    } else {
        WriteSpeed(row.speed, row.miles / row.handicapTime * kSecondsPerHour);
    }
    CalcHandicapAverage();
}

void TimeTrials::CalcHandicap12Hour() {
    const double actual = LeadingNumber(txt12Dist.text());
    if (actual > 0) {
        const double distance = actual + LeadingNumber(txtH12.text());
        if (!DistanceFits(distance)) {
            ShowMessage(messages::kDistanceTooLarge);
            return;
        }
        txtH12Dist.setText(NumberText(distance));
    }
    if (LeadingNumber(txtH12.text()) <= 0) {
        txtHSpeed12.setText({});
    } else {
        WriteSpeed(txtHSpeed12, LeadingNumber(txtH12Dist.text()) / 12);
    }
    CalcHandicapAverage();
}

void TimeTrials::CalcHandicapAverage() {
    const double ridden = LeadingNumber(txtDirty25.text()) + LeadingNumber(txtDirty50.text()) +
                          LeadingNumber(txtDirty100.text()) + LeadingNumber(txtDirty12.text()) +
                          LeadingNumber(txtDirty10.text());
    if (ridden <= 0) return;
    const double sum = LeadingNumber(txtHSpeed10.text()) + LeadingNumber(txtHSpeed25.text()) +
                       LeadingNumber(txtHSpeed50.text()) + LeadingNumber(txtHSpeed100.text()) +
                       LeadingNumber(txtHSpeed12.text());
    WriteSpeed(txtHAvSpeed, sum / ridden);
}

}  // namespace velomark::timetrials
