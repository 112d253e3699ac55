#include "track/minutes_seconds.h"

#include "shell/field_rules.h"

namespace velomark::track {

namespace {

template <class Real>
MinutesSeconds<Real> Split(Real time) {
    Real minutes = FloorWhole(time / Real{60});
    Real seconds = time - minutes * Real{60};
    if (FormatPattern(seconds, "0.000") == "60.000") {
        minutes += 1;
        seconds = 0;
    }
    return {minutes, seconds};
}

}  // namespace

MinutesSeconds<float> SplitMinutes(float time) {
    return Split(time);
}

MinutesSeconds<double> SplitMinutes(double time) {
    return Split(time);
}

}  // namespace velomark::track
