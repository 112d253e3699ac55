// SPDX-License-Identifier: GPL-3.0-or-later
// Dates in fields: read day first, written dd/mm/yyyy.

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "shell/field_rules.h"

namespace velomark {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsSeparator(char c) {
    return c == '/' || c == '-' || c == '.';
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr std::array<std::string_view, 12> kMonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

// Walks a date text piece by piece.
class DateScanner {
  public:
    explicit DateScanner(std::string_view text) : text_(text) {}

    void skipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }
    bool atEnd() const { return pos_ == text_.size(); }

    // A run of 1 to maxDigits digits; nothing for a longer or missing run.
    std::optional<int> number(std::size_t maxDigits, std::size_t* length = nullptr) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_]))
            ++pos_;
        const std::size_t count = pos_ - start;
        if (count == 0 || count > maxDigits) return std::nullopt;
        int value = 0;
        for (std::size_t i = start; i < pos_; ++i)
            value = value * 10 + (text_[i] - '0');
        if (length) *length = count;
        return value;
    }

    // A month named in full or by its first three letters, any case.
    std::optional<int> monthName() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsLetter(text_[pos_]))
            ++pos_;
        std::string word;
        for (std::size_t i = start; i < pos_; ++i)
            word.push_back(Lower(text_[i]));
        for (std::size_t m = 0; m < kMonthNames.size(); ++m) {
            if (word == kMonthNames[m] || word == kMonthNames[m].substr(0, 3)) {
                return static_cast<int>(m) + 1;
            }
        }
        return std::nullopt;
    }

    enum class Gap { None, Blanks, Mark };
    // One of / - . with blanks around it, or blanks alone.
    Gap separator() {
        const std::size_t start = pos_;
        skipBlanks();
        if (pos_ < text_.size() && IsSeparator(text_[pos_])) {
            ++pos_;
            skipBlanks();
            return Gap::Mark;
        }
        return pos_ > start ? Gap::Blanks : Gap::None;
    }

    bool monthNameNext() const { return pos_ < text_.size() && IsLetter(text_[pos_]); }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// One- and two-digit years fall in 1930-2029; longer ones are taken as written.
int FullYear(int year, std::size_t digits) {
    if (digits > 2) return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

}  // namespace

std::optional<Date> DateFromText(std::string_view text) {
    DateScanner scan(text);
    scan.skipBlanks();
    const auto day = scan.number(2);
    if (!day) return std::nullopt;
    // A month name may follow the day after blanks alone ("15 June 1980"); a month number
    // needs a separator ("15/6/1980").
    using Gap = DateScanner::Gap;
    const Gap first = scan.separator();
    const bool named = scan.monthNameNext();
    if (first == Gap::None || (first == Gap::Blanks && !named)) return std::nullopt;
    const auto month = named ? scan.monthName() : scan.number(2);
    if (!month) return std::nullopt;
    const Gap second = scan.separator();
    if (second == Gap::None || (second == Gap::Blanks && !named)) return std::nullopt;
    std::size_t yearDigits = 0;
    const auto year = scan.number(4, &yearDigits);
    if (!year) return std::nullopt;
    scan.skipBlanks();
    if (!scan.atEnd()) return std::nullopt;
    const Date date{FullYear(*year, yearDigits), *month, *day};
    if (!IsValidDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

std::string DateText(Date date) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.day, date.month, date.year);
    return buffer;
}

int DateDiffYears(Date from, Date to) {
    return to.year - from.year;
}

int AgeOn(Date birth, Date day) {
    const bool birthdayCome =
        day.month > birth.month || (day.month == birth.month && day.day >= birth.day);
    return day.year - birth.year - (birthdayCome ? 0 : 1);
}

}  // namespace velomark
