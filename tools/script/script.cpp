// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/script.h"

#include <fstream>
#include <sstream>

#include "tools/script/commands.h"

namespace velomark::script {

std::optional<std::vector<std::string>> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\'))
                    c = line[i++];
                word += c;
            }
            if (!closed) return std::nullopt;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::string WithTabsAndLineEnds(const std::string& written) {
    std::string text;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] == '\\' && i + 1 < written.size()) {
            const char next = written[i + 1];
            if (next == 't' || next == 'n') {
                text += next == 't' ? '\t' : '\n';
                ++i;
                continue;
            }
        }
        text += written[i];
    }
    return text;
}

std::optional<Script> ParseScript(const std::string& file, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = file + ": cannot be read";
        return std::nullopt;
    }
    Script script{file, {}, 0};
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        const auto first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos || text[first] == '#') continue;
        auto words = SplitWords(text);
        std::ostringstream where;
        where << file << ":" << line << ": ";
        if (!words) {
            error = where.str() + "a quoted argument is not closed";
            return std::nullopt;
        }
        if (words->empty()) continue;
        Command command{line, (*words)[0], {words->begin() + 1, words->end()}};
        const CommandDefinition* definition = FindCommand(command.name);
        if (!definition) {
            error = where.str() + "no command called " + command.name;
            return std::nullopt;
        }
        const int count = static_cast<int>(command.args.size());
        const bool takesRest = definition->most == kRestOfLine;
        if (count < definition->least || (!takesRest && count > definition->most)) {
            error = where.str() + "wrong number of arguments for " + command.name;
            return std::nullopt;
        }
        if (takesRest && count > definition->least) {
            // An unquoted text of several words is the words with single blanks between.
            std::string rest;
            for (int i = definition->least - 1; i < count; ++i) {
                if (!rest.empty()) rest += ' ';
                rest += command.args[i];
            }
            command.args.resize(definition->least);
            command.args.back() = rest;
        }
        if (command.name == "splash" && !script.commands.empty()) {
            error = where.str() + "splash can only be the first command";
            return std::nullopt;
        }
        script.commands.push_back(std::move(command));
    }
    script.lastLine = line;
    return script;
}

}  // namespace velomark::script
