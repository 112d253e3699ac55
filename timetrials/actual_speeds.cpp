// SPDX-License-Identifier: GPL-3.0-or-later
// The "Actual Speed" group: speeds from actual times, the average speed and the BBAR speeds.

#include <cstdint>
#include <optional>

#include "shell/field_rules.h"
#include "shell/units.h"
#include "timetrials/time_trial_rules.h"
#include "timetrials/time_trials.h"
#include "timetrials/time_trials_messages.h"

namespace velomark::timetrials {

void TimeTrials::MarkRidden(const TextField& speed, TextField& dirty) {
    dirty.setText(LeadingNumber(speed.text()) > 0 ? "1" : "0");
}

void TimeTrials::txtSecs10_LostFocus() {
    const double entered = LeadingNumber(txtSecs10.text());
    if (const auto whole = RoundHalfEven<std::int16_t>(entered)) {
        values_.enteredSecs10 = *whole;
        CheckSecs10();
    } else if (entered > 0) {
        // Too large even for a whole number of seconds: as wrong as 60.
        ShowMessage(messages::kSecondsTooLarge);
        values_.secs10Valid = false;
    } else {
        // Far below zero, yet below 60: the time's own total decides.
        values_.secs10Valid = true;
    }
    CalcSpeed10();
    FillIfEmpty(txtSecs10, "00");
}

// The 100-mile row works out the ladies' BBAR once more after its speed, and shows its speed
// to three decimals even when the seconds are refused.
void TimeTrials::txtSecs_LostFocus(const ActualRow& row) {
    const bool hundredMiles = &row == &actualRows_.back();
    LeaveTimedSeconds(row.seconds, [this, &row, hundredMiles] {
        CalcSpeed(row);
        if (hundredMiles) CalcLadiesBbar();
    });
    if (hundredMiles) ShowThreeDecimals(row.speed);
}

void TimeTrials::LeaveTimedSeconds(TextField& seconds, const Handler& calculate) {
    if (LeadingNumber(seconds.text()) > 59) {
        ShowMessage(messages::kSecondsTooLarge);
    } else {
        calculate();
    }
    FillIfEmpty(seconds, "00");
}

void TimeTrials::CheckSecs10() {
    if (values_.enteredSecs10 > 59) {
        ShowMessage(messages::kSecondsTooLarge);
        values_.secs10Valid = false;
    } else {
        values_.secs10Valid = true;
    }
}

void TimeTrials::CalcSpeed10() {
    if (!values_.secs10Valid) return;
    const std::optional<std::int32_t> total =
        WholeSeconds(TimeInSeconds(nullptr, txtMins10, txtSecs10));
    if (!total) {
        ShowMessage(messages::kTimeTooLong);
        return;
    }
    values_.actualSecs10 = *total;
    if (values_.actualSecs10 > 0) {
        txtSpeed10.setText(NumberText(10.0 / values_.actualSecs10 * kSecondsPerHour));
    }
    ShowThreeDecimals(txtSpeed10);
    if (LeadingNumber(txtSpeed10.text()) > 0) FillIfEmpty(txtSecs10, "00");
    CalcAverageSpeed();
}

// A row's speed from its time, and the averages it takes part in. A time too long to hold
// changes nothing.
void TimeTrials::CalcSpeed(const ActualRow& row) {
    const std::optional<std::int32_t> total =
        WholeSeconds(TimeInSeconds(&row.hours, row.minutes, row.seconds));
    if (!total) {
        ShowMessage(messages::kTimeTooLong);
        return;
    }
    row.actualSecs = *total;
    // A total not above 0 leaves the earlier speed standing.
    if (row.actualSecs > 0) {
        row.speed.setText(NumberText(row.miles / row.actualSecs * kSecondsPerHour));
    }
    ShowThreeDecimals(row.speed);
    if (LeadingNumber(row.speed.text()) > 0) {
        FillIfEmpty(row.seconds, "00");
        FillIfEmpty(row.minutes, "00");
    }
    CalcAverageSpeed();
    if (row.mensBbar) CalcMensBbar();
    CalcLadiesBbar();
}

void TimeTrials::txt12Dist_LostFocus() {
    CalcSpeed12Hour();
    CalcAverageSpeed();
    CalcMensBbar();
}

void TimeTrials::CalcSpeed12Hour() {
    if (!txt12Dist.text().empty()) {
        txt12Speed.setText(NumberText(LeadingNumber(txt12Dist.text()) / 12));
    } else {
        txt12Speed.setText({});
    }
    ShowThreeDecimals(txt12Speed);
    CalcAverageSpeed();
    CalcMensBbar();
}

void TimeTrials::CalcAverageSpeed() {
    const double sum = LeadingNumber(txtSpeed10.text()) + LeadingNumber(txtSpeed25.text()) +
                       LeadingNumber(txtSpeed50.text()) + LeadingNumber(txtSpeed100.text()) +
                       LeadingNumber(txt12Speed.text());
    if (sum > 0) {
        const double ridden = LeadingNumber(txtDirty10.text()) + LeadingNumber(txtDirty25.text()) +
                              LeadingNumber(txtDirty50.text()) + LeadingNumber(txtDirty100.text()) +
                              LeadingNumber(txtDirty12.text());
        // A speed above 0 always marks its distance, so this holds; it guards the division.
        if (ridden > 0) txtAvSpeed.setText(NumberText(sum / ridden));
    }
    ShowThreeDecimals(txtAvSpeed);
}

void TimeTrials::CalcMensBbar() {
    WriteSpeed(txtMensBBAR, (LeadingNumber(txtSpeed50.text()) + LeadingNumber(txtSpeed100.text()) +
                             LeadingNumber(txt12Speed.text())) /
                                3);
}

void TimeTrials::CalcLadiesBbar() {
    WriteSpeed(txtLadiesBBAR, (LeadingNumber(txtSpeed25.text()) + LeadingNumber(txtSpeed50.text()) +
                               LeadingNumber(txtSpeed100.text())) /
                                  3);
}

}  // namespace velomark::timetrials
