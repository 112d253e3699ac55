// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/application.h"
#include "shell/grid.h"
#include "tools/harness/recording_platform.h"

namespace velomark {
namespace {

// A small window whose handlers log what ran, in order.
class LogWindow : public Form {
  public:
    explicit LogWindow(Application& app, std::string name = "frmLog")
        : Form(app, std::move(name), "Log"),
          txtA(*this, "txtA"),
          txtB(*this, "txtB"),
          optX(*this, "optX", "X"),
          optY(*this, "optY", "Y"),
          chkZ(*this, "chkZ", "Z"),
          cmdGo(*this, "cmdGo", "&Go"),
          mnuQuit(*this, "mnuQuit", "&Quit", "Ctrl+Q") {
        txtA.onChange([this] {
            log.push_back("A changed to " + txtA.text());
            txtB.setText("copy " + txtA.text());
        });
        txtA.onLostFocus([this] { log.push_back("A lost focus"); });
        txtB.onChange([this] { log.push_back("B changed"); });
        txtB.onLostFocus([this] { log.push_back("B lost focus"); });
        optX.onClick([this] { log.push_back("X clicked"); });
        optY.onClick([this] { log.push_back("Y clicked"); });
        cmdGo.onClick([this] {
            log.push_back("Go");
            this->app().unload(*this);
            txtA.setText("after unload");
        });
        mnuQuit.onClick([this] {
            this->app().end();
            txtA.setText("after end");
        });
        setTabOrder({&txtA, &txtB, &cmdGo});
    }

    TextField txtA;
    TextField txtB;
    OptionButton optX;
    OptionButton optY;
    CheckBox chkZ;
    Button cmdGo;
    MenuEntry mnuQuit;
    std::vector<std::string> log;
};

class FormTest : public ::testing::Test {
  protected:
    FormTest() : app(platform) {
        app.registerWindow("frmLog", [](Application& a) { return std::make_unique<LogWindow>(a); });
        window = static_cast<LogWindow*>(&app.open("frmLog"));
    }

    RecordingPlatform platform;
    Application app;
    LogWindow* window = nullptr;
};

TEST_F(FormTest, TypingRaisesOneChangePerAlteredCharacterAndNestedChangesRunInside) {
    window->type(window->txtA, "12");
    const std::vector<std::string> expected{"A changed to 1", "B changed", "A changed to 12",
                                            "B changed"};
    EXPECT_EQ(window->log, expected);
    window->log.clear();
    window->type(window->txtA, "12");  // the selection "12" becomes "1", then "12" again
    EXPECT_EQ(window->log.size(), 4u);
}

TEST_F(FormTest, WritingTheSameTextIsNoChangeAndCodeNeverRaisesLostFocus) {
    window->txtA.setText("");
    window->txtB.setText("x");
    window->txtB.setText("x");
    EXPECT_EQ(window->log, std::vector<std::string>{"B changed"});
}

TEST_F(FormTest, FocusStartsOnTheFirstTabStopAndLeavingRunsLostFocusOnce) {
    EXPECT_EQ(window->focused(), &window->txtA);
    window->focus(window->txtB);
    window->focus(window->txtB);
    window->leave();
    window->leave();
    const std::vector<std::string> expected{"A lost focus", "B lost focus"};
    EXPECT_EQ(window->log, expected);
    EXPECT_EQ(window->focused(), nullptr);
}

TEST_F(FormTest, OptionButtonsExcludeEachOtherAndSettingOneOnByCodeClicksIt) {
    window->click(window->optX);
    window->optY.setValue(true);
    EXPECT_FALSE(window->optX.value());
    EXPECT_TRUE(window->optY.value());
    window->optY.setValue(false);
    const std::vector<std::string> expected{"A lost focus", "X clicked", "Y clicked"};
    EXPECT_EQ(window->log, expected);
}

TEST_F(FormTest, ClickingACheckBoxToggles) {
    window->click(window->chkZ);
    EXPECT_TRUE(window->chkZ.value());
    window->click(window->chkZ);
    EXPECT_FALSE(window->chkZ.value());
}

TEST_F(FormTest, AWindowUnloadedByItsOwnHandlerFinishesTheHandlerSafely) {
    window->click(window->cmdGo);
    EXPECT_EQ(app.loaded("frmLog"), nullptr);
    auto& reopened = static_cast<LogWindow&>(app.open("frmLog"));
    EXPECT_EQ(reopened.txtA.text(), "");
}

TEST_F(FormTest, AfterEndNoHandlerRuns) {
    window->click(window->mnuQuit);
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(platform.ended());
    EXPECT_EQ(window->log, std::vector<std::string>{});
    window->type(window->txtB, "1");
    EXPECT_EQ(window->log, std::vector<std::string>{});
}

TEST_F(FormTest, OpeningAgainKeepsTheOneInstanceAndBringsItToTheFront) {
    app.registerWindow("frmOther",
                       [](Application& a) { return std::make_unique<LogWindow>(a, "frmOther"); });
    app.open("frmOther");
    window->type(window->txtA, "5");
    EXPECT_EQ(&app.open("frmLog"), window);
    EXPECT_EQ(app.current(), window);
    EXPECT_EQ(window->txtA.text(), "5");
}

}  // namespace
}  // namespace velomark

namespace velomark {
namespace {

// A cell asked for outside the table reads as empty, whichever side it lies on.
TEST(Grid, CellsOutsideTheTableReadEmpty) {
    RecordingPlatform platform;
    Application app(platform);
    Form window(app, "frmGrid", "Grid");
    Grid grid(window, "grdTest");
    grid.setTable(
        {"Unit",
         {"50", "34"},
         {"11"},
         {{GridCell{"120", colours::kDefault, ""}, GridCell{"81.6", colours::kDefault, ""}}}});
    EXPECT_EQ(grid.cellText(0, 0), "Unit");
    EXPECT_EQ(grid.cellText(0, 2), "34");
    EXPECT_EQ(grid.cellText(1, 0), "11");
    EXPECT_EQ(grid.cellText(1, 2), "81.6");
    for (const auto& [row, column] : {std::pair{-1, 0}, {0, -1}, {0, 3}, {2, 0}, {2, 1}, {1, 3}})
        EXPECT_EQ(grid.cellText(row, column), "") << row << "," << column;
}

}  // namespace
}  // namespace velomark
