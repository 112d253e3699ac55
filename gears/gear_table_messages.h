// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "gears/gear_table_inputs.h"

// Every message the gear table window shows; nothing else may ever appear in its message boxes.
// The gear window's messages share the folder, so these have a namespace of their own.
namespace velomark::gears::table_messages {

inline constexpr const char* kChainringsNotNumbers =
    "Please type the chainrings as whole numbers of teeth, such as 50/34";
// Those naming a limit take it from the rule the window checks.
inline const std::string kChainringRange = "Each chainring must be from " +
                                           std::to_string(kChainringRule.fewestTeeth) + " to " +
                                           std::to_string(kChainringRule.mostTeeth) + " teeth";
inline const std::string kTooManyChainrings =
    "Please type no more than " + std::to_string(kChainringRule.mostEntries) + " chainrings";
inline constexpr const char* kSprocketsNotNumbers =
    "Please type the sprockets as whole numbers of teeth, such as 11-12-13-14-15-17-19-21-24-28";
inline const std::string kSprocketRange = "Each sprocket must be from " +
                                          std::to_string(kSprocketRule.fewestTeeth) + " to " +
                                          std::to_string(kSprocketRule.mostTeeth) + " teeth";
inline const std::string kTooManySprockets =
    "Please type no more than " + std::to_string(kSprocketRule.mostEntries) + " sprockets";
inline constexpr const char* kWheelUnknown =
    "Please pick a tyre size from the list, or type the wheel's diameter in inches";
inline constexpr const char* kWheelTooLarge = "That wheel size is too large to work out gears from";
inline const std::string kCadenceRange = "The cadence must be a number of revs per minute from " +
                                         std::to_string(kFewestRevs) + " to " +
                                         std::to_string(kMostRevs);
inline constexpr const char* kRolloutNotANumber =
    "The rollout limit must be a number of metres above 0, such as 7.93, or empty for no limit";
inline constexpr const char* kSetupNameMissing = "Please type a name for the setup";
inline const std::string kSetupNameTooLong =
    "A setup's name can be at most " + std::to_string(kLongestSetupName) + " characters long";
inline constexpr const char* kNoSetupToDelete = "Please pick the saved setup to delete";
inline constexpr const char* kSetupsUnreadable =
    "The saved setups could not be read, so none are offered. They are left as they are until "
    "you save a setup";
inline constexpr const char* kSetupNotSaved =
    "The setup could not be saved: the settings could not be written";
inline constexpr const char* kSetupNotDeleted =
    "The setup could not be deleted: the settings could not be written";
inline constexpr const char* kNothingToCopy = "There are no gears in the table to copy yet";
inline constexpr const char* kNothingToSave = "There are no gears in the table to save yet";
inline constexpr const char* kNothingToPrint = "There are no gears in the table to print yet";
inline constexpr const char* kTableNotSaved =
    "The table could not be saved: the file could not be written";

inline const std::array<const char*, 20> kAll = {
    kChainringsNotNumbers, kChainringRange.c_str(), kTooManyChainrings.c_str(),
    kSprocketsNotNumbers,  kSprocketRange.c_str(),  kTooManySprockets.c_str(),
    kWheelUnknown,         kWheelTooLarge,          kCadenceRange.c_str(),
    kRolloutNotANumber,    kSetupNameMissing,       kSetupNameTooLong.c_str(),
    kNoSetupToDelete,      kSetupsUnreadable,       kSetupNotSaved,
    kSetupNotDeleted,      kNothingToCopy,          kNothingToSave,
    kNothingToPrint,       kTableNotSaved};

}  // namespace velomark::gears::table_messages
