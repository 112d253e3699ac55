// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velomark::windows {

// The calculator windows the main menu opens, each name defined here once: the window classes
// take theirs from here (kName) and app/ registers each model under it.
inline constexpr const char* kGearChart = "frmGearChart";
inline constexpr const char* kTimeTrials = "frmTimeTrials";
inline constexpr const char* kTrack = "frmTrack";
inline constexpr const char* kRoad = "frmRoad";
inline constexpr const char* kLicencePoints = "frmLicencePoints";
inline constexpr const char* kGearTable = "frmGearTable";
inline constexpr const char* kPower = "frmPower";
inline constexpr const char* kRoute = "frmRoute";

}  // namespace velomark::windows
