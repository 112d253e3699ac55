// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

// Every message the route schedule window shows; nothing else may ever appear in its message
// boxes. A "{}" stands for the detail the message names (a line, waypoints).
namespace velomark::route::messages {

inline constexpr const char* kFileUnreadable =
    "The route file could not be found or read. Please check its name and folder";
inline constexpr const char* kFileTooLarge =
    "The route file is larger than 50 MB, too large to be a route: it was not read";
inline constexpr const char* kNotXml =
    "The route file is not a GPX file: its XML is broken on line {}";
inline constexpr const char* kNotGpx = "The route file is XML but not GPX";
inline constexpr const char* kNoPoints = "The route file has no track or route points";
inline constexpr const char* kBadCoordinate =
    "The route file has a point whose latitude is not a number from -90 to 90 or whose longitude "
    "is not a number from -180 to 180";
inline constexpr const char* kWaypointsOffRoute =
    "These waypoints are more than 200 m from the route and are left out: {}";
inline constexpr const char* kTooManyCheckpoints =
    "The schedule shows the first 1000 checkpoints only";
inline constexpr const char* kLapsRange = "The laps must be a whole number from 1 to 50";
inline constexpr const char* kSpeedRange =
    "Each speed must be a number above 0 and up to 100, or empty for no column";
inline constexpr const char* kStartTimeFormat =
    "Please type the start time as hh:mm (24 h), such as 09:30, or leave it empty for elapsed "
    "times";
inline constexpr const char* kNothingToCopy =
    "There is no schedule to copy yet: please load a route";
inline constexpr const char* kNothingToSave =
    "There is no schedule to save yet: please load a route";
inline constexpr const char* kNothingToPrint =
    "There is no schedule to print yet: please load a route";
inline constexpr const char* kScheduleNotSaved =
    "The schedule could not be saved: the file could not be written";

inline constexpr std::array kAll = {kFileUnreadable,
                                    kFileTooLarge,
                                    kNotXml,
                                    kNotGpx,
                                    kNoPoints,
                                    kBadCoordinate,
                                    kWaypointsOffRoute,
                                    kTooManyCheckpoints,
                                    kLapsRange,
                                    kSpeedRange,
                                    kStartTimeFormat,
                                    kNothingToCopy,
                                    kNothingToSave,
                                    kNothingToPrint,
                                    kScheduleNotSaved};

// The message with its detail in place of the "{}".
inline std::string Filled(std::string_view message, std::string_view detail) {
    std::string text(message);
    if (const auto at = text.find("{}"); at != std::string::npos) text.replace(at, 2, detail);
    return text;
}

}  // namespace velomark::route::messages
