// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/stem_card.h"

#include <algorithm>

namespace velomark::gears {

namespace {

constexpr double kMargin = 3;
constexpr double kTitleTop = 2;
constexpr double kTitleHeight = 6;
constexpr double kSubtitleHeight = 4;
constexpr double kTableTop = kTitleTop + kTitleHeight + kSubtitleHeight + 1;
constexpr double kFootnoteHeight = 4;
constexpr double kHeaderColumnWidth = 12;
// Rows and columns no larger than this, so a short table stays a tidy block at the top left.
constexpr double kLargestRowHeight = 5;
constexpr double kLargestColumnWidth = 22;
constexpr double kPointsPerMillimetre = 72 / 25.4;
// A text fills this share of its row's height.
constexpr double kTextShareOfRow = 0.7;
constexpr double kLargestCellPoints = 9;

}  // namespace

PrintedPage StemCard(const StemCardText& text, const GridTable& table) {
    PrintedPage page;
    page.title = text.title;
    const double w = kStemCardWidth;
    const double h = kStemCardHeight;
    page.lines = {{0, 0, w, 0}, {w, 0, w, h}, {w, h, 0, h}, {0, h, 0, 0}};

    const double inner = w - 2 * kMargin;
    page.texts.push_back({.x = kMargin,
                          .y = kTitleTop,
                          .width = inner,
                          .height = kTitleHeight,
                          .text = text.title,
                          .points = 10,
                          .bold = true});
    page.texts.push_back({.x = kMargin,
                          .y = kTitleTop + kTitleHeight,
                          .width = inner,
                          .height = kSubtitleHeight,
                          .text = text.subtitle,
                          .points = 6.5});
    double bottom = h - 1;
    if (!text.footnote.empty()) {
        bottom -= kFootnoteHeight;
        page.texts.push_back({.x = kMargin,
                              .y = bottom,
                              .width = inner,
                              .height = kFootnoteHeight,
                              .text = text.footnote,
                              .points = 6});
    }

    const auto rows = table.rowHeaders.size() + 1;
    const auto columns = std::max<std::size_t>(table.columnHeaders.size(), 1);
    const double rowHeight = std::min(kLargestRowHeight, (bottom - kTableTop) / rows);
    const double columnWidth =
        std::min(kLargestColumnWidth, (inner - kHeaderColumnWidth) / columns);
    const double points =
        std::min(kLargestCellPoints, rowHeight * kPointsPerMillimetre * kTextShareOfRow);
    const double left = kMargin;
    const double right = left + kHeaderColumnWidth + columnWidth * table.columnHeaders.size();
    const double tableBottom = kTableTop + rowHeight * rows;
    const auto cellText = [&](std::size_t row, std::size_t column, const std::string& shown,
                              bool bold) {
        const double x =
            column == 0 ? left : left + kHeaderColumnWidth + columnWidth * (column - 1);
        page.texts.push_back({.x = x,
                              .y = kTableTop + rowHeight * row,
                              .width = column == 0 ? kHeaderColumnWidth : columnWidth,
                              .height = rowHeight,
                              .text = shown,
                              .points = points,
                              .bold = bold,
                              .align = PrintedText::Align::Centre});
    };

    // The corner stays empty: the unit is in the subtitle.
    for (std::size_t c = 0; c < table.columnHeaders.size(); ++c)
        cellText(0, c + 1, table.columnHeaders[c], true);
    for (std::size_t r = 0; r < table.rowHeaders.size(); ++r) {
        cellText(r + 1, 0, table.rowHeaders[r], true);
        if (r >= table.cells.size()) continue;
        for (std::size_t c = 0; c < table.cells[r].size(); ++c) {
            const GridCell& cell = table.cells[r][c];
            cellText(r + 1, c + 1, cell.text, false);
            if (cell.background == GridCell{}.background) continue;
            const double x1 = left + kHeaderColumnWidth + columnWidth * static_cast<double>(c);
            const double y1 = kTableTop + rowHeight * static_cast<double>(r + 1);
            const double x2 = x1 + columnWidth;
            const double y2 = y1 + rowHeight;
            page.lines.push_back({x1, y1, x2, y1, 0.3});
            page.lines.push_back({x2, y1, x2, y2, 0.3});
            page.lines.push_back({x2, y2, x1, y2, 0.3});
            page.lines.push_back({x1, y2, x1, y1, 0.3});
        }
    }
    page.lines.push_back({left, kTableTop + rowHeight, right, kTableTop + rowHeight});
    page.lines.push_back(
        {left + kHeaderColumnWidth, kTableTop, left + kHeaderColumnWidth, tableBottom});
    return page;
}

}  // namespace velomark::gears
