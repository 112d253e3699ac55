// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The gear table as text for other programs: the shared table texts, and its file's name.

#include <string>
#include <string_view>

#include "shell/table_text.h"

namespace velomark::gears {

using velomark::CsvField;
using velomark::CsvText;
using velomark::TabSeparatedText;

// A file name to offer for a table: the setup's name, or "Gear table" when there is none, with
// every character a file name cannot hold made a "-", and ".csv".
std::string SuggestedFileName(std::string_view setupName);

}  // namespace velomark::gears
