// The "Junior BAR" group: two rides at 10 miles and two at 25 miles, and the mean of their
// speeds. Ride times keep their fractional seconds and speeds are worked out from minutes.

#include <cmath>

#include "shell/field_rules.h"
#include "shell/units.h"
#include "timetrials/time_trial_rules.h"
#include "timetrials/time_trials.h"
#include "timetrials/time_trials_messages.h"

namespace velomark::timetrials {

void TimeTrials::WireJuniorBar() {
    txt1Jun10Secs.onLostFocus([this] { CalcJunior10Ride1(); });
    txt2Jun10Secs.onLostFocus([this] { CalcJunior10Ride2(); });
    txt1Jun25Secs.onLostFocus([this] { CalcJunior25Ride1(); });
    txt2Jun25Secs.onLostFocus([this] {
        CalcJunior25Ride2();
        CalcJuniorBar();
    });
    cmdCalcJunior.onClick([this] { CalculateJuniorBar(); });
}

void TimeTrials::CalculateJuniorBar() {
    CalcJunior10Ride1();
    CalcJunior10Ride2();
    CalcJunior25Ride1();
    CalcJunior25Ride2();
    CalcJuniorBar();
}

void TimeTrials::CalcJunior10Ride1() {
    CalcJuniorRide({10, nullptr, txt1Jun10Mins, txt1Jun10Secs, txt1Jun10Speed});
}

void TimeTrials::CalcJunior10Ride2() {
    CalcJuniorRide({10, nullptr, txt2Jun10Mins, txt2Jun10Secs, txt2Jun10Speed});
}

void TimeTrials::CalcJunior25Ride1() {
    CalcJuniorRide({25, &txt1Jun25Hours, txt1Jun25Mins, txt1Jun25Secs, txt1Jun25Speed});
}

void TimeTrials::CalcJunior25Ride2() {
    CalcJuniorRide({25, &txt2Jun25Hours, txt2Jun25Mins, txt2Jun25Secs, txt2Jun25Speed});
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
