// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/gear_table_inputs.h"

#include <algorithm>

#include "gears/crank_lengths.h"
#include "gears/gear_routine.h"
#include "gears/gear_rules.h"
#include "shell/field_rules.h"

namespace velomark::gears {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view WithoutBlanksAround(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A number written the way the fields show numbers: "." for the decimals and nothing else. A
// "," is refused rather than read as a thousands separator: "7,93" is a rollout in metres
// written with a decimal comma, not 793 m.
std::optional<double> ReadPlainNumber(std::string_view text) {
    if (text.find(',') != std::string_view::npos) return std::nullopt;
    return StrictNumber(text);
}

}  // namespace

std::optional<GearUnit> UnitNamed(std::string_view name) {
    const auto found = std::find(kUnitNames.begin(), kUnitNames.end(), name);
    if (found == kUnitNames.end()) return std::nullopt;
    return static_cast<GearUnit>(found - kUnitNames.begin());
}

TeethList ReadTeethList(std::string_view text, const TeethRule& rule) {
    std::vector<std::int16_t> teeth;
    bool outOfRange = false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i]) || rule.separators.find(text[i]) != std::string_view::npos) {
            ++i;
            continue;
        }
        // One entry: digits only, up to the next blank or separator.
        int value = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            // Past the largest count the value only matters as being out of range.
            value = std::min(value * 10 + (text[i] - '0'), rule.mostTeeth + 1);
        }
        if (i < text.size() && !IsBlank(text[i]) &&
            rule.separators.find(text[i]) == std::string_view::npos) {
            return {TeethFault::NotWholeNumbers, {}};
        }
        if (value < rule.fewestTeeth || value > rule.mostTeeth) outOfRange = true;
        teeth.push_back(static_cast<std::int16_t>(value));
    }
    if (outOfRange) return {TeethFault::OutOfRange, {}};
    if (teeth.size() > rule.mostEntries) return {TeethFault::TooMany, {}};
    return {TeethFault::None, std::move(teeth)};
}

WheelReading ReadWheel(std::string_view text) {
    if (WithoutBlanksAround(text).empty()) return {};
    const double circumference = WheelCircumferenceOf(text, kPi);
    if (!WheelFits(circumference, kPi)) return {WheelFault::TooLarge};
    const float inches = WheelInchesOf(circumference, kPi);
    // Too small to hold as a Single is no wheel either.
    if (!(circumference > 0) || !(inches > 0)) return {WheelFault::NotAWheel};
    return {WheelFault::None, circumference, inches};
}

std::optional<double> ReadCadence(std::string_view text) {
    if (WithoutBlanksAround(text).empty()) return 0.0;
    const std::optional<double> revs = ReadPlainNumber(text);
    if (!revs || *revs < kFewestRevs || *revs > kMostRevs) return std::nullopt;
    return revs;
}

std::optional<double> ReadRollout(std::string_view text) {
    if (WithoutBlanksAround(text).empty()) return 0.0;
    const std::optional<double> metres = ReadPlainNumber(text);
    if (!metres || !(*metres > 0)) return std::nullopt;
    return metres;
}

std::optional<double> ReadCrank(std::string_view text) {
    if (std::find(kCrankLengths.begin(), kCrankLengths.end(), text) == kCrankLengths.end()) {
        return std::nullopt;
    }
    return LeadingNumber(text);
}

std::string SetupName(std::string_view text) {
    return std::string(WithoutBlanksAround(text));
}

NameFault SetupNameFault(std::string_view name) {
    if (name.empty()) return NameFault::Missing;
    // Characters, not bytes: a name in any language has the same room.
    const auto characters = std::count_if(name.begin(), name.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return static_cast<std::size_t>(characters) > kLongestSetupName ? NameFault::TooLong
                                                                    : NameFault::None;
}

}  // namespace velomark::gears
