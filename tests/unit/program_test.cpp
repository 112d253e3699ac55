// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/harness/program.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "app/calculators.h"
#include "road/road.h"
#include "shell/main_menu.h"
#include "shell/splash.h"
#include "tools/harness/recording_platform.h"

namespace velomark::harness {
namespace {

std::string ErrorOf(const std::function<void()>& asking) {
    try {
        asking();
    } catch (const std::logic_error& error) {
        return error.what();
    }
    return "no error";
}

TEST(Program, StartsAtTheMainMenuUnlessAskedToStayAtTheSplash) {
    Program program(RegisterCalculators);
    program.start();
    ASSERT_NE(program.app().current(), nullptr);
    EXPECT_EQ(program.app().current()->name(), MainMenu::kName);
    EXPECT_EQ(program.app().loaded(Splash::kName), nullptr);

    Program atSplash(RegisterCalculators);
    atSplash.start(true);
    ASSERT_NE(atSplash.app().current(), nullptr);
    EXPECT_EQ(atSplash.app().current()->name(), Splash::kName);
    EXPECT_NE(atSplash.app().current()->firstRunningTimer(), nullptr);
    EXPECT_EQ(ErrorOf([&] { atSplash.open(road::Road::kName); }), "the main menu is not open");
}

TEST(Program, TheSplashTimerFiresTheWayItIsToldTo) {
    Program program(RegisterCalculators);
    int fired = 0;
    program.fireSplashTimerWith([&] {
        ++fired;
        program.app().tick();
    });
    program.start();
    EXPECT_EQ(fired, 1);
    EXPECT_NE(program.app().loaded(MainMenu::kName), nullptr);
}

TEST(Program, OpensWindowsThroughTheMainMenu) {
    RecordingPlatform platform;
    Program program(platform, RegisterCalculators);
    program.start();
    Form& road = program.open(road::Road::kName);
    EXPECT_EQ(program.app().current(), &road);
    EXPECT_EQ(road.focused(), road.find("txtSchedDist"));
    EXPECT_EQ(ErrorOf([&] { program.open("frmNowhere"); }), "no main-menu button opens frmNowhere");
    EXPECT_TRUE(platform.messages().empty());
}

TEST(Program, FindsControlsByNameAndKind) {
    Program program(RegisterCalculators);
    program.start();
    program.open(road::Road::kName);
    EXPECT_EQ(program.textField("txtSchedDist").name(), "txtSchedDist");
    // A drop-down list's text is a field too.
    EXPECT_EQ(&program.textField("cboCircuitName"), &program.list("cboCircuitName"));
    EXPECT_EQ(program.button("cmdClear6").name(), "cmdClear6");
    EXPECT_EQ(program.menuEntry("mnuWinClearAll").shortcut(), "Ctrl+A");
    EXPECT_EQ(ErrorOf([&] { program.control("txtNowhere"); }),
              "frmRoad has no control called txtNowhere");
    EXPECT_EQ(ErrorOf([&] { program.list("txtSchedDist"); }),
              "txtSchedDist in frmRoad is a text field, not a drop-down list");
    EXPECT_EQ(ErrorOf([&] { program.option("cmdClear6"); }),
              "cmdClear6 in frmRoad is a button, not an option button");
    EXPECT_EQ(ErrorOf([&] { program.checkBox("mnuWinClearAll"); }),
              "mnuWinClearAll in frmRoad is a menu entry, not a check box");
    EXPECT_EQ(ErrorOf([&] { program.textField("cmdClear6"); }),
              "cmdClear6 in frmRoad is a button, not a field");
}

struct VisitValues {
    int visits = 0;
};

// Counts its openings in a working value, which outlives the window as every calculator's does.
class VisitWindow : public Form {
  public:
    VisitWindow(Application& app, VisitValues& values)
        : Form(app, "frmVisits", "Visits"), values_(values) {}
    void Form_Load() override { lblVisits.setCaption(std::to_string(++values_.visits)); }

    Label lblVisits{*this, "lblVisits"};

  private:
    VisitValues& values_;
};

void ComposeWithVisits(Application& app) {
    RegisterCalculators(app);
    app.registerCalculator<VisitWindow, VisitValues>("frmVisits");
}

std::string VisitsShown(Application& app) {
    return app.open("frmVisits").find("lblVisits")->shownText();
}

TEST(Program, ARestartIsAFreshProgramOnTheSamePlatform) {
    RecordingPlatform platform;
    Program program(platform, ComposeWithVisits);
    program.start();
    EXPECT_EQ(VisitsShown(program.app()), "1");
    program.app().unload(*program.app().loaded("frmVisits"));
    EXPECT_EQ(VisitsShown(program.app()), "2");
    program.open(road::Road::kName);
    platform.setClipboardText("50\t34");
    platform.writeSettings("GearTable", {{"Last", "Track"}});
    platform.showMessage(kApplicationTitle, "Seen before");

    program.restart();
    EXPECT_TRUE(program.app().loadedWindows().empty());
    EXPECT_FALSE(program.app().ended());
    program.start();
    ASSERT_NE(program.app().current(), nullptr);
    EXPECT_EQ(program.app().current()->name(), MainMenu::kName);
    EXPECT_EQ(program.app().loaded(road::Road::kName), nullptr);
    // Working values start again from 0.
    EXPECT_EQ(VisitsShown(program.app()), "1");
    // What the desktop holds outlives the program.
    EXPECT_EQ(platform.clipboard(), "50\t34");
    EXPECT_EQ(platform.readSettings("GearTable").values, (SettingsSection{{"Last", "Track"}}));
    EXPECT_EQ(platform.messages().size(), 1u);
}

TEST(Program, RestartsAfterTheProgramHasEnded) {
    Program program(RegisterCalculators);
    program.start();
    program.mainMenu().click(program.button("cmdExit"));
    ASSERT_TRUE(program.app().ended());
    program.restart();
    program.start();
    EXPECT_FALSE(program.app().ended());
    EXPECT_EQ(program.app().current()->name(), MainMenu::kName);
    Form& road = program.open(road::Road::kName);
    EXPECT_EQ(program.app().current(), &road);
}

}  // namespace
}  // namespace velomark::harness
