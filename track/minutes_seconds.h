#pragma once

namespace velomark::track {

// A time in seconds as whole minutes and the seconds left over. Seconds that would show as
// 60.000 at three decimals go into the next minute, so no time ever shows as 1 and 60.
template <class Real>
struct MinutesSeconds {
    Real minutes;
    Real seconds;
};
MinutesSeconds<float> SplitMinutes(float time);
MinutesSeconds<double> SplitMinutes(double time);

}  // namespace velomark::track
