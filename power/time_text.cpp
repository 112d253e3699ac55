// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/time_text.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "shell/field_rules.h"
#include "shell/time_split.h"
#include "shell/units.h"

namespace velomark::power {

namespace {

constexpr double kMostSeconds = 10000.0 * kSecondsPerHour;

constexpr TimeSplitPolicy kClockSplit{
    .hours = true, .negative = NegativeTime::EachPartSigned, .carryAtDecimals = -1};

std::vector<std::string_view> Parts(std::string_view text) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t colon = text.find(':');
        parts.push_back(text.substr(0, colon));
        if (colon == std::string_view::npos) return parts;
        text.remove_prefix(colon + 1);
    }
}

// A part of a time: plain digits (a point and decimals only in the seconds).
std::optional<double> Part(std::string_view part, bool seconds) {
    while (!part.empty() && part.front() == ' ')
        part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ')
        part.remove_suffix(1);
    if (part.empty() || part.size() > 12) return std::nullopt;
    bool point = false;
    for (char c : part) {
        if (c == '.' && seconds && !point) {
            point = true;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    return StrictNumber(part);
}

std::string Two(std::int32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::optional<double> ReadTime(std::string_view text) {
    const std::vector<std::string_view> parts = Parts(text);
    if (parts.size() > 3) return std::nullopt;
    double seconds = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const std::optional<double> part = Part(parts[i], last && parts.size() > 1);
        if (!part) return std::nullopt;
        // Below the largest part, minutes and seconds stay under 60.
        if (i > 0 && !(*part < kSecondsPerMinute)) return std::nullopt;
        seconds = seconds * kSecondsPerMinute + *part;
    }
    if (parts.size() == 1) seconds *= kSecondsPerMinute;
    if (!(seconds > 0) || seconds > kMostSeconds) return std::nullopt;
    return seconds;
}

std::optional<std::int32_t> WholeSeconds(double seconds) {
    if (!std::isfinite(seconds) || std::abs(seconds) > kMostSeconds * 10) return std::nullopt;
    return static_cast<std::int32_t>(std::lround(seconds));
}

std::string TimeText(double seconds) {
    const std::optional<std::int32_t> whole = WholeSeconds(seconds);
    if (!whole || *whole < 0) return {};
    const TimeParts<std::int32_t> parts = SplitTime(*whole, kClockSplit);
    if (parts.hours == 0) return std::to_string(parts.minutes) + ":" + Two(parts.seconds);
    return std::to_string(parts.hours) + ":" + Two(parts.minutes) + ":" + Two(parts.seconds);
}

std::string SignedTimeText(std::int32_t seconds) {
    if (seconds == 0) return "0:00";
    return (seconds > 0 ? "+" : "-") + TimeText(std::abs(static_cast<double>(seconds)));
}

}  // namespace velomark::power
