// SPDX-License-Identifier: GPL-3.0-or-later
// What the gear table shows besides its cells' texts: the ladder chart, the cells' tips, the
// stem card and the way to the window.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "gears/gear_figures.h"
#include "gears/gear_table.h"
#include "gears/stem_card.h"
#include "shell/chart.h"
#include "shell/field_rules.h"
#include "shell/grid.h"
#include "shell/main_menu.h"
#include "tools/harness/program.h"

namespace velomark::gears {
namespace {

class GearTableResults : public ::testing::Test {
  protected:
    GearTableResults() : program(RegisterCalculators) {
        program.start();
        window = &program.open(GearTable::kName);
    }

    void enter(const char* field, const std::string& text) {
        window->type(program.textField(field), text);
        window->leave();
    }
    void pick(const char* list, const std::string& item) { window->pick(program.list(list), item); }
    const Grid& grid() const { return static_cast<const Grid&>(program.control("grdGears")); }
    const ChartData& chart() const {
        return static_cast<const Chart&>(program.control("picLadder")).data();
    }

    harness::Program program;
    Form* window = nullptr;
};

TEST_F(GearTableResults, TheLadderHasALanePerChainringWithEveryGearWhereItsCellSays) {
    enter("txtChainrings", "50/34");
    enter("txtSprockets", "11-12-13");
    pick("cboWheelsize", "700 x 25c *");
    enter("txtRollout", "7.93");
    const ChartData& data = chart();
    EXPECT_EQ(data.axisTitle, "Gear inches");
    ASSERT_EQ(data.lanes.size(), 2u);
    EXPECT_EQ(data.lanes[0].name, "50");
    EXPECT_EQ(data.lanes[1].name, "34");
    const std::vector<double> values50{119.9, 109.9, 101.5};
    const std::vector<double> values34{81.5, 74.7, 69};
    for (std::size_t lane = 0; lane < 2; ++lane) {
        const auto& marks = data.lanes[lane].marks;
        ASSERT_EQ(marks.size(), 3u);
        for (std::size_t i = 0; i < marks.size(); ++i) {
            EXPECT_EQ(marks[i].label, grid().cellText(static_cast<int>(i) + 1, 0));
            EXPECT_DOUBLE_EQ(marks[i].value, (lane == 0 ? values50 : values34)[i]);
            // Over the limit on the big ring only.
            EXPECT_EQ(marks[i].flagged, lane == 0);
            EXPECT_GT(marks[i].value, data.low);
            EXPECT_LT(marks[i].value, data.high);
        }
    }
    EXPECT_GE(data.low, 0);
    EXPECT_LT(data.high, 130);

    pick("cboUnits", "Development (m)");
    EXPECT_EQ(chart().axisTitle, "Development (m)");
    EXPECT_DOUBLE_EQ(chart().lanes[0].marks[0].value, 9.568);
    EXPECT_DOUBLE_EQ(chart().lanes[1].marks[2].value, 5.505);

    // No cadence yet: no gears to draw.
    pick("cboUnits", "Speed (km/h)");
    EXPECT_TRUE(chart().lanes.empty());
    enter("txtCadence", "90");
    EXPECT_DOUBLE_EQ(chart().lanes[0].marks[0].value, 51.7);
}

TEST_F(GearTableResults, ALoneGearStillHasAnAxisRoundIt) {
    enter("txtChainrings", "48");
    enter("txtSprockets", "15");
    pick("cboWheelsize", "27");
    ASSERT_EQ(chart().lanes.size(), 1u);
    const double value = chart().lanes[0].marks[0].value;
    EXPECT_DOUBLE_EQ(value, 86.4);
    EXPECT_LT(chart().low, value);
    EXPECT_GT(chart().high, value);
}

// 53 x 19 and 39 x 14 differ by a seventh of a percent; 53 x 11 has nothing near it on 39.
TEST_F(GearTableResults, NearDuplicatesOnTheOtherChainringAreMarkedAndNamed) {
    enter("txtChainrings", "53/39");
    pick("cboCassette", "11-25");
    pick("cboWheelsize", "700 x 23c *");
    const auto& big = chart().lanes[0].marks;
    const auto& small = chart().lanes[1].marks;
    EXPECT_TRUE(big[7].close);    // 53 x 19
    EXPECT_TRUE(small[3].close);  // 39 x 14
    EXPECT_FALSE(big[0].close);   // 53 x 11
    EXPECT_NE(grid().cellTip(8, 1).find("Within 2 % of 39 x 14"), std::string::npos)
        << grid().cellTip(8, 1);
    EXPECT_NE(grid().cellTip(4, 2).find("53 x 19"), std::string::npos) << grid().cellTip(4, 2);
    EXPECT_EQ(grid().cellTip(1, 1).find("Within"), std::string::npos) << grid().cellTip(1, 1);
    // One chainring has no other to be close to.
    enter("txtChainrings", "53");
    for (const ChartMark& mark : chart().lanes[0].marks)
        EXPECT_FALSE(mark.close) << mark.label;
}

TEST_F(GearTableResults, EachTipNamesItsGearAndTheStepFromTheSprocketAbove) {
    enter("txtChainrings", "53/39");
    enter("txtSprockets", "19-21-11");
    pick("cboWheelsize", "700 x 23c *");
    enter("txtRollout", "9");
    EXPECT_EQ(grid().cellTip(1, 1).substr(0, 7), "53 x 19");
    EXPECT_EQ(grid().cellTip(1, 1).find("Step"), std::string::npos);
    EXPECT_NE(grid().cellTip(2, 2).find("39 x 21\nStep from 19: 10.5 %"), std::string::npos)
        << grid().cellTip(2, 2);
    // From 21 down to 11 is a step of 90.9 % whichever way it is typed.
    EXPECT_NE(grid().cellTip(3, 1).find("Step from 21: 90.9 %"), std::string::npos)
        << grid().cellTip(3, 1);
    EXPECT_NE(grid().cellTip(3, 1).find("Over the rollout limit"), std::string::npos);
    EXPECT_EQ(grid().cellTip(3, 2).find("Over"), std::string::npos);
}

TEST_F(GearTableResults, TheStemCardFitsNinetyBySixtyMillimetresAtTheTopLeft) {
    enter("txtChainrings", "50/34/24");
    enter("txtSprockets", "10-11-12-13-14-15-16-17-19-21-24-28-33");
    pick("cboWheelsize", "700 x 28c *");
    pick("cboUnits", "Development (m)");
    enter("txtRollout", "7.2");
    enter("cboSetup", "Gravel bike");
    window->click(program.menuEntry("mnuWinPrint"));
    ASSERT_EQ(program.platform().pages().size(), 1u);
    EXPECT_EQ(program.platform().printed().back(), GearTable::kName);
    const PrintedPage& page = program.platform().pages().back();
    EXPECT_EQ(page.title, "Gravel bike");
    ASSERT_FALSE(page.texts.empty());
    EXPECT_EQ(page.texts[0].text, "Gravel bike");
    EXPECT_EQ(page.texts[1].text, "700 x 28c *, Development (m)");
    for (const PrintedText& text : page.texts) {
        EXPECT_GE(text.x, 0) << text.text;
        EXPECT_GE(text.y, 0) << text.text;
        EXPECT_LE(text.x + text.width, kStemCardWidth + 1e-9) << text.text;
        EXPECT_LE(text.y + text.height, kStemCardHeight + 1e-9) << text.text;
        EXPECT_GT(text.points, 4) << text.text;
    }
    for (const PrintedLine& line : page.lines) {
        for (double x : {line.x1, line.x2}) {
            EXPECT_GE(x, 0);
            EXPECT_LE(x, kStemCardWidth);
        }
        for (double y : {line.y1, line.y2}) {
            EXPECT_GE(y, 0);
            EXPECT_LE(y, kStemCardHeight);
        }
    }
    // Every cell of the grid is on the card, and so is what the limit locks out.
    std::vector<std::string> texts;
    for (const PrintedText& text : page.texts)
        texts.push_back(text.text);
    for (int row = 1; row <= grid().rows(); ++row) {
        for (int column = 0; column <= grid().columns(); ++column) {
            EXPECT_NE(std::find(texts.begin(), texts.end(), grid().cellText(row, column)),
                      texts.end())
                << row << ", " << column;
        }
    }
    const std::string lockout = program.control("lblLockout").shownText();
    EXPECT_EQ(lockout, "50: lock out 10, 11, 12, 13, 14; 34: lock out 10");
    EXPECT_NE(std::find(texts.begin(), texts.end(), lockout), texts.end());
    // A box of four lines round each of the six cells over the limit, besides the card's edge
    // and the two rules of the table.
    EXPECT_EQ(page.lines.size(), 4u + 2u + 6u * 4u);
}

// Whatever the unit, every text of a card for the longest name and the largest table fits its
// box as the page printer may draw it, and every box is on the card.
TEST_F(GearTableResults, EveryTextOfTheStemCardFitsItsBox) {
    enter("txtChainrings", "130/129/128");
    enter("txtSprockets", "9 10 11 12 13 14 15 16 17 18 19 20 21");
    pick("cboWheelsize", "700c tubular *");
    pick("cboCrank", "175");
    enter("txtCadence", "250");
    enter("txtRollout", "1");
    enter("cboSetup", std::string(kLongestSetupName, 'W'));
    for (const std::string_view unit : kUnitNames) {
        pick("cboUnits", std::string(unit));
        window->click(program.menuEntry("mnuWinPrint"));
        const PrintedPage& page = program.platform().pages().back();
        ASSERT_GE(page.texts.size(), 2u + 3u + 13u * 4u) << unit;
        for (const PrintedText& text : page.texts) {
            EXPECT_LE(PrintedWidth(text.text, text.points), text.width)
                << unit << ": " << text.text;
            EXPECT_LE(PrintedLineHeight(text.points), text.height) << unit << ": " << text.text;
            EXPECT_GE(text.x, 0) << text.text;
            EXPECT_LE(text.x + text.width, kStemCardWidth) << text.text;
            EXPECT_LE(text.y + text.height, kStemCardHeight) << text.text;
        }
    }
}

// The compared bike's gears are lanes of their own under the first bike's, in the second
// colour and named by their bike, on the same axis.
TEST(GearFigures, TheComparedBikesGearsAreLanesUnderTheFirstBikes) {
    const GearCells first = CellsOf(
        ValuesOf({"", "50/34", "11-12-13", "700 x 25c *", "", "", "", ""}), GearUnit::GearInches);
    const GearCells second = CellsOf(
        ValuesOf({"", "53/39", "11-13", "700 x 23c *", "", "", "", ""}), GearUnit::GearInches);
    const ChartBike compared{&second, "Race"};
    const ChartData chart = ChartOf(GearUnit::GearInches, {&first, "Sportive"}, &compared);
    ASSERT_EQ(chart.lanes.size(), 4u);
    // The legend says what the rings and the warning colour mean.
    EXPECT_EQ(chart.closeMeaning, "Near-duplicate");
    EXPECT_EQ(chart.flaggedMeaning, "Over the rollout limit");
    const std::vector<std::string> names{"Sportive 50", "Sportive 34", "Race 53", "Race 39"};
    for (std::size_t lane = 0; lane < 4; ++lane) {
        EXPECT_EQ(chart.lanes[lane].name, names[lane]);
        EXPECT_EQ(chart.lanes[lane].second, lane >= 2);
        const GearCells& cells = lane < 2 ? first : second;
        ASSERT_EQ(chart.lanes[lane].marks.size(), cells.size());
        for (std::size_t row = 0; row < cells.size(); ++row) {
            const ChartMark& mark = chart.lanes[lane].marks[row];
            EXPECT_EQ(mark.value, cells[row][lane % 2].value);
            EXPECT_EQ(mark.label, cells[row][lane % 2].text.empty()
                                      ? ""
                                      : NumberText(cells[row][lane % 2].sprocket));
            EXPECT_GT(mark.value, chart.low);
            EXPECT_LT(mark.value, chart.high);
        }
    }
    EXPECT_EQ(chart.lanes[2].marks[0].value, 126.6);  // 53 x 11 on 700 x 23c
    EXPECT_EQ(ComparisonText(first, second),
              "Top 119.9 vs 126.6 \u00B7 bottom 69 vs 78.8 \u00B7 6 vs 4 gears, 6 vs 4 distinct");
}

TEST(GearTableMenu, TheNewerWindowsButtonsComeAfterExitInTheMainMenusTabOrder) {
    harness::Program program(RegisterCalculators);
    program.start();
    const auto& order = program.mainMenu().tabOrder();
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[order.size() - 4]->name(), "cmdExit");
    EXPECT_EQ(order[order.size() - 3]->name(), "cmdGearTable");
    EXPECT_EQ(order[order.size() - 2]->name(), "cmdPower");
    EXPECT_EQ(order.back()->name(), "cmdRoute");
    Form& window = program.open(GearTable::kName);
    EXPECT_EQ(window.focused(), window.find("txtChainrings"));
}

}  // namespace
}  // namespace velomark::gears
