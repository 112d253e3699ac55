// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/input_rules.h"

#include "shell/field_rules.h"

namespace velomark::power {

std::optional<double> ReadNumber(std::string_view text, const NumberRule& rule) {
    const std::optional<double> number = StrictNumber(text);
    if (!number) return std::nullopt;
    const bool aboveLeast = rule.leastAllowed ? *number >= rule.least : *number > rule.least;
    if (!aboveLeast || !(*number <= rule.most)) return std::nullopt;
    return number;
}

}  // namespace velomark::power
