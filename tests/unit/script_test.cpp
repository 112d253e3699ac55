#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "tools/script/headless_driver.h"
#include "tools/script/runner.h"
#include "tools/script/script.h"

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

}  // namespace
}  // namespace velomark::script
