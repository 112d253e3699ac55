// SPDX-License-Identifier: GPL-3.0-or-later
// The "Junior BAR" group: two rides at 10 miles and two at 25 miles, and the mean of their
// speeds. Ride times keep their fractional seconds and speeds are worked out from minutes.

#include <cmath>

#include "shell/field_rules.h"
#include "shell/units.h"
#include "timetrials/time_trial_rules.h"
#include "timetrials/time_trials.h"
#include "timetrials/time_trials_messages.h"

namespace velomark::timetrials {

void TimeTrials::CalculateJuniorBar() {
    for (const JuniorRide& ride : juniorRides_)
        CalcJuniorRide(ride);
    CalcJuniorBar();
}

void TimeTrials::txtJunSecs_LostFocus(const JuniorRide& ride) {
    CalcJuniorRide(ride);
    if (&ride == &juniorRides_.back()) CalcJuniorBar();
}

void TimeTrials::CalcJuniorRide(const JuniorRide& ride) {
    const double hours = ride.hours ? LeadingNumber(ride.hours->text()) : 0.0;
    const double minutes = LeadingNumber(ride.minutes.text());
    const double seconds = LeadingNumber(ride.seconds.text());
    if (hours + minutes + seconds > 0) {
        const double time = ride.hours
                                ? hours * kMinutesPerHour + minutes + seconds / kSecondsPerMinute
                                : seconds / kSecondsPerMinute + minutes;
        const double speed = ride.miles / time * kMinutesPerHour;
        // A time of no minutes at all (-1 min 60 s) has no speed: the ride keeps its last one.
        if (time > 0 && std::isfinite(speed)) ride.speed.setText(NumberText(speed));
    }
    ShowThreeDecimals(ride.speed);
    if (LeadingNumber(ride.speed.text()) > 0) {
        FillIfEmpty(ride.seconds, "00");
        if (ride.hours) FillIfEmpty(ride.minutes, "00");
    }
}

void TimeTrials::CalcJuniorBar() {
    const double sum = LeadingNumber(txt1Jun10Speed.text()) + LeadingNumber(txt2Jun10Speed.text()) +
                       LeadingNumber(txt1Jun25Speed.text()) + LeadingNumber(txt2Jun25Speed.text());
    if (!std::isfinite(sum)) {
        ShowMessage(messages::kSpeedsTooLarge);
        return;
    }
    WriteSpeed(txtJuniorBar, sum / 4);
}

}  // namespace velomark::timetrials
