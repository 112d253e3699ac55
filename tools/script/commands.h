// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velomark::script {

class Session;

// The last argument takes the rest of the line: an unquoted text of several words.
inline constexpr int kRestOfLine = -1;

// One command of the scenario language: how it is written, what it does, and how it runs.
struct CommandDefinition {
    const char* name;
    const char* arguments;  // as the usage writes them: "CONTROL TEXT"
    int least;              // how many arguments at least
    int most;               // and at most, or kRestOfLine
    const char* summary;    // one line, for --help
    // Checks, and what sets the program up, still run once the program has ended.
    bool afterEnd;
    void (*run)(Session& session, const std::vector<std::string>& args);
};

// Every command, actions and checks alike, in the order the usage lists them.
std::span<const CommandDefinition> Commands();
// The command of that name, or null.
const CommandDefinition* FindCommand(std::string_view name);

}  // namespace velomark::script
