// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Every message the gear table window shows; nothing else may ever appear in its message boxes.
// The gear window's messages share the folder, so these have a namespace of their own.
namespace velomark::gears::table_messages {

inline constexpr const char* kChainringsNotNumbers =
    "Please type the chainrings as whole numbers of teeth, such as 50/34";
inline constexpr const char* kChainringRange = "Each chainring must be from 10 to 130 teeth";
inline constexpr const char* kTooManyChainrings = "Please type no more than 3 chainrings";
inline constexpr const char* kSprocketsNotNumbers =
    "Please type the sprockets as whole numbers of teeth, such as 11-12-13-14-15-17-19-21-24-28";
inline constexpr const char* kSprocketRange = "Each sprocket must be from 9 to 60 teeth";
inline constexpr const char* kTooManySprockets = "Please type no more than 13 sprockets";
inline constexpr const char* kWheelUnknown =
    "Please pick a tyre size from the list, or type the wheel's diameter in inches";
inline constexpr const char* kWheelTooLarge = "That wheel size is too large to work out gears from";
inline constexpr const char* kCadenceRange =
    "The cadence must be a number of revs per minute from 1 to 250";
inline constexpr const char* kRolloutNotANumber =
    "The rollout limit must be a number of metres above 0, such as 7.93, or empty for no limit";
inline constexpr const char* kSetupNameMissing = "Please type a name for the setup";
inline constexpr const char* kSetupNameTooLong = "A setup's name can be at most 40 characters long";
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

inline constexpr std::array kAll = {
    kChainringsNotNumbers, kChainringRange,    kTooManyChainrings, kSprocketsNotNumbers,
    kSprocketRange,        kTooManySprockets,  kWheelUnknown,      kWheelTooLarge,
    kCadenceRange,         kRolloutNotANumber, kSetupNameMissing,  kSetupNameTooLong,
    kNoSetupToDelete,      kSetupsUnreadable,  kSetupNotSaved,     kSetupNotDeleted,
    kNothingToCopy,        kNothingToSave,     kNothingToPrint,    kTableNotSaved};

}  // namespace velomark::gears::table_messages
