// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The schedule printed for the people on the road: the route's name and size, its profile and
// the table, 40 rows to a sheet.

#include <string>

#include "shell/chart.h"
#include "shell/grid.h"
#include "shell/printed_page.h"

namespace velomark::route {

inline constexpr std::size_t kRowsPerSheet = 40;

// The route's name heads the first sheet, the summary (distance and climb) under it, then the
// profile and the table; a longer table goes on over further sheets, each headed again.
PrintedPage SchedulePage(const std::string& name, const std::string& summary,
                         const GridTable& table, const ChartData& profile);

}  // namespace velomark::route
