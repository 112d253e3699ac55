// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/field_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "shell/application.h"
#include "shell/control.h"
#include "shell/form.h"
#include "tools/harness/recording_platform.h"

namespace velomark {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <class Value>
struct Case {
    Value value;
    std::string expected;
};

class OneFieldForm : public Form {
  public:
    explicit OneFieldForm(Application& app) : Form(app, "frmTest", "Test"), txtValue(*this, "t") {}
    TextField txtValue;
};

// Tables are laid out several cases to a line.
// clang-format off

TEST(NumberText, SingleShowsSevenSignificantDigits) {
    const std::vector<Case<float>> cases = {
        {0.5f, "0.5"}, {0.00005f, "0.00005"}, {0.000005f, "0.000005"}, {3.14159265f, "3.141593"},
        {12.3456789f, "12.34568"}, {123.45678901f, "123.4568"}, {1234.56789012f, "1234.568"},
        {654322.25f, "654322.3"}, {-654322.25f, "-654322.3"}, {75.3421115f, "75.34211"},
        {75.3421555f, "75.34216"}, {26.266832f, "26.26683"}, {1.0E8f, "1E+08"}, {1.0E12f, "1E+12"},
        {1.2E15f, "1.2E+15"}, {12345678.0f, "1.234568E+07"}, {9999999.0f, "9999999"},
        {-0.0f, "0"}, {0.0123456f, "0.0123456"}, {0.01234567f, "1.234567E-02"}};
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.expected) << c.expected;
}

TEST(NumberText, DoubleShowsFifteenSignificantDigits) {
    const std::vector<Case<double>> cases = {
        {0.56789, "0.56789"}, {5.6789E-6, "0.0000056789"}, {5.6789E-11, "0.000000000056789"},
        {5.6789E-12, "5.6789E-12"}, {-5.6789E-12, "-5.6789E-12"}, {1.0E14, "100000000000000"},
        {999999999999999.0, "999999999999999"}, {999999999999999.5, "1E+15"}, {1.0E15, "1E+15"},
        {1.234E16, "1.234E+16"}, {3.14159265359, "3.14159265359"},
        {3.141592653589793, "3.14159265358979"}, {12.345678901234567, "12.3456789012346"},
        {1234.567890123456789, "1234.56789012346"}, {437.324, "437.324"},
        {5.2174072265625, "5.2174072265625"}, {0.1 + 0.2, "0.3"}, {1.0 / 3.0, "0.333333333333333"},
        {1.0 / 30.0, "3.33333333333333E-02"}, {-0.0, "0"}, {kLargest, "1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        // Their shortest digits end in a 5, yet the Doubles lie below the half (the second
        // by less than a ten-thousandth of the last digit shown).
        {1.000000000000145, "1.00000000000014"}, {1.000000000000695, "1.00000000000069"}};
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.expected) << c.expected;
}

TEST(NumberText, NonFiniteShowsZero) {
    EXPECT_EQ(NumberText(kNan), "0");
    EXPECT_EQ(NumberText(-kInf), "0");
    EXPECT_EQ(NumberText(static_cast<float>(kInf)), "0");
}

struct PatternCase {
    double value;
    const char* pattern;
    std::string expected;
};

TEST(FormatPattern, RoundsShownDigitsHalfAwayFromZero) {
    const std::vector<PatternCase> cases = {
        {2.25, "0.0", "2.3"}, {2.675, "0.00", "2.68"}, {0.075, "0.00", "0.08"},
        {23.675, "0.00", "23.68"}, {-1.57, "0.00", "-1.57"}, {1.7, "0", "2"},
        {9.9999999, "0.000000", "10.000000"}, {1, "0.0", "1.0"}, {0, "0.0", "0.0"},
        {-0.0004, "0.000", "0.000"}, {-0.04, "0.0", "0.0"}, {2.5, "0", "3"}, {3.5, "0", "4"},
        {-2.5, "0", "-3"}, {0.5, "0", "1"}, {1E20, "0.00", "100000000000000000000.00"},
        {kNan, "0.00", "0.00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPattern(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
    }
}

TEST(FormatPattern, FieldText) {
    const std::vector<std::vector<std::string>> cases = {  // text, pattern, result
        {"2.675", "0.00", "2.68"}, {" 2.25 ", "0.0", "2.3"}, {"1,000", "0.0", "1000.0"},
        {"1e3", "0.0", "1000.0"}, {"-.5", "0", "-1"}, {"12.5km", "0.0", "12.5km"},
        {"1 000", "0.0", "1 000"}, {"", "0.00", ""}, {"15/6/80", "dd/mm/yyyy", "15/06/1980"},
        {"15 Jun 1980", "dd/mm/yyyy", "15/06/1980"}, {"31/02/2001", "dd/mm/yyyy", "31/02/2001"},
        {"12.5", "dd/mm/yyyy", "12.5"}};
    for (const auto& c : cases) EXPECT_EQ(FormatPattern(c[0], c[1]), c[2]) << c[0];
}

TEST(FormatPattern, SingleIsJudgedOnItsSevenDigits) {
    // 2.675f is 2.67499995...: seven digits show 2.675, fifteen would show 2.67499995231628.
    EXPECT_EQ(FormatPattern(2.675f, "0.00"), "2.68");
    EXPECT_EQ(FormatPattern(static_cast<double>(2.675f), "0.00"), "2.67");
    EXPECT_EQ(FormatPattern(26.266832f, "0.000"), "26.267");
}

TEST(TrimToPattern, WritesBackAtMostThePatternsDecimals) {
    RecordingPlatform platform;
    Application app(platform);
    OneFieldForm form(app);
    const std::vector<std::vector<std::string>> cases = {
        // text, pattern, result
        {"17.5", "0.000", "17.5"},     {"4", "0.0000", "4"},      {"90.0", "0.0", "90"},
        {"2.675", "0.00", "2.68"},     {"-0.0004", "0.000", "0"}, {"", "0.0", "0"},
        {"abc", "0.0", "0"},           {"12.5km", "0.0", "12.5"}, {"1 000", "0.0", "1000"},
        {"1,000.55", "0.0", "1000.6"}, {"1E20", "0.00", "1E+20"}};
    for (const auto& c : cases) {
        form.txtValue.assignQuietly(c[0]);
        TrimToPattern(form.txtValue, c[1]);
        EXPECT_EQ(form.txtValue.text(), c[2]) << c[0];
    }
}

TEST(LeadingNumber, ReadsTheNumberTheTextBeginsWith) {
    const std::vector<Case<std::string>> cases = {
        {"    1615 198th Street N.E.", "1615198"}, {" 2 45 7", "2457"}, {"24 and 57", "24"},
        {"02/04/2010", "2"}, {"130.75", "130.75"}, {"50 Park Lane", "50"}, {"50%", "50"},
        {"L13.5", "0"}, {"sometext", "0"}, {"", "0"}, {"+", "0"}, {"e5", "0"}, {"+1", "1"},
        {"1. 1", "1.1"}, {"1..1", "1"}, {"1.1.1", "1.1"}, {"1e+1+", "10"}, {"1eA", "1"},
        {"1.1e +3", "1100"}, {"1D2", "100"}, {"1d-2", "0.01"}, {"1e3", "1000"}, {"-.5", "-0.5"},
        {"- 5", "-5"}, {"12.5km", "12.5"}, {"1 000", "1000"}, {"1,000", "1"},
        {"\t1\t000", "1000"}, {"2\r\n5", "25"}};
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(LeadingNumber(c.value)), c.expected) << c.value;
    }
}

TEST(LeadingNumber, ExtremesStayFiniteAndBounded) {
    EXPECT_EQ(LeadingNumber("1e999999999999"), kLargest);
    EXPECT_EQ(LeadingNumber("-1e999999999999999999999999"), -kLargest);
    EXPECT_EQ(LeadingNumber("2e308"), kLargest);
    EXPECT_EQ(LeadingNumber("1e-999999999999"), 0.0);
    EXPECT_EQ(LeadingNumber("1" + std::string(10000, '0')), kLargest);
    EXPECT_EQ(LeadingNumber("0." + std::string(10000, '0') + "1"), 0.0);
    EXPECT_EQ(LeadingNumber("0." + std::string(10000, '9')), 1.0);
    EXPECT_EQ(LeadingNumber("1" + std::string(10000, '0') + "e-10000"), 1.0);
    // 2^53 + 1 lies exactly between two Doubles: it goes to the even one, while a non-zero
    // digit far down the text tips it up.
    EXPECT_EQ(LeadingNumber("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(LeadingNumber("9007199254740993." + std::string(1000, '0') + "1"),
              9007199254740994.0);
}

TEST(StrictNumber, ReadsTheWholeText) {
    const std::vector<Case<std::string>> cases = {
        {"12.5", "12.5"}, {"  -12.5  ", "-12.5"}, {"+3", "3"}, {"1,000", "1000"},
        {"1,234,567.5", "1234567.5"}, {".5", "0.5"}, {"5.", "5"}, {"1E-3", "0.001"},
        {"1D2", "100"}, {"1e-400", "0"}, {std::string(5000, '0') + "7", "7"}};
    for (const auto& c : cases) {
        const auto value = StrictNumber(c.value);
        ASSERT_TRUE(value.has_value()) << c.value;
        EXPECT_EQ(NumberText(*value), c.expected) << c.value;
    }
}

TEST(StrictNumber, RefusesAnythingElse) {
    const std::vector<std::string> cases = {
        "", " ", "abc", "12.5km", "1.2.3", "1e", "1e+", ",5", "1,", "1 000", "-", ".", "+-1",
        "1e400", "-1e400", "1e999999999999", "$5"};
    for (const auto& text : cases) EXPECT_FALSE(StrictNumber(text).has_value()) << text;
}

template <class Whole>
struct RoundCase {
    double value;
    std::optional<Whole> expected;
};

TEST(RoundHalfEven, IntegerRoundsThenChecksTheRange) {
    const std::vector<RoundCase<std::int16_t>> cases = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-0.6, -1},
        {2345.5678, 2346}, {32767.49, 32767}, {32767.5, std::nullopt}, {-32768.5, -32768},
        {-32768.51, std::nullopt}, {-32769, std::nullopt}, {kNan, std::nullopt},
        {kInf, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven<std::int16_t>(c.value), c.expected) << c.value;
    }
}

TEST(RoundHalfEven, LongRoundsThenChecksTheRange) {
    const std::vector<RoundCase<std::int32_t>> cases = {
        {2147483647.5, std::nullopt}, {-2147483648.5, -2147483648}, {25427.45, 25427},
        {25427.55, 25428}, {32767.5, 32768}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven<std::int32_t>(c.value), c.expected) << c.value;
    }
}

TEST(ToSingle, TakesTheLargestSingleAndNothingBeyond) {
    constexpr float kLargestSingle = std::numeric_limits<float>::max();
    EXPECT_EQ(ToSingle(kLargestSingle), kLargestSingle);
    EXPECT_EQ(ToSingle(-double{kLargestSingle}), -kLargestSingle);
    EXPECT_FALSE(ToSingle(std::nextafter(double{kLargestSingle}, kInf)).has_value());
    EXPECT_FALSE(ToSingle(kNan).has_value());
}

TEST(FloorWhole, TakesTheWholeNumberBelow) {
    const std::vector<std::vector<double>> floors = {
        {-1.5, -2}, {-1.4, -2}, {-99.8, -100}, {-8.4, -9}, {-2.5, -3}, {2.5, 2}};
    for (const auto& c : floors) {
        EXPECT_EQ(FloorWhole(c[0]), c[1]);
        EXPECT_EQ(FloorWhole(static_cast<float>(c[0])), static_cast<float>(c[1]));
    }
}

TEST(DateFromText, ReadsDayFirst) {
    const std::vector<Case<std::string>> cases = {
        {"15/06/1980", "15/06/1980"}, {"15/6/80", "15/06/1980"}, {"15-6-1980", "15/06/1980"},
        {"15.6.1980", "15/06/1980"}, {" 15 / 6 / 1980 ", "15/06/1980"},
        {"15 June 1980", "15/06/1980"}, {"15 Jun 80", "15/06/1980"}, {"15 JUNE 1980", "15/06/1980"},
        {"15-jun-1980", "15/06/1980"}, {"1/1/00", "01/01/2000"}, {"1/1/0", "01/01/2000"},
        {"31/12/29", "31/12/2029"}, {"1/1/30", "01/01/1930"}, {"1/1/99", "01/01/1999"},
        {"1/1/100", "01/01/0100"}, {"31/12/9999", "31/12/9999"}, {"29/02/2000", "29/02/2000"},
        {"1 APR 2020", "01/04/2020"}, {"3 august 21", "03/08/2021"},
        {"9\tJan\t2000", "09/01/2000"}};
    for (const auto& c : cases) {
        const auto date = DateFromText(c.value);
        ASSERT_TRUE(date.has_value()) << c.value;
        EXPECT_EQ(DateText(*date), c.expected) << c.value;
    }
}

TEST(DateFromText, RefusesWhatNamesNoDate) {
    const std::vector<std::string> cases = {
        "31/02/2001", "29/02/2001", "29/02/1900", "00/01/2000", "1/13/2000", "", "abc", "15/06",
        "15/06/1980x", "15 6 1980", "15 Juni 1980", "15June1980", "123/1/2000", "001/1/2000",
        "1/1/099", "1/1/99x", "1/1/12345", "1/1/01999", "1/1/" + std::string(10000, '9'),
        std::string(10000, '1') + "/1/2000"};
    for (const auto& text : cases) EXPECT_FALSE(DateFromText(text).has_value()) << text;
}

TEST(AgeOn, CountsTheBirthdayFromTheDayItself) {
    struct Row { Date birth; Date day; int age; };
    const std::vector<Row> rows = {
        {{1950, 6, 15}, {2004, 6, 15}, 54},  // the birthday itself
        {{1950, 6, 15}, {2004, 6, 14}, 53},  // the day before
        {{1950, 6, 15}, {2004, 7, 1}, 54},   {{1950, 6, 15}, {2004, 5, 31}, 53},
        {{1950, 6, 15}, {2004, 1, 1}, 53},   {{1950, 6, 15}, {2004, 12, 31}, 54},
        {{2000, 2, 29}, {2024, 2, 29}, 24},  // born on a leap day: a leap year's birthday
        {{2000, 2, 29}, {2024, 2, 28}, 23},
        {{2000, 2, 29}, {2023, 2, 28}, 22},  // a common year has none until 1 March
        {{2000, 2, 29}, {2023, 3, 1}, 23},
        {{1999, 12, 31}, {2000, 1, 1}, 0},   // year ends
        {{1999, 12, 31}, {2000, 12, 30}, 0}, {{1999, 12, 31}, {2000, 12, 31}, 1},
        {{2000, 1, 1}, {2000, 12, 31}, 0},   {{2000, 1, 1}, {2001, 1, 1}, 1},
        {{2004, 6, 15}, {2004, 6, 15}, 0},   {{2004, 6, 15}, {2004, 6, 14}, -1},
        {{100, 1, 1}, {9999, 12, 31}, 9899},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(AgeOn(r.birth, r.day), r.age) << DateText(r.birth) << " on " << DateText(r.day);
    }
}

TEST(DateDiffYears, CountsYearBoundaries) {
    EXPECT_EQ(DateDiffYears({2003, 12, 31}, {2004, 1, 1}), 1);
    EXPECT_EQ(DateDiffYears({2003, 11, 22}, {2013, 11, 22}), 10);
    EXPECT_EQ(DateDiffYears({2004, 1, 1}, {2004, 12, 31}), 0);
}

TEST(IsValidDate, KnowsEveryMonthsLength) {
    // Every year from 100 to 9999 has 365 days, or 366 when it is a leap year; none outside.
    for (int year = 99; year <= 10000; ++year) {
        int days = 0;
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day)
                days += IsValidDate(year, month, day) ? 1 : 0;
        }
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        const int expected = year < 100 || year > 9999 ? 0 : leap ? 366 : 365;
        ASSERT_EQ(days, expected) << year;
    }
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 4, 31));
}

TEST(ShowMessage, UsesTheProgramTitle) {
    RecordingPlatform platform;
    ShowMessage(platform, "Seconds must be less than 60");
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].title, "Velomark (Lite)");
    EXPECT_EQ(platform.messages()[0].text, "Seconds must be less than 60");
}

// clang-format on

}  // namespace
}  // namespace velomark
