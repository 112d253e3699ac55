// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ride times as a rider types and reads them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velomark::power {

// The seconds a typed time names: h:mm:ss, mm:ss or whole minutes; nothing for a time that is
// not above 0 or is beyond 10000 hours.
std::optional<double> ReadTime(std::string_view text);

// The time to the nearest second: m:ss under an hour ("9:05"), h:mm:ss from an hour.
std::string TimeText(double seconds);
// A difference of whole seconds, signed: "+2:27", "-0:45", "0:00".
std::string SignedTimeText(std::int32_t seconds);
// The whole seconds nearest the time; nothing beyond the reach of a Long.
std::optional<std::int32_t> WholeSeconds(double seconds);

}  // namespace velomark::power
