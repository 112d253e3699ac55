#include "fuzz/invariants.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "shell/application.h"
#include "shell/field_rules.h"
#include "shell/recording_platform.h"

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
};

class InvariantsTest : public ::testing::Test {
  protected:
    InvariantsTest() : app(platform), window(app), invariants(profile, platform) {}

    RecordingPlatform platform;
    Application app;
    ResultWindow window;
    WindowProfile profile{"frmResult", kOwnMessages, kWordResults};
    Invariants invariants;
};

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

TEST_F(InvariantsTest, CaptionsMustNotShowNonNumbers) {
    window.lblNote.setCaption("Infinity laps");
    EXPECT_NE(invariants.check(window), "");
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
