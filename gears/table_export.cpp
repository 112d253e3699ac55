// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/table_export.h"

namespace velomark::gears {

std::string SuggestedFileName(std::string_view setupName) {
    return CsvFileName(setupName.empty() ? std::string_view("Gear table") : setupName);
}

}  // namespace velomark::gears
