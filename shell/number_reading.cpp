// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers from field texts: LeadingNumber and StrictNumber. The decimal point is always
// ".", whatever the machine's locale, and no text can make either one fail, hang or overflow.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "shell/field_rules.h"

namespace velomark {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsExponentMark(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// Past this many decimal places an exponent cannot change what a Double holds.
constexpr std::int64_t kExponentCap = 1'000'000'000;
// More mantissa digits than this never change the nearest Double, except to break an exact
// tie, which one extra non-zero digit keeps.
constexpr std::size_t kDigitCap = 800;

// A number as read from text: mantissa digits x 10^scale, with its sign.
class NumberReader {
  public:
    void sign(bool negative) { negative_ = negative; }
    void mantissaDigit(char c, bool afterPoint) {
        if (afterPoint) --scale_;
        if (c == '0' && mantissa_.empty()) return;  // a leading zero adds nothing
        if (mantissa_.size() < kDigitCap) {
            mantissa_.push_back(c);
        } else {
            ++scale_;
            if (c != '0') sticky_ = true;
        }
    }
    void exponentDigit(char c) { exponent_ = std::min(exponent_ * 10 + (c - '0'), kExponentCap); }
    void exponentSign(bool negative) { exponentNegative_ = negative; }

    struct Result {
        double value = 0.0;
        bool overflow = false;
    };

    Result value() const {
        if (mantissa_.empty()) return {};
        std::string digits = mantissa_;
        std::int64_t scale = scale_ + (exponentNegative_ ? -exponent_ : exponent_);
        if (sticky_) {
            digits.push_back('1');
            --scale;
        }
        // Digits before the point: far beyond either end of the Double range, skip the work.
        const std::int64_t magnitude = scale + static_cast<std::int64_t>(digits.size());
        if (magnitude > 400) return Overflow();
        if (magnitude < -400) return {};
        digits.push_back('e');
        digits.append(std::to_string(scale));
        double value = 0.0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        (void)end;
        if (error == std::errc::result_out_of_range) {
            return magnitude > 0 ? Overflow() : Result{};
        }
        return {negative_ ? -value : value, false};
    }

  private:
    Result Overflow() const {
        const double largest = std::numeric_limits<double>::max();
        return {negative_ ? -largest : largest, true};
    }

    bool negative_ = false;
    std::string mantissa_;
    std::int64_t scale_ = 0;
    bool sticky_ = false;
    std::int64_t exponent_ = 0;
    bool exponentNegative_ = false;
};

// Up to 15 significant digits and 22 decimal places: the digits as a whole number and the
// power of ten are both exact in a Double, so one division rounds the same as a full reading.
constexpr int kQuickDigits = 15;
constexpr int kQuickDecimals = 22;
constexpr double kPowersOfTen[kQuickDecimals + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

struct QuickReading {
    double value = 0.0;
    std::size_t end = 0;  // where the number stops
    bool anyDigit = false;
};

// The common field text, such as "27.027" or "-3": a sign, digits and a point, read up to the
// first other character without building the full reading. Nothing when it has more digits
// than the quick reading holds; the caller decides whether the character it stopped at (a
// blank, an exponent, a separator) needs the full reading.
std::optional<QuickReading> ReadQuickly(std::string_view text) {
    QuickReading reading;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            reading.anyDigit = true;
            if (afterPoint) ++decimals;
            if (whole == 0 && c == '0') continue;  // a leading zero adds nothing
            if (++digits > kQuickDigits) return std::nullopt;
            whole = whole * 10 + (c - '0');
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
    }
    if (decimals > kQuickDecimals) return std::nullopt;
    reading.end = i;
    if (whole != 0) {
        const double value = static_cast<double>(whole) / kPowersOfTen[decimals];
        reading.value = negative ? -value : value;
    }
    return reading;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    // A blank may join more digits on, and an exponent needs the full reading.
    const auto quick = ReadQuickly(text);
    if (quick && (quick->end == text.size() ||
                  (!IsBlank(text[quick->end]) && !IsExponentMark(text[quick->end])))) {
        return quick->value;
    }
    // Blanks anywhere are skipped, so read the text with them taken out.
    std::string s;
    for (char c : text) {
        if (!IsBlank(c)) s.push_back(c);
    }
    NumberReader reader;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) reader.sign(s[i++] == '-');
    bool afterPoint = false;
    bool anyDigit = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            reader.mantissaDigit(s[i], afterPoint);
            anyDigit = true;
        } else if (s[i] == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
    }
    if (anyDigit && i < s.size() && IsExponentMark(s[i])) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) reader.exponentSign(s[i++] == '-');
        for (; i < s.size() && IsDigit(s[i]); ++i)
            reader.exponentDigit(s[i]);
    }
    return reader.value().value;
}

// A value too small to hold reads as 0, as a typed 1E-400 would on any calculator.
std::optional<double> StrictNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (const auto quick = ReadQuickly(text);
        quick && quick->anyDigit && quick->end == text.size()) {
        return quick->value;
    }
    NumberReader reader;
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < text.size() ? text[k] : '\0'; };
    if (at(i) == '+' || at(i) == '-') reader.sign(text[i++] == '-');
    bool anyDigit = false;
    // Whole part: digits, with "," thousands separators between them.
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            reader.mantissaDigit(text[i], false);
            anyDigit = true;
        } else if (text[i] == ',' && anyDigit && IsDigit(at(i + 1))) {
            continue;
        } else {
            break;
        }
    }
    if (at(i) == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            reader.mantissaDigit(text[i], true);
            anyDigit = true;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (IsExponentMark(at(i))) {
        ++i;
        if (at(i) == '+' || at(i) == '-') reader.exponentSign(text[i++] == '-');
        if (!IsDigit(at(i))) return std::nullopt;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            reader.exponentDigit(text[i]);
    }
    if (i != text.size()) return std::nullopt;
    const auto result = reader.value();
    if (result.overflow) return std::nullopt;
    return result.value;
}

}  // namespace velomark
