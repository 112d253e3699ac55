// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velomark::script {

// One line of a scenario: the command word and its arguments, quotes removed.
struct Command {
    int line = 0;
    std::string name;
    std::vector<std::string> args;
};

struct Script {
    std::string file;
    std::vector<Command> commands;
    int lastLine = 0;
};

// Splits a line into words; a double-quoted word keeps its blanks (\" and \\ inside). Nothing
// when a quote is left open.
std::optional<std::vector<std::string>> SplitWords(const std::string& line);

// The text a check of the clipboard means: "\t" in what the script writes stands for a tab
// and "\n" for a line end; every other character is itself.
std::string WithTabsAndLineEnds(const std::string& written);

// Reads a scenario file. On failure, error says which line is wrong and why.
std::optional<Script> ParseScript(const std::string& file, std::string& error);

}  // namespace velomark::script
