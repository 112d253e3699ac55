// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules by which every window reads numbers from its fields, writes numbers into them,
// rounds, reads dates and shows messages.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/date.h"

namespace velomark {

class Platform;
class TextField;

// The number the text begins with. Blanks anywhere are skipped; a sign, digits, one ".", and an
// exponent (E or D with an optional sign) are taken; the first other character ends the number.
// Text with no number gives 0. It never fails: a value beyond the Double range reads as the
// largest Double of that sign, and one too small to hold reads as 0.
double LeadingNumber(std::string_view text);

// The whole text as a number, allowing blanks around it, a sign, "," thousands separators and
// an exponent; nothing when the text is empty, is not a number or is beyond the Double range.
std::optional<double> StrictNumber(std::string_view text);

// The shortest text of a number: at most 7 significant digits for a Single, 15 for a Double,
// plain digits for Integer and Long.
std::string NumberText(float value);
std::string NumberText(double value);
std::string NumberText(std::int16_t value);
std::string NumberText(std::int32_t value);

// NumberText and FormatPattern show inf and nan as 0, so a calculation that skipped its guard
// would go unseen; the listener, when set, hears of every such number (the fuzz harness sets it).
using NonFiniteListener = void (*)(double value);
void SetNonFiniteListener(NonFiniteListener listener);

// The number rounded half away from zero to the pattern's decimals ("0", "0.0" ... "0.0000"),
// judged on the digits a person sees (7 significant for a Single, 15 for a Double).
std::string FormatPattern(float value, std::string_view pattern);
std::string FormatPattern(double value, std::string_view pattern);
// The pattern a date field's text is rewritten in.
inline constexpr std::string_view kDatePattern = "dd/mm/yyyy";
// A field's text through a number pattern, or through kDatePattern; text that does not read as
// a number (or as a date) comes back unchanged.
std::string FormatPattern(std::string_view text, std::string_view pattern);

// Rewrites the field's text with at most the pattern's decimals and no trailing zeros.
void TrimToPattern(TextField& field, std::string_view pattern);

// The nearest whole number, halves to the even neighbour; nothing when the result does not fit
// the type (Integer = std::int16_t, Long = std::int32_t) or the value is not a number.
template <class Whole>
std::optional<Whole> RoundHalfEven(double value);
extern template std::optional<std::int16_t> RoundHalfEven<std::int16_t>(double);
extern template std::optional<std::int32_t> RoundHalfEven<std::int32_t>(double);

// The value kept as a Single, or nothing when it is not a number or lies beyond the Single
// range: such a value would show as inf.
std::optional<float> ToSingle(double value);

// The largest whole number not above the value.
double FloorWhole(double value);
float FloorWhole(float value);

// The date the text names, day first: 15/06/1980, 15/6/80, 15-6-1980, 15.6.1980,
// 15 June 1980, 15 Jun 80. Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. A date that
// does not exist (31/02/2001) is no date.
std::optional<Date> DateFromText(std::string_view text);
// The date as dd/mm/yyyy.
std::string DateText(Date date);
// How many calendar-year boundaries lie between the two dates (31/12/2003 to 01/01/2004 is 1).
int DateDiffYears(Date from, Date to);
// Age in whole years on the day: one fewer until the birthday has come that year, counting the
// birthday itself (born on 29 February, one is a year older on 1 March of a common year).
int AgeOn(Date birth, Date day);

// A modal box with the text, OK and the program's title; returns when OK is pressed.
void ShowMessage(Platform& platform, const std::string& text);

}  // namespace velomark
