// SPDX-License-Identifier: GPL-3.0-or-later
// Writing numbers as a rider sees them: NumberText and FormatPattern of a number.
//
// A field rounds half away from zero on the digits of the exact decimal value of the binary
// number, where the C library rounds ties to even (654322.25 shows as 654322.3). Printing every
// exact digit is slow, so the rounding is decided from the shortest digits that read back as the
// number, or else from four digits past the kept ones; only a tie, or very nearly one, needs the
// full exact digits.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "shell/field_rules.h"

namespace velomark {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// A decimal number d1.d2d3... x 10^exponent. No leading or trailing zero digits; no digits at
// all means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

void StripTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d = Decimal{};
}

NonFiniteListener nonFiniteListener = nullptr;

// d1.d2d3...e+XX (or d1e+XX) as printed in scientific notation, digits kept as printed.
Decimal ScientificDecimal(std::string_view text) {
    Decimal d;
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    d.digits.push_back(text[0]);
    if (e > 1) d.digits.append(text.substr(2, e - 2));
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+') exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.exponent);
    return d;
}

// The exact value of a finite double; a double has at most 767 significant decimal digits.
Decimal ExactDecimal(double value) {
    char buffer[900];
    std::snprintf(buffer, sizeof buffer, "%.800e", value);
    Decimal d = ScientificDecimal(buffer);
    StripTrailingZeros(d);
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the digit after them.
void RoundAfter(Decimal& d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d = Decimal{};
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            // All nines (or nothing kept): the carry makes a new leading 1.
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    StripTrailingZeros(d);
}

// Whether the digits beyond the first `significant` ones, which lie within `margin`
// ten-thousandths of a unit of the last kept digit from the exact ones, settle its rounding:
// they must not come that close to a half.
bool RoundingSettled(const Decimal& d, int significant, int margin) {
    int tail = 0;  // the first four digits after the kept ones, in ten-thousandths
    for (int i = 0; i < 4; ++i) {
        const std::size_t at = static_cast<std::size_t>(significant + i);
        tail = tail * 10 + (at < d.digits.size() ? d.digits[at] - '0' : 0);
    }
    return tail >= 5000 + margin || tail + 1 + margin <= 5000;
}

// The shortest digits that read back as a normal Double lie within half a binary step of it:
// under 0.12 of a unit in the 15th significant digit (10 x 2^-53 < 1.2e-15), in
// ten-thousandths of a unit of the last kept digit and rounded up.
int ShortestDigitsMargin(int significant) {
    int margin = 1200;
    for (int kept = significant; kept < kDoubleDigits; ++kept)
        margin = (margin + 9) / 10;
    return margin;
}

// The first `significant` digits of the exact value, rounded half away from zero. Printing
// the whole exact value is slow, so the shortest digits of the value decide when they are
// clearly on one side of a half; then digits printed to four places beyond the kept ones,
// which are within half a unit of the last of them; only a tie or very nearly one (a tail of
// 4999 or 5000) needs every digit.
Decimal RoundedSignificant(double value, int significant) {
    static_assert(kDoubleDigits <= 15, "the shortest digits are close enough to 15 digits only");
    if (!std::isfinite(value)) {
        if (nonFiniteListener) nonFiniteListener(value);
        return {};
    }
    if (value == 0.0) return {};
    char buffer[64];
    if (std::fabs(value) >= std::numeric_limits<double>::min()) {
        const auto shortest =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
        Decimal d = ScientificDecimal(std::string_view(buffer, shortest.ptr - buffer));
        if (static_cast<int>(d.digits.size()) <= significant ||
            RoundingSettled(d, significant, ShortestDigitsMargin(significant))) {
            RoundAfter(d, significant);
            return d;
        }
    }
    // The same text as printf's "%.*e", many times faster.
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, significant + 3);
    Decimal d = ScientificDecimal(std::string_view(buffer, printed.ptr - buffer));
    if (!RoundingSettled(d, significant, 1)) d = ExactDecimal(value);
    RoundAfter(d, significant);
    return d;
}

char DigitAt(const Decimal& d, int position) {
    const int index = d.exponent - position;
    if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
    return d.digits[index];
}

std::string FixedText(const Decimal& d, int decimals) {
    std::string text;
    if (d.negative && !d.digits.empty()) text.push_back('-');
    for (int position = d.exponent > 0 ? d.exponent : 0; position >= 0; --position) {
        text.push_back(DigitAt(d, position));
    }
    if (decimals > 0) {
        text.push_back('.');
        for (int position = -1; position >= -decimals; --position) {
            text.push_back(DigitAt(d, position));
        }
    }
    return text;
}

std::string ExponentText(const Decimal& d) {
    std::string text;
    if (d.negative) text.push_back('-');
    text.push_back(d.digits[0]);
    if (d.digits.size() > 1) {
        text.push_back('.');
        text.append(d.digits, 1);
    }
    text.append(d.exponent < 0 ? "E-" : "E+");
    const std::string exponent = std::to_string(d.exponent < 0 ? -d.exponent : d.exponent);
    if (exponent.size() < 2) text.push_back('0');
    text.append(exponent);
    return text;
}

// Fixed notation while the whole part fits the precision and every significant digit fits
// within that many decimal places; exponent notation otherwise.
std::string ShortestText(double value, int precision) {
    const Decimal d = RoundedSignificant(value, precision);
    if (d.digits.empty()) return "0";
    const int lastPosition = d.exponent - static_cast<int>(d.digits.size()) + 1;
    if (d.exponent >= precision || lastPosition < -precision) return ExponentText(d);
    return FixedText(d, lastPosition < 0 ? -lastPosition : 0);
}

int PatternDecimals(std::string_view pattern) {
    const auto point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

// Rounds the digits a person sees, not the binary value: 2.675 is stored a hair below 2.675
// yet shows as 2.675, so it goes to 2.68.
std::string PatternText(double value, int significant, std::string_view pattern) {
    const int decimals = PatternDecimals(pattern);
    Decimal d = RoundedSignificant(value, significant);
    RoundAfter(d, d.exponent + decimals + 1);
    return FixedText(d, decimals);
}

}  // namespace

void SetNonFiniteListener(NonFiniteListener listener) {
    nonFiniteListener = listener;
}

// A field never receives inf or nan (the calculations refuse such results before writing), so
// these show as 0 rather than as a text no field could read back.
std::string NumberText(float value) {
    return ShortestText(value, kSingleDigits);
}
std::string NumberText(double value) {
    return ShortestText(value, kDoubleDigits);
}
std::string NumberText(std::int16_t value) {
    return std::to_string(value);
}
std::string NumberText(std::int32_t value) {
    return std::to_string(value);
}

std::string FormatPattern(float value, std::string_view pattern) {
    return PatternText(value, kSingleDigits, pattern);
}

std::string FormatPattern(double value, std::string_view pattern) {
    return PatternText(value, kDoubleDigits, pattern);
}

}  // namespace velomark
