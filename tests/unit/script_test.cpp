// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "shell/grid.h"
#include "tools/script/headless_driver.h"
#include "tools/script/runner.h"
#include "tools/script/script.h"
#include "tools/script/session.h"

namespace velomark::script {
namespace {

// Parses the lines as a scenario file; the error when they cannot be read.
std::optional<Script> Parse(const std::string& lines, std::string& error) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("velomark_script_test_" + std::to_string(::getpid()) + ".scn");
    std::ofstream(file) << lines;
    auto script = ParseScript(file.string(), error);
    std::filesystem::remove(file);
    if (!script) error = error.substr(error.find(".scn:") + 5);
    return script;
}

TEST(ParseScript, AnUnquotedTextTakesTheRestOfTheLine) {
    std::string error;
    auto script =
        Parse("# a comment\n\nenter txtA 1  2 3\nexpect-state txtA enabled editable\n", error);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->commands.size(), 2u);
    EXPECT_EQ(script->commands[0].line, 3);
    EXPECT_EQ(script->commands[0].args, (std::vector<std::string>{"txtA", "1 2 3"}));
    EXPECT_EQ(script->commands[1].args, (std::vector<std::string>{"txtA", "enabled", "editable"}));
    EXPECT_EQ(script->lastLine, 4);
}

TEST(ParseScript, NamesTheLineOfAWrongCommand) {
    const struct {
        const char* lines;
        const char* error;
    } cases[] = {
        {"open\n", "1: wrong number of arguments for open"},
        {"tick\nexpect-colour txtA 1,2,3 4\n", "2: wrong number of arguments for expect-colour"},
        {"leave now\n", "1: wrong number of arguments for leave"},
        {"frobnicate txtA\n", "1: no command called frobnicate"},
        {"tick\nsplash\n", "2: splash can only be the first command"},
        {"expect txtA \"open\n", "1: a quoted argument is not closed"},
    };
    for (const auto& wrong : cases) {
        std::string error;
        EXPECT_FALSE(Parse(wrong.lines, error)) << wrong.lines;
        EXPECT_EQ(error, wrong.error) << wrong.lines;
    }
}

// A shortcut that edits text inside a field is refused before the program sees it, with the
// same words whichever driver runs the scenario; outside the fields shortcuts work.
TEST(RunScript, EditingShortcutsAreRefusedWhileAFieldHasTheFocus) {
    const struct {
        std::vector<Command> commands;
        Outcome::Kind kind;
        std::string what;
    } cases[] = {
        {{{1, "open", {"frmTimeTrials"}}, {2, "shortcut", {"Ctrl+A"}}},
         Outcome::Kind::Failed,
         "a shortcut with no text field focused / txtName has the focus, where Ctrl+A edits its "
         "text"},
        {{{1, "open", {"frmRoad"}}, {2, "focus", {"cboCircuitName"}}, {3, "shortcut", {"Ctrl+X"}}},
         Outcome::Kind::Failed,
         "a shortcut with no text field focused / cboCircuitName has the focus, where Ctrl+X "
         "edits its text"},
        {{{1, "open", {"frmRoad"}}, {2, "focus", {"txtEndHours"}}, {3, "shortcut", {"Ctrl+C"}}},
         Outcome::Kind::Failed,
         "a shortcut with no text field focused / txtEndHours has the focus, where Ctrl+C edits "
         "its text"},
        {{{1, "open", {"frmRoad"}},
          {2, "enter", {"txtSchedDist", "40"}},
          {3, "shortcut", {"Ctrl+A"}},
          {4, "expect", {"txtSchedDist", ""}}},
         Outcome::Kind::Passed,
         ""},
        {{{1, "open", {"frmRoad"}},
          {2, "type", {"txtSchedDist", "40"}},
          {3, "shortcut", {"Ctrl+M"}},
          {4, "expect-window", {"frmRoad", "closed"}}},
         Outcome::Kind::Passed,
         ""},
    };
    const DriverFactory headless = HeadlessDriver::Factory(RegisterCalculators);
    for (const auto& run : cases) {
        const Script script{"f.scn", run.commands, run.commands.back().line};
        const Outcome outcome = RunScript(script, headless);
        EXPECT_EQ(outcome.kind, run.kind) << run.what << outcome.what;
        EXPECT_EQ(outcome.what, run.what);
        if (run.kind == Outcome::Kind::Failed) {
            EXPECT_EQ(outcome.line, run.commands.back().line);
        }
    }
}

TEST(ParseScript, GridAndClipboardChecksTakeTheirWords) {
    std::string error;
    auto script = Parse(
        "expect-cell grdGears 0 0 Gear inches\n"
        "expect-cell grdGears 2 1 \"\"\n"
        "expect-cell-colour grdGears 1 2 255,192,192\n"
        "expect-rows grdGears 13\n"
        "expect-columns grdGears 0\n"
        "expect-clipboard Gear inches\\t50\\n11\\t122.7\\n\n"
        "restart\n",
        error);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->commands.size(), 7u);
    const std::vector<std::vector<std::string>> args{
        {"grdGears", "0", "0", "Gear inches"},
        {"grdGears", "2", "1", ""},
        {"grdGears", "1", "2", "255,192,192"},
        {"grdGears", "13"},
        {"grdGears", "0"},
        {"Gear inches\\t50\\n11\\t122.7\\n"},
        {},
    };
    for (std::size_t i = 0; i < args.size(); ++i)
        EXPECT_EQ(script->commands[i].args, args[i]) << script->commands[i].name;

    const struct {
        const char* lines;
        const char* error;
    } wrong[] = {
        {"expect-cell grdGears 1 1\n", "1: wrong number of arguments for expect-cell"},
        {"expect-cell-colour grdGears 1 1 1,2,3 x\n",
         "1: wrong number of arguments for expect-cell-colour"},
        {"expect-rows grdGears\n", "1: wrong number of arguments for expect-rows"},
        {"expect-columns grdGears 1 2\n", "1: wrong number of arguments for expect-columns"},
        {"expect-clipboard\n", "1: wrong number of arguments for expect-clipboard"},
        {"restart now\n", "1: wrong number of arguments for restart"},
    };
    for (const auto& line : wrong) {
        EXPECT_FALSE(Parse(line.lines, error)) << line.lines;
        EXPECT_EQ(error, line.error) << line.lines;
    }
}

TEST(WithTabsAndLineEnds, TurnsOnlyBackslashTAndNIntoTabsAndLineEnds) {
    const struct {
        const char* written;
        const char* meant;
    } cases[] = {
        {"Gear inches\\t50\\t34\\n11\\t122.7\\t83.5\\n", "Gear inches\t50\t34\n11\t122.7\t83.5\n"},
        {"\\n\\n", "\n\n"},
        {"a\\\\tb", "a\\\tb"},
        {"C:\\x", "C:\\x"},
        {"end\\", "end\\"},
        {"tn", "tn"},
        {"", ""},
    };
    for (const auto& text : cases)
        EXPECT_EQ(WithTabsAndLineEnds(text.written), text.meant) << text.written;
}

// The person's clipboard held this before the program started; the program writes nothing.
std::unique_ptr<Driver> DriverWithClipboard() {
    auto driver = std::make_unique<HeadlessDriver>(RegisterCalculators);
    driver->platform().setClipboardText("Gear inches\t50\n11\t122.7\n");
    return driver;
}

Outcome RunLines(const std::string& lines, const DriverFactory& makeDriver) {
    std::string error;
    auto script = Parse(lines, error);
    if (!script) return {Outcome::Kind::BadScript, 0, error};
    return RunScript(*script, makeDriver);
}

TEST(RunScript, TheClipboardCheckReadsTabsAndLineEnds) {
    Outcome outcome =
        RunLines("expect-clipboard \"Gear inches\\t50\\n11\\t122.7\\n\"\n", DriverWithClipboard);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Passed) << outcome.what;
    outcome = RunLines("expect-clipboard Gear inches\\t50\n", DriverWithClipboard);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Failed);
    EXPECT_EQ(outcome.what, "\"Gear inches\t50\" / \"Gear inches\t50\n11\t122.7\n\"");
    // Each scenario starts with an empty clipboard.
    outcome = RunLines("expect-clipboard \"\"\n", HeadlessDriver::Factory(RegisterCalculators));
    EXPECT_EQ(outcome.kind, Outcome::Kind::Passed) << outcome.what;
}

TEST(RunScript, ARestartClosesEveryWindowAndKeepsTheClipboard) {
    const Outcome outcome = RunLines(
        "open frmRoad\n"
        "enter txtSchedDist 40\n"
        "restart\n"
        "expect-current frmMainMenu\n"
        "expect-window frmRoad closed\n"
        "expect-clipboard \"Gear inches\\t50\\n11\\t122.7\\n\"\n"
        "click cmdExit\n"
        "expect-ended\n"
        "restart\n"
        "expect-current frmMainMenu\n"
        "open frmRoad\n"
        "expect txtSchedDist \"\"\n",
        DriverWithClipboard);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Passed) << outcome.line << ": " << outcome.what;
}

GridCell Cell(std::string text, Colour background = colours::kDefault, std::string tip = {}) {
    return {std::move(text), background, std::move(tip)};
}

// A window with a grid of two chainrings against two sprockets.
class GridWindow : public Form {
  public:
    explicit GridWindow(Application& app) : Form(app, "frmGrid", "Grid") {
        grdGears.setTable({"Gear inches",
                           {"50", "34"},
                           {"11", "12"},
                           {{Cell("122.7"), Cell("83.5", colours::kLightRed, "+9%")},
                            {Cell("112.5"), Cell("76.5")}}});
    }

    Grid grdGears{*this, "grdGears"};
    TextField txtA{*this, "txtA"};
};

class GridChecks : public ::testing::Test {
  protected:
    GridChecks()
        : driver([](Application& app) {
              RegisterCalculators(app);
              app.registerWindow("frmGrid",
                                 [](Application& a) { return std::make_unique<GridWindow>(a); });
          }),
          session(driver) {
        driver.start(false);
        driver.app().open("frmGrid");
    }

    // "ok", or what the check found wrong: "fail: ..." or, for a wrong script, "bad: ...".
    static std::string Result(const std::function<void()>& check) {
        try {
            check();
        } catch (const Failure& failure) {
            return std::string("fail: ") + failure.what();
        } catch (const BadScript& bad) {
            return std::string("bad: ") + bad.what();
        }
        return "ok";
    }

    HeadlessDriver driver;
    Session session;
};

TEST_F(GridChecks, CellsCountFromTheHeadersAtRowAndColumnZero) {
    const struct {
        const char* row;
        const char* column;
        const char* text;
        std::string result;
    } cases[] = {
        {"0", "0", "Gear inches", "ok"},
        {"0", "2", "34", "ok"},
        {"2", "0", "12", "ok"},
        {"1", "2", "83.5", "ok"},
        {"2", "1", "112.5", "ok"},
        {"1", "2", "83", "fail: \"83\" / \"83.5\""},
        {"1", "1", "122.70", "fail: \"122.70\" / \"122.7\""},
        {"3", "1", "", "ok"},
        {"x", "1", "", "bad: ROW is a whole number from 0, not \"x\""},
        {"1", "-1", "", "bad: COL is a whole number from 0, not \"-1\""},
        {"1", "", "", "bad: COL is a whole number from 0, not \"\""},
    };
    for (const auto& cell : cases) {
        EXPECT_EQ(Result([&] { session.expectCell("grdGears", cell.row, cell.column, cell.text); }),
                  cell.result)
            << cell.row << "," << cell.column;
    }
    EXPECT_EQ(Result([&] { session.expectCell("txtA", "0", "0", ""); }),
              "bad: txtA is a text field, not a grid");
    EXPECT_EQ(Result([&] { session.expectCell("grdNone", "0", "0", ""); }),
              "bad: no control called grdNone in frmGrid");
}

TEST_F(GridChecks, ColoursRowsAndColumns) {
    EXPECT_EQ(Result([&] { session.expectCellColour("grdGears", "1", "2", "255,192,192"); }), "ok");
    EXPECT_EQ(Result([&] { session.expectCellColour("grdGears", "1", "1", "255,255,255"); }), "ok");
    EXPECT_EQ(Result([&] { session.expectCellColour("grdGears", "0", "2", "255,255,255"); }), "ok");
    EXPECT_EQ(Result([&] { session.expectCellColour("grdGears", "1", "2", "255,255,255"); }),
              "fail: 255,255,255 / 255,192,192");
    EXPECT_EQ(Result([&] { session.expectRows("grdGears", "2"); }), "ok");
    EXPECT_EQ(Result([&] { session.expectColumns("grdGears", "2"); }), "ok");
    EXPECT_EQ(Result([&] { session.expectRows("grdGears", "3"); }), "fail: 3 rows / 2");
    EXPECT_EQ(Result([&] { session.expectColumns("grdGears", "1"); }), "fail: 1 columns / 2");
    EXPECT_EQ(Result([&] { session.expectRows("grdGears", "two"); }),
              "bad: N is a whole number from 0, not \"two\"");
}

}  // namespace
}  // namespace velomark::script
