// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/stem_card.h"

#include <algorithm>
#include <vector>

namespace velomark::gears {

namespace {

constexpr double kMargin = 3;
constexpr double kTitleTop = 2;
constexpr double kTitleHeight = 6;
constexpr double kTitlePoints = 10;
constexpr double kSubtitleHeight = 4;
constexpr double kSubtitlePoints = 6.5;
constexpr double kTableTop = kTitleTop + kTitleHeight + kSubtitleHeight + 1;
constexpr double kFootnotePoints = 5.5;
// No text shrinks below this to fit: a card must be read while riding.
constexpr double kSmallestPoints = 4.5;
constexpr double kHeaderColumnWidth = 12;
// Rows and columns no larger than this, so a short table stays a tidy block at the top left.
constexpr double kLargestRowHeight = 5;
constexpr double kLargestColumnWidth = 22;
constexpr double kPointsPerMillimetre = 72 / 25.4;
// A text fills this share of its row's height, and leaves this much room at either side.
constexpr double kTextShareOfRow = 0.7;
constexpr double kCellPadding = 0.5;
constexpr double kLargestCellPoints = 9;

// The size, up to the one wanted, at which the text fits the width.
double FittingPoints(const std::string& text, double width, double points) {
    const double measured = PrintedWidth(text, points);
    if (measured <= width) return points;
    // The width grows with the size, so this size fits to a whisker.
    return std::max(kSmallestPoints, points * width / measured * 0.999);
}

// The text broken between words into lines that fit the width.
std::vector<std::string> Lines(const std::string& text, double width, double points) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (lines.empty() || PrintedWidth(lines.back() + " " + word, points) > width) {
            lines.push_back(word);
        } else {
            lines.back() += " " + word;
        }
        start = end + 1;
    }
    return lines;
}

// A line of text at the size that fits its box.
PrintedText Line(double x, double y, double width, double height, const std::string& text,
                 double points, bool bold = false) {
    return {.x = x,
            .y = y,
            .width = width,
            .height = height,
            .text = text,
            .points = FittingPoints(text, width, points),
            .bold = bold};
}

// The texts above and below the table; gives where the table must end.
double AddNotes(PrintedPage& page, const StemCardText& text) {
    const double inner = kStemCardWidth - 2 * kMargin;
    page.texts.push_back(
        Line(kMargin, kTitleTop, inner, kTitleHeight, text.title, kTitlePoints, true));
    page.texts.push_back(Line(kMargin, kTitleTop + kTitleHeight, inner, kSubtitleHeight,
                              text.subtitle, kSubtitlePoints));
    const std::vector<std::string> lines = Lines(text.footnote, inner, kFootnotePoints);
    const double lineHeight = PrintedLineHeight(kFootnotePoints);
    const double bottom = kStemCardHeight - 1 - lineHeight * static_cast<double>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        page.texts.push_back(Line(kMargin, bottom + lineHeight * static_cast<double>(i), inner,
                                  lineHeight, lines[i], kFootnotePoints));
    }
    return bottom;
}

// Where the table's rows and columns fall.
struct TableGrid {
    double rowHeight;
    double columnWidth;
    double points;
    double x(std::size_t column) const {
        return column == 0
                   ? kMargin
                   : kMargin + kHeaderColumnWidth + columnWidth * static_cast<double>(column - 1);
    }
    double y(std::size_t row) const { return kTableTop + rowHeight * static_cast<double>(row); }
    double width(std::size_t column) const {
        return column == 0 ? kHeaderColumnWidth : columnWidth;
    }
};

void AddCell(PrintedPage& page, const TableGrid& grid, std::size_t row, std::size_t column,
             const std::string& shown, bool bold) {
    const double width = grid.width(column);
    page.texts.push_back({.x = grid.x(column),
                          .y = grid.y(row),
                          .width = width,
                          .height = grid.rowHeight,
                          .text = shown,
                          .points = FittingPoints(shown, width - 2 * kCellPadding, grid.points),
                          .bold = bold,
                          .align = PrintedText::Align::Centre});
}

// A box round a cell over the limit (the grid's coloured cells, which print as no colour).
void AddBox(PrintedPage& page, const TableGrid& grid, std::size_t row, std::size_t column) {
    const double x1 = grid.x(column);
    const double y1 = grid.y(row);
    const double x2 = x1 + grid.columnWidth;
    const double y2 = y1 + grid.rowHeight;
    page.lines.push_back({x1, y1, x2, y1, 0.3});
    page.lines.push_back({x2, y1, x2, y2, 0.3});
    page.lines.push_back({x2, y2, x1, y2, 0.3});
    page.lines.push_back({x1, y2, x1, y1, 0.3});
}

void AddTable(PrintedPage& page, const GridTable& table, double bottom) {
    const double inner = kStemCardWidth - 2 * kMargin;
    const auto rows = static_cast<double>(table.rowHeaders.size() + 1);
    const auto columns = static_cast<double>(std::max<std::size_t>(table.columnHeaders.size(), 1));
    TableGrid grid{};
    grid.rowHeight = std::min(kLargestRowHeight, (bottom - kTableTop) / rows);
    grid.columnWidth = std::min(kLargestColumnWidth, (inner - kHeaderColumnWidth) / columns);
    grid.points =
        std::min(kLargestCellPoints, grid.rowHeight * kPointsPerMillimetre * kTextShareOfRow);
    // The corner stays empty: the unit is in the subtitle.
    for (std::size_t c = 0; c < table.columnHeaders.size(); ++c)
        AddCell(page, grid, 0, c + 1, table.columnHeaders[c], true);
    for (std::size_t r = 0; r < table.rowHeaders.size(); ++r) {
        AddCell(page, grid, r + 1, 0, table.rowHeaders[r], true);
        if (r >= table.cells.size()) continue;
        for (std::size_t c = 0; c < table.cells[r].size(); ++c) {
            const GridCell& cell = table.cells[r][c];
            AddCell(page, grid, r + 1, c + 1, cell.text, false);
            if (cell.background != GridCell{}.background) AddBox(page, grid, r + 1, c + 1);
        }
    }
    const double right = grid.x(table.columnHeaders.size() + 1);
    page.lines.push_back({kMargin, grid.y(1), right, grid.y(1)});
    page.lines.push_back({grid.x(1), kTableTop, grid.x(1), grid.y(table.rowHeaders.size() + 1)});
}

}  // namespace

PrintedPage StemCard(const StemCardText& text, const GridTable& table) {
    PrintedPage page;
    page.title = text.title;
    const double w = kStemCardWidth;
    const double h = kStemCardHeight;
    page.lines = {{0, 0, w, 0}, {w, 0, w, h}, {w, h, 0, h}, {0, h, 0, 0}};
    const double bottom = AddNotes(page, text);
    AddTable(page, table, bottom);
    return page;
}

}  // namespace velomark::gears
