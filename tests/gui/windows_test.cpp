// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "desktop.h"
#include "gears/gear_chart.h"
#include "gears/gear_table.h"
#include "licence/licence_points.h"
#include "road/road.h"
#include "shell/main_menu.h"
#include "shell/splash.h"
#include "timetrials/time_trials.h"
#include "track/track.h"

namespace velomark::gui {
namespace {

class RoadWindowTest : public ::testing::Test {
  protected:
    RoadWindowTest() : road(desktop.open(road::Road::kName)) {}

    QLineEdit& field(const char* name) { return desktop.widget<QLineEdit>(road, name); }
    std::string text(const char* name) { return desktop.text(road, name); }

    // A click into a field, with the cursor at the end of its text.
    void clickInto(QWidget& widget) {
        QTest::mouseClick(&widget, Qt::LeftButton, {}, {widget.width() - 3, widget.height() / 2});
    }

    Desktop desktop;
    Form& road;
};

// A message box from a focus-loss handler shows once; when OK is pressed the focus goes on to
// where the person sent it, and no second loss of focus follows.
TEST_F(RoadWindowTest, AMessageFromALossOfFocusShowsOnceAndTheFocusMovesOn) {
    auto& list = desktop.widget<QComboBox>(road, "cboCircuitName");
    clickInto(*list.lineEdit());
    QTest::keyClicks(&list, "Ilton");
    clickInto(field("txtRaceDistance"));
    QTest::keyClicks(&field("txtRaceDistance"), "20");
    QTest::keyClick(&field("txtRaceDistance"), Qt::Key_Tab);
    desktop.settle();
    desktop.activate(road);
    desktop.settle();
    ASSERT_EQ(desktop.platform.messages().size(), 1u);
    EXPECT_EQ(desktop.platform.messages()[0].text, "Please enter the size of the Circuit");
    EXPECT_EQ(road.focused(), road.find("txtRaceLaps"));
    EXPECT_EQ(QApplication::focusWidget(), &field("txtRaceLaps"));
    EXPECT_EQ(text("txtRaceDistance"), "20");
}

// Selecting, cutting and copying inside a field, even a read-only one, never reaches the
// window's Clear All (Ctrl+A) or Exit (Ctrl+X); outside the fields those shortcuts work.
TEST_F(RoadWindowTest, EditingKeysInAFieldKeepTheirMeaning) {
    clickInto(field("txtSchedDist"));
    QTest::keyClicks(&field("txtSchedDist"), "40");
    clickInto(field("txtTargSpeed"));
    QTest::keyClicks(&field("txtTargSpeed"), "32");
    clickInto(field("txtEndHours"));
    ASSERT_EQ(text("txtEndHours"), "1");
    for (QWidget* inside : {static_cast<QWidget*>(&field("txtEndHours")),
                            static_cast<QWidget*>(&field("txtTargSpeed"))}) {
        inside->setFocus(Qt::MouseFocusReason);
        QTest::keySequence(inside, QKeySequence::SelectAll);
        QTest::keySequence(inside, QKeySequence::Copy);
        QTest::keySequence(inside, QKeySequence::Cut);
    }
    EXPECT_FALSE(desktop.app.ended());
    EXPECT_EQ(text("txtSchedDist"), "40");
    EXPECT_EQ(text("txtTargSpeed"), "");  // cut from the editable field
    QTest::keySequence(&field("txtTargSpeed"), QKeySequence::Paste);
    EXPECT_EQ(text("txtTargSpeed"), "32");

    auto& clearAll = desktop.widget<QPushButton>(road, "cmdClear6");
    clearAll.setFocus(Qt::TabFocusReason);
    QTest::keySequence(&clearAll, QKeySequence("Ctrl+A"));
    EXPECT_EQ(text("txtSchedDist"), "");
    QTest::keySequence(&clearAll, QKeySequence("Ctrl+X"));
    EXPECT_TRUE(desktop.app.ended());
}

// Typing a listed name and pressing Enter is no pick; the arrow keys pick.
TEST_F(RoadWindowTest, OnlyAPickFromTheListIsAClick) {
    auto& list = desktop.widget<QComboBox>(road, "cboCircuitName");
    clickInto(*list.lineEdit());
    QTest::keyClicks(&list, "Bath");
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(text("txtCircuitSize"), "");
    QTest::keyClick(&list, Qt::Key_Tab);
    EXPECT_EQ(text("txtCircuitSize"), "1.0");
    EXPECT_EQ(text("cboCircuitName"), "Bath");

    list.setFocus(Qt::MouseFocusReason);
    list.setCurrentIndex(0);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(text("cboCircuitName"), "Ashton in Makerfield");
    EXPECT_EQ(text("txtCircuitSize"), "1.1");
}

TEST_F(RoadWindowTest, TheFieldsHaveTheirCaptionsAsNamesAndTheInputsTheirColour) {
    EXPECT_EQ(field("txtSchedDist").accessibleName(), "Enter Race or Intermediate Distance");
    EXPECT_EQ(field("txtRaceLaps").accessibleName(), "Race Distance (laps)");
    EXPECT_EQ(field("txtSchedDist").palette().color(QPalette::Base), QColor(192, 255, 255));
    EXPECT_EQ(field("txtEndHours").palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_TRUE(field("txtEndHours").isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), &field("txtSchedDist"));
    // Tab follows the window's order and passes over the results.
    field("txtStartSecs").setFocus(Qt::TabFocusReason);
    QTest::keyClick(&field("txtStartSecs"), Qt::Key_Tab);
    EXPECT_EQ(road.focused()->name(), "cmdClearSchedule");
}

// The title bar's close box unloads a window; closing the last one ends the program.
TEST(WindowFrame, ClosingTheLastWindowEndsTheProgram) {
    Desktop desktop;
    Form& menu = desktop.open(MainMenu::kName);
    Form& road = desktop.open(road::Road::kName);
    desktop.frontEnd.windowOf(road)->close();
    desktop.settle();
    EXPECT_EQ(desktop.app.loaded(road::Road::kName), nullptr);
    EXPECT_FALSE(desktop.app.ended());
    desktop.frontEnd.windowOf(menu)->close();
    EXPECT_TRUE(desktop.app.ended());
    EXPECT_TRUE(desktop.platform.ended());
}

// With the main menu closed from its title bar, the last calculator's Main Menu button takes
// the last window away: the program ends rather than running on with nothing on screen.
TEST(WindowFrame, TheLastWindowLeavingByItsMainMenuButtonEndsTheProgram) {
    Desktop desktop;
    Form& menu = desktop.open(MainMenu::kName);
    Form& road = desktop.open(road::Road::kName);
    desktop.frontEnd.windowOf(menu)->close();
    desktop.settle();
    ASSERT_EQ(desktop.app.loaded(MainMenu::kName), nullptr);
    ASSERT_FALSE(desktop.app.ended());
    desktop.activate(road);
    QTest::mouseClick(&desktop.widget<QPushButton>(road, "cmdExit"), Qt::LeftButton);
    desktop.settle();
    EXPECT_TRUE(desktop.app.ended());
    EXPECT_TRUE(desktop.platform.ended());
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
}

// A window the person left with no control focused has none when it comes to the front
// again, though Qt would give the first control of its tab chain the focus.
TEST(WindowFrame, AWindowBroughtBackWithNoFocusGetsNone) {
    Desktop desktop;
    Form& menu = desktop.open(MainMenu::kName);
    Form& road = desktop.open(road::Road::kName);
    desktop.frontEnd.dispatch([&] { road.leave(); });
    ASSERT_EQ(road.focused(), nullptr);
    desktop.activate(menu);
    desktop.activate(road);
    desktop.settle();
    EXPECT_EQ(road.focused(), nullptr);
    EXPECT_EQ(desktop.frontEnd.windowOf(road)->focusWidget(), nullptr);
}

TEST(WindowFrame, AClickOnASplashLabelDoesNotDismissIt) {
    Desktop desktop;
    desktop.app.start();
    Form& splash = *desktop.app.loaded(Splash::kName);
    desktop.activate(splash);
    QTest::mouseClick(&desktop.widget<QLabel>(splash, "lblVersion"), Qt::LeftButton);
    ASSERT_NE(desktop.app.loaded(Splash::kName), nullptr);
    EXPECT_EQ(desktop.text(splash, "lblVersion"), "Version 2.4");
    auto& frame = desktop.widget<QGroupBox>(splash, "Frame1");
    QTest::mouseClick(&frame, Qt::LeftButton, {}, {2, 2});
    EXPECT_EQ(desktop.app.loaded(Splash::kName), nullptr);
    EXPECT_NE(desktop.app.loaded(MainMenu::kName), nullptr);
}

// A screen reader names every field a person types into and every list by its label: never by
// nothing, nor by what it holds.
TEST(EveryWindow, NamesItsFieldsAndListsByTheirLabels) {
    Desktop desktop;
    for (const char* name : {MainMenu::kName, gears::GearChart::kName,
                             timetrials::TimeTrials::kName, track::Track::kName, road::Road::kName,
                             licence::LicencePoints::kName, gears::GearTable::kName}) {
        const Form& window = desktop.open(name);
        for (QWidget* widget : desktop.frontEnd.windowOf(window)->findChildren<QWidget*>()) {
            const auto* edit = qobject_cast<QLineEdit*>(widget);
            if (!qobject_cast<QComboBox*>(widget) && !(edit && !edit->isReadOnly())) continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(accessible, nullptr);
            const QString heard = accessible->text(QAccessible::Name);
            const std::string where = std::string(name) + " " + widget->objectName().toStdString();
            EXPECT_FALSE(heard.isEmpty()) << where;
            EXPECT_NE(heard, accessible->text(QAccessible::Value)) << where;
        }
    }
}

}  // namespace
}  // namespace velomark::gui
