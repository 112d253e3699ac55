// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/table_text.h"

#include <vector>

namespace velomark {

namespace {

// The table's lines, header row first, each a list of its texts.
std::vector<std::vector<std::string>> Lines(const GridTable& table) {
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> header{table.corner};
    header.insert(header.end(), table.columnHeaders.begin(), table.columnHeaders.end());
    lines.push_back(std::move(header));
    for (std::size_t row = 0; row < table.rowHeaders.size(); ++row) {
        std::vector<std::string> line{table.rowHeaders[row]};
        if (row < table.cells.size()) {
            for (const GridCell& cell : table.cells[row])
                line.push_back(cell.text);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

template <class Field>
std::string Joined(const GridTable& table, char separator, std::string_view lineEnd, Field field) {
    std::string text;
    for (const std::vector<std::string>& line : Lines(table)) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0) text += separator;
            text += field(line[i]);
        }
        text += lineEnd;
    }
    return text;
}

}  // namespace

std::string TabSeparatedText(const GridTable& table) {
    return Joined(table, '\t', "\n", [](const std::string& text) { return text; });
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvText(const GridTable& table) {
    return Joined(table, ',', "\r\n", [](const std::string& text) { return CsvField(text); });
}

std::string CsvFileName(std::string_view name) {
    std::string file(name);
    for (char& c : file) {
        const bool control = static_cast<unsigned char>(c) < 0x20;
        if (control || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '-';
    }
    return file + ".csv";
}

}  // namespace velomark
