// SPDX-License-Identifier: GPL-3.0-or-later
// The field rules that tie the others together: patterns applied to a field's text, whole-number
// rounding and the message box.

#include "shell/field_rules.h"

#include <cmath>
#include <limits>

#include "shell/application.h"
#include "shell/control.h"
#include "shell/platform.h"

namespace velomark {

std::string FormatPattern(std::string_view text, std::string_view pattern) {
    if (pattern == kDatePattern) {
        const auto date = DateFromText(text);
        return date ? DateText(*date) : std::string(text);
    }
    const auto value = StrictNumber(text);
    return value ? FormatPattern(*value, pattern) : std::string(text);
}

std::optional<float> ToSingle(double value) {
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(value);
}

void TrimToPattern(TextField& field, std::string_view pattern) {
    field.setText(NumberText(LeadingNumber(FormatPattern(field.text(), pattern))));
}

template <class Whole>
std::optional<Whole> RoundHalfEven(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // value - floor(value) is exact, so a half is seen as exactly 0.5.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    // Rounded first, then checked: -32768.5 rounds to -32768 and fits an Integer.
    if (whole < static_cast<double>(std::numeric_limits<Whole>::min()) ||
        whole > static_cast<double>(std::numeric_limits<Whole>::max())) {
        return std::nullopt;
    }
    return static_cast<Whole>(whole);
}

template std::optional<std::int16_t> RoundHalfEven<std::int16_t>(double);
template std::optional<std::int32_t> RoundHalfEven<std::int32_t>(double);

double FloorWhole(double value) {
    return std::floor(value);
}
float FloorWhole(float value) {
    return std::floor(value);
}

void ShowMessage(Platform& platform, const std::string& text) {
    platform.showMessage(kApplicationTitle, text);
}

}  // namespace velomark
