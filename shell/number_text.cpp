// Writing numbers as a rider sees them: NumberText and FormatPattern of a number.
//
// Every text starts from the exact decimal value of the binary number, rounded by hand: the C
// library rounds ties to even, while a field rounds them away from zero (654322.25 shows as
// 654322.3).

#include <cmath>
#include <cstdio>
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

// The exact value of a finite double; a double has at most 767 significant decimal digits.
Decimal ExactDecimal(double value) {
    Decimal d;
    if (!std::isfinite(value)) {
        if (nonFiniteListener) nonFiniteListener(value);
        return d;
    }
    if (value == 0.0) return d;
    char buffer[900];
    std::snprintf(buffer, sizeof buffer, "%.800e", value);
    std::string_view text(buffer);
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    d.digits.push_back(text[0]);
    d.digits.append(text.substr(2, e - 2));
    d.exponent = std::stoi(std::string(text.substr(e + 1)));
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

Decimal RoundedSignificant(double value, int significant) {
    Decimal d = ExactDecimal(value);
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
