// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/time_split.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark {

namespace {

template <class Real>
Real WholePart(Real value, NegativeTime negative) {
    return negative == NegativeTime::FloorLargest ? FloorWhole(value) : std::trunc(value);
}

template <class Real>
TimeParts<Real> SplitWithHours(Real time, NegativeTime negative) {
    Real hours = WholePart(time / Real{kSecondsPerHour}, negative);
    // What is left after the whole hours, exactly; it has the sign of the time.
    Real rest = std::fmod(time, Real{kSecondsPerHour});
    if (negative == NegativeTime::FloorLargest) {
        if (rest < 0) rest += Real{kSecondsPerHour};
        // A time a hair below a whole hour can round up to one when brought into range.
        if (rest >= Real{kSecondsPerHour}) {
            rest = 0;
            hours += 1;
        }
    }
    // rest / 60 can round up to 60 just below a whole hour.
    const Real minutes = std::clamp(WholePart(rest / Real{kSecondsPerMinute}, negative),
                                    Real{1 - kMinutesPerHour}, Real{kMinutesPerHour - 1});
    return {hours, minutes, rest - minutes * Real{kSecondsPerMinute}};
}

template <class Real>
TimeParts<Real> SplitMinutesOnly(Real time, NegativeTime negative) {
    const Real minutes = WholePart(time / Real{kSecondsPerMinute}, negative);
    return {0, minutes, time - minutes * Real{kSecondsPerMinute}};
}

// Seconds that would show as 60 at the given decimals become a minute more; when every part
// carries the sign, seconds that would show as -60 become a minute less.
template <class Real>
void CarrySixtySeconds(TimeParts<Real>& parts, const TimeSplitPolicy& policy) {
    const std::string zeros(static_cast<std::size_t>(policy.carryAtDecimals), '0');
    const std::string pattern = zeros.empty() ? "0" : "0." + zeros;
    const std::string sixty = zeros.empty() ? "60" : "60." + zeros;
    const std::string shown = FormatPattern(parts.seconds, pattern);
    Real carry = 0;
    if (shown == sixty) {
        carry = 1;
    } else if (policy.negative == NegativeTime::EachPartSigned && shown == "-" + sixty) {
        carry = -1;
    } else {
        return;
    }
    parts.minutes += carry;
    parts.seconds = 0;
    if (policy.hours && parts.minutes == kMinutesPerHour * carry) {
        parts.hours += carry;
        parts.minutes = 0;
    }
}

template <class Real>
TimeParts<Real> SplitReal(Real time, const TimeSplitPolicy& policy) {
    TimeParts<Real> parts = policy.hours ? SplitWithHours(time, policy.negative)
                                         : SplitMinutesOnly(time, policy.negative);
    if (policy.carryAtDecimals >= 0) CarrySixtySeconds(parts, policy);
    return parts;
}

}  // namespace

TimeParts<std::int32_t> SplitTime(std::int32_t seconds, const TimeSplitPolicy& policy) {
    // In 64 bits, so that taking the largest part down below the smallest Long cannot overflow.
    const std::int64_t time = seconds;
    const std::int64_t unit = policy.hours ? kSecondsPerHour : kSecondsPerMinute;
    std::int64_t largest = time / unit;
    if (policy.negative == NegativeTime::FloorLargest && time % unit < 0) --largest;
    const std::int64_t rest = time - largest * unit;
    if (!policy.hours) {
        return {0, static_cast<std::int32_t>(largest), static_cast<std::int32_t>(rest)};
    }
    return {static_cast<std::int32_t>(largest), static_cast<std::int32_t>(rest / kSecondsPerMinute),
            static_cast<std::int32_t>(rest % kSecondsPerMinute)};
}

TimeParts<float> SplitTime(float seconds, const TimeSplitPolicy& policy) {
    return SplitReal(seconds, policy);
}

TimeParts<double> SplitTime(double seconds, const TimeSplitPolicy& policy) {
    return SplitReal(seconds, policy);
}

}  // namespace velomark
