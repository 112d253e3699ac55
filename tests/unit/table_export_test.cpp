// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/table_export.h"

#include <gtest/gtest.h>

#include <string>

namespace velomark::gears {
namespace {

struct FieldCase {
    std::string text;
    std::string field;
};

class CsvFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField(GetParam().text), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvFieldTest,
    ::testing::Values(
        FieldCase{"66.3", "66.3"}, FieldCase{"", ""}, FieldCase{"Speed (km/h)", "Speed (km/h)"},
        FieldCase{" leading blank", " leading blank"}, FieldCase{"50,34", "\"50,34\""},
        FieldCase{"the \"Road\" bike", "\"the \"\"Road\"\" bike\""}, FieldCase{"\"", "\"\"\"\""},
        FieldCase{"two\nlines", "\"two\nlines\""}, FieldCase{"cr\rhere", "\"cr\rhere\""},
        FieldCase{"Développement", "Développement"}));

GridCell Cell(std::string text) {
    GridCell cell;
    cell.text = std::move(text);
    return cell;
}

GridTable TwoByTwo() {
    GridTable table;
    table.corner = "Gear inches";
    table.columnHeaders = {"53", "39"};
    table.rowHeaders = {"11", "12"};
    table.cells = {{Cell("126.6"), Cell("93.1")}, {Cell("116"), Cell("85.4")}};
    return table;
}

TEST(TableExport, TabSeparatedLinesEachEndWithALineFeed) {
    EXPECT_EQ(TabSeparatedText(TwoByTwo()),
              "Gear inches\t53\t39\n11\t126.6\t93.1\n12\t116\t85.4\n");
}

TEST(TableExport, CsvRecordsEachEndWithCarriageReturnAndLineFeed) {
    GridTable table = TwoByTwo();
    table.corner = "Gear inches, rounded";
    EXPECT_EQ(CsvText(table), "\"Gear inches, rounded\",53,39\r\n11,126.6,93.1\r\n12,116,85.4\r\n");
}

TEST(TableExport, AnEmptyTableIsItsCornerAlone) {
    EXPECT_EQ(TabSeparatedText(GridTable{}), "\n");
    EXPECT_EQ(CsvText(GridTable{}), "\r\n");
}

TEST(TableExport, SuggestedNamesHoldNothingAFileNameCannot) {
    EXPECT_EQ(SuggestedFileName(""), "Gear table.csv");
    EXPECT_EQ(SuggestedFileName("Road bike"), "Road bike.csv");
    EXPECT_EQ(SuggestedFileName("50/34 on 700c: \"best\"?"), "50-34 on 700c- -best--.csv");
    EXPECT_EQ(SuggestedFileName("a\\b|c<d>e*f\tg"), "a-b-c-d-e-f-g.csv");
}

}  // namespace
}  // namespace velomark::gears
