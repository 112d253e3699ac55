// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/invariants.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "shell/application.h"
#include "shell/chart.h"
#include "shell/field_rules.h"
#include "shell/grid.h"
#include "tools/harness/recording_platform.h"

namespace velomark::fuzz {
namespace {

TEST(NonNumberWords, AreFoundAsWholeWordsInAnyCase) {
    for (const char* text : {"inf", "-INF", "NaN", "1.#INF", "Infinity km", "x nan"}) {
        EXPECT_TRUE(HasNonNumberWord(text)) << text;
    }
    for (const char* text : {"information", "Nanjing", "infant", "12.5km", "", "Ilton"}) {
        EXPECT_FALSE(HasNonNumberWord(text)) << text;
    }
}

TEST(ExponentNumbers, AreNumbersWithAnEBetweenDigits) {
    for (const char* text : {"1E+20", "2.5e-07", "3E5", "at 1.e5 m", "-4e+1%", "12E-3)"}) {
        EXPECT_TRUE(HasExponentNumber(text)) << text;
    }
    for (const char* text : {"Gear inches", "e5", "E+5", "Speed (km/h)", "12.5", "53 x 11", "1e",
                             "1e+", "5 e5", "11e-"}) {
        EXPECT_FALSE(HasExponentNumber(text)) << text;
    }
}

TEST(ResultTexts, ReadBackAsNumbersTimesOrDates) {
    for (const char* text : {"12.5", "-0", "1,000", "1:05:07.3", "0:15:0", "15/06/1980"}) {
        EXPECT_TRUE(ReadsAsFiniteNumber(text)) << text;
    }
    for (const char* text : {"1:", ":", "abc", "1e999", "12 laps", "1::2"}) {
        EXPECT_FALSE(ReadsAsFiniteNumber(text)) << text;
    }
}

double heardNonFinite = 0;

TEST(NonFiniteListener, HearsEveryInfOrNanThatANumberTextShowsAsZero) {
    SetNonFiniteListener([](double value) { heardNonFinite = value; });
    EXPECT_EQ(NumberText(12.5f), "12.5");
    EXPECT_EQ(heardNonFinite, 0.0);
    EXPECT_EQ(NumberText(std::numeric_limits<float>::infinity()), "0");
    EXPECT_EQ(heardNonFinite, std::numeric_limits<double>::infinity());
    heardNonFinite = 0;
    EXPECT_EQ(FormatPattern(-std::numeric_limits<double>::infinity(), "0.0"), "0.0");
    EXPECT_EQ(heardNonFinite, -std::numeric_limits<double>::infinity());
    SetNonFiniteListener(nullptr);
}

constexpr std::array<const char*, 1> kOwnMessages = {"Please enter a distance"};
constexpr std::array<const char*, 1> kWordResults = {"txtCategory"};

class ResultWindow : public Form {
  public:
    explicit ResultWindow(Application& app)
        : Form(app, "frmResult", "Result"),
          txtIn(*this, "txtIn"),
          txtOut(*this, "txtOut"),
          txtCategory(*this, "txtCategory"),
          lblNote(*this, "lblNote") {
        txtOut.setLocked(true);
        txtCategory.setLocked(true);
    }
    void say(const std::string& text) { ShowMessage(text); }

    TextField txtIn;
    TextField txtOut;
    TextField txtCategory;
    Label lblNote;
    Grid grdGears{*this, "grdGears"};
    Chart picLadder{*this, "picLadder"};
};

class InvariantsTest : public ::testing::Test {
  protected:
    InvariantsTest() : app(platform), window(app), invariants(profile, platform) {}

    RecordingPlatform platform;
    Application app;
    ResultWindow window;
    WindowProfile profile{"frmResult", kOwnMessages, kWordResults, 13, 3};
    Invariants invariants;
};

// A grid of sprockets against chainrings, each cell showing its gear.
GridTable Gears(int sprockets, int chainrings) {
    GridTable table{"Gear inches", {}, {}, {}};
    for (int c = 0; c < chainrings; ++c)
        table.columnHeaders.push_back(std::to_string(53 - 14 * c));
    for (int s = 0; s < sprockets; ++s) {
        table.rowHeaders.push_back(std::to_string(11 + s));
        table.cells.emplace_back(static_cast<std::size_t>(chainrings),
                                 GridCell{"66.3", colours::kDefault, "+4.8%"});
    }
    return table;
}

TEST_F(InvariantsTest, ResultsMustBeFiniteNumbersWithoutExponent) {
    EXPECT_EQ(invariants.check(window), "");
    window.txtOut.setText("4500");
    EXPECT_EQ(invariants.check(window), "");
    for (const char* text : {"inf", "1E+20", "2.5e+07", "12 laps", "-nan"}) {
        window.txtOut.setText(text);
        EXPECT_NE(invariants.check(window), "") << text;
    }
}

TEST_F(InvariantsTest, WordResultsAreOnlyCheckedForNonNumbersAndExponents) {
    for (const char* text : {"Senior", "54 x 21 = 67.5 ( 5.39 m )", "2 - 1:05.000"}) {
        window.txtCategory.setText(text);
        EXPECT_EQ(invariants.check(window), "") << text;
    }
    for (const char* text : {"NaN", "54 x 21 = 1E+20 ( 5.39 m )"}) {
        window.txtCategory.setText(text);
        EXPECT_NE(invariants.check(window), "") << text;
    }
}

TEST_F(InvariantsTest, WhatThePersonTypedIsTheirsWhatTheProgramWroteIsJudged) {
    window.txtIn.setText("nan");
    invariants.personEntered("txtIn", "nan");
    EXPECT_EQ(invariants.check(window), "");
    window.txtIn.setText("inf");
    EXPECT_NE(invariants.check(window), "");
    window.txtIn.setText("1.5E+20");
    EXPECT_EQ(invariants.check(window), "");
}

TEST_F(InvariantsTest, AFieldLockedAfterThePersonTypedKeepsTheirText) {
    window.txtIn.setText("3.5E+38 inches");
    invariants.personEntered("txtIn", "3.5E+38 inches");
    window.txtIn.setLocked(true);
    EXPECT_EQ(invariants.check(window), "");
    window.txtIn.setText("3.5E+38");
    EXPECT_NE(invariants.check(window), "");
}

TEST_F(InvariantsTest, AnInputRestoredFromSavedSettingsIsThePersonsAfterReopening) {
    constexpr std::array<const char*, 1> kRestored = {"txtIn"};
    const WindowProfile restoring{.window = "frmResult", .restoredInputs = kRestored};
    Invariants reopened(restoring, platform);
    reopened.windowUnloaded();
    // A bike named by the rider, put back when the window opens again.
    window.txtIn.setText("Nan's bike");
    EXPECT_EQ(reopened.check(window), "");
    EXPECT_NE(invariants.check(window), "");
    // A result is still judged.
    window.txtOut.setText("nan");
    EXPECT_NE(reopened.check(window), "");
}

TEST_F(InvariantsTest, ALabelNamedAsAResultShowsNoExponent) {
    constexpr std::array<const char*, 1> kLabels = {"lblNote"};
    const WindowProfile labelled{.window = "frmResult", .wordResults = kLabels};
    Invariants lockout(labelled, platform);
    window.lblNote.setCaption("53: lock out 11, 12");
    EXPECT_EQ(lockout.check(window), "");
    window.lblNote.setCaption("53: lock out 1E+20");
    EXPECT_NE(lockout.check(window), "");
    // Other labels are captions, held only to no inf or nan as before.
    EXPECT_EQ(invariants.check(window), "");
}

TEST_F(InvariantsTest, CaptionsMustNotShowNonNumbers) {
    window.lblNote.setCaption("Infinity laps");
    EXPECT_NE(invariants.check(window), "");
}

TEST_F(InvariantsTest, NoGridCellHeaderOrTipShowsANonsenseNumber) {
    window.grdGears.setTable(Gears(2, 2));
    EXPECT_EQ(invariants.check(window), "");
    const struct {
        void (*spoil)(GridTable&);
        const char* breach;
    } cases[] = {
        {[](GridTable& t) { t.cells[1][0].text = "inf"; }, "grdGears shows \"inf\" at 2,1"},
        {[](GridTable& t) { t.cells[0][1].text = "1.2E+21"; }, "grdGears shows \"1.2E+21\" at 1,2"},
        {[](GridTable& t) { t.columnHeaders[1] = "NaN"; }, "grdGears shows \"NaN\" at 0,2"},
        {[](GridTable& t) { t.rowHeaders[0] = "-nan"; }, "grdGears shows \"-nan\" at 1,0"},
        {[](GridTable& t) { t.corner = "1e+300 inches"; },
         "grdGears shows \"1e+300 inches\" at 0,0"},
        {[](GridTable& t) { t.cells[1][1].tip = "+inf%"; },
         "grdGears has the tip \"+inf%\" at 2,2"},
    };
    for (const auto& spoilt : cases) {
        GridTable table = Gears(2, 2);
        spoilt.spoil(table);
        window.grdGears.setTable(table);
        EXPECT_EQ(invariants.check(window), spoilt.breach);
    }
}

TEST_F(InvariantsTest, AGridIsNoLargerThanTheWindowsLargest) {
    window.grdGears.setTable(Gears(13, 3));
    EXPECT_EQ(invariants.check(window), "");
    window.grdGears.setTable(Gears(14, 3));
    EXPECT_EQ(invariants.check(window), "grdGears has 14 rows, more than 13");
    window.grdGears.setTable(Gears(13, 4));
    EXPECT_EQ(invariants.check(window), "grdGears has 4 columns, more than 3");
    // Without a largest grid given, any size will do.
    const WindowProfile unlimited{"frmResult"};
    Invariants lenient(unlimited, platform);
    window.grdGears.setTable(Gears(40, 9));
    EXPECT_EQ(lenient.check(window), "");
}

TEST_F(InvariantsTest, EveryHeaderHasItsCells) {
    GridTable table = Gears(3, 2);
    table.cells.pop_back();
    window.grdGears.setTable(table);
    EXPECT_EQ(invariants.check(window), "grdGears has 2 rows of cells for 3 row headers");
    table = Gears(3, 2);
    table.cells[2].pop_back();
    window.grdGears.setTable(table);
    EXPECT_EQ(invariants.check(window), "grdGears has 1 cells in row 3 for 2 column headers");
}

TEST_F(InvariantsTest, EveryChartValueIsFiniteAndItsTextsSensible) {
    ChartData good;
    good.axisTitle = "Gear inches";
    good.low = 40;
    good.high = 130;
    good.lanes = {{"53", {{120.5, "11", true, false}}}};
    window.picLadder.setData(good);
    EXPECT_EQ(invariants.check(window), "");
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        void (*spoil)(ChartData&, double);
        const char* breach;
    } cases[] = {
        {[](ChartData& d, double) {
             d.lanes[0].marks[0].value = std::numeric_limits<double>::quiet_NaN();
         },
         "picLadder has a mark at nan on lane \"53\""},
        {[](ChartData& d, double x) { d.high = x; }, "picLadder's axis runs from 40.000000 to inf"},
        {[](ChartData& d, double x) { d.low = -x; },
         "picLadder's axis runs from -inf to 130.000000"},
        {[](ChartData& d, double) { d.lanes[0].marks[0].label = "nan"; },
         "picLadder labels a mark \"nan\" on lane \"53\""},
        {[](ChartData& d, double) { d.lanes[0].name = "5.3E+1"; },
         "picLadder has a lane named \"5.3E+1\""},
        {[](ChartData& d, double) { d.axisTitle = "Speed (inf)"; },
         "picLadder's axis is titled \"Speed (inf)\""},
    };
    for (const auto& spoilt : cases) {
        ChartData data = good;
        spoilt.spoil(data, inf);
        window.picLadder.setData(data);
        EXPECT_EQ(invariants.check(window), spoilt.breach);
    }
}

TEST_F(InvariantsTest, OnlyTheWindowsOwnMessagesMayShow) {
    window.say("Please enter a distance");
    EXPECT_EQ(invariants.check(window), "");
    window.say("Overflow");
    EXPECT_NE(invariants.check(window), "");
    // Each message is judged once.
    EXPECT_EQ(invariants.check(window), "");
}

TEST_F(InvariantsTest, MessagesAreNotJudgedBeforeTheWindowsListIsGiven) {
    const WindowProfile unlisted{"frmResult"};
    Invariants lenient(unlisted, platform);
    window.say("Overflow");
    EXPECT_EQ(lenient.check(window), "");
}

}  // namespace
}  // namespace velomark::fuzz
