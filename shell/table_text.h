// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A grid's table as text for other programs: the clipboard's tab-separated lines and a CSV file.

#include <string>
#include <string_view>

#include "shell/grid.h"

namespace velomark {

// The header row, then one line per data row, each headed by its row header; cells parted by
// tabs and every line ended by "\n", as spreadsheets paste it.
std::string TabSeparatedText(const GridTable& table);

// One CSV field: quoted, with its quotes doubled, when it holds a comma, a quote or a line end.
std::string CsvField(std::string_view text);
// The same lines as TabSeparatedText as CSV records, each ended by CR LF.
std::string CsvText(const GridTable& table);

// The name with every character a file name cannot hold made a "-", and ".csv".
std::string CsvFileName(std::string_view name);

}  // namespace velomark
