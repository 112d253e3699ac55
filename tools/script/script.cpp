#include "tools/script/script.h"

#include <fstream>
#include <map>
#include <sstream>

namespace velomark::script {

namespace {

struct Arity {
    int least;
    int most;  // -1: the last argument takes the rest of the line
};

const std::map<std::string, Arity>& Commands() {
    static const std::map<std::string, Arity> commands{
        {"splash", {0, 0}},
        {"key", {1, 1}},
        {"tick", {0, 0}},
        {"open", {1, 1}},
        {"window", {1, 1}},
        {"focus", {1, 1}},
        {"type", {2, -1}},
        {"leave", {0, 0}},
        {"enter", {2, -1}},
        {"pick", {2, -1}},
        {"click", {1, 1}},
        {"shortcut", {1, 1}},
        {"today", {1, 1}},
        {"expect", {2, -1}},
        {"expect-state", {2, 99}},
        {"expect-colour", {2, 2}},
        {"expect-message", {1, -1}},
        {"expect-any-message", {0, 0}},
        {"expect-no-message", {0, 0}},
        {"expect-window", {2, 2}},
        {"expect-current", {1, 1}},
        {"expect-printed", {1, 1}},
        {"expect-ended", {0, 0}},
    };
    return commands;
}

}  // namespace

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
        auto arity = Commands().find(command.name);
        if (arity == Commands().end()) {
            error = where.str() + "no command called " + command.name;
            return std::nullopt;
        }
        const int count = static_cast<int>(command.args.size());
        const bool takesRest = arity->second.most < 0;
        if (count < arity->second.least || (!takesRest && count > arity->second.most)) {
            error = where.str() + "wrong number of arguments for " + command.name;
            return std::nullopt;
        }
        if (takesRest && count > arity->second.least) {
            // An unquoted text of several words is the words with single blanks between.
            std::string rest;
            for (int i = arity->second.least - 1; i < count; ++i) {
                if (!rest.empty()) rest += ' ';
                rest += command.args[i];
            }
            command.args.resize(arity->second.least);
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
