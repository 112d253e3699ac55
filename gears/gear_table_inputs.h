// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the gear table reads what a rider types, shared by the window and its saved setups so a
// setup is kept only in a form the window accepts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark::gears {

inline constexpr std::size_t kMostChainrings = 3;
inline constexpr std::size_t kMostSprockets = 13;
inline constexpr std::size_t kLongestSetupName = 40;

// The units a table can show its gears in, in list order.
enum class GearUnit { GearInches, Development, GainRatio, SpeedKph, SpeedMph };
inline constexpr std::array<std::string_view, 5> kUnitNames = {
    "Gear inches", "Development (m)", "Gain ratio", "Speed (km/h)", "Speed (mph)"};
// The unit the list shows that name for; nothing for any other text.
std::optional<GearUnit> UnitNamed(std::string_view name);
inline std::string_view NameOf(GearUnit unit) {
    return kUnitNames[static_cast<std::size_t>(unit)];
}

// What may stand in a list of teeth: the characters that part the entries (blanks always do),
// the teeth a ring or sprocket may have and how many entries the list may hold.
struct TeethRule {
    std::string_view separators;
    int fewestTeeth;
    int mostTeeth;
    std::size_t mostEntries;
};
inline constexpr TeethRule kChainringRule{"/,", 10, 130, kMostChainrings};
inline constexpr TeethRule kSprocketRule{"-/,", 9, 60, kMostSprockets};

// What is wrong with a list of teeth, the first fault found in this order.
enum class TeethFault { None, NotWholeNumbers, OutOfRange, TooMany };
struct TeethList {
    TeethFault fault = TeethFault::None;
    std::vector<std::int16_t> teeth;  // in the order typed; only when there is no fault
};
// An empty text is a list of no teeth.
TeethList ReadTeethList(std::string_view text, const TeethRule& rule);

// The wheel a wheel-size text gives, by the gear window's rule: no text is no wheel.
enum class WheelFault { None, NotAWheel, TooLarge };
struct WheelReading {
    WheelFault fault = WheelFault::None;
    double circumference = 0;  // mm; only when there is no fault
    float inches = 0;
};
WheelReading ReadWheel(std::string_view text);

inline constexpr int kFewestRevs = 1;
inline constexpr int kMostRevs = 250;
// Revs per minute from kFewestRevs to kMostRevs, 0 for no text; nothing for any other text.
std::optional<double> ReadCadence(std::string_view text);
// A limit in metres above 0, 0 for no text (no limit); nothing for any other text.
std::optional<double> ReadRollout(std::string_view text);
// A crank length of the crank list in mm, 0 for its empty entry; nothing for any other text.
std::optional<double> ReadCrank(std::string_view text);

// A setup's name as kept: the text without the blanks around it.
std::string SetupName(std::string_view text);
enum class NameFault { None, Missing, TooLong };
NameFault SetupNameFault(std::string_view name);

}  // namespace velomark::gears
