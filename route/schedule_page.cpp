// SPDX-License-Identifier: GPL-3.0-or-later
#include "route/schedule_page.h"

#include <algorithm>
#include <cmath>

namespace velomark::route {

namespace {

// Millimetres, from the printable area's top-left corner; an A4 or Letter sheet holds it all.
constexpr double kWidth = 180;
constexpr double kTitleHeight = 8;
constexpr double kSummaryHeight = 6;
constexpr double kProfileTop = kTitleHeight + kSummaryHeight + 2;
constexpr double kProfileHeight = 45;
constexpr double kProfileLabelWidth = 14;
constexpr double kFirstTableTop = kProfileTop + kProfileHeight + 10;
constexpr double kTableTop = 4;
constexpr double kRowHeight = 4.6;
constexpr double kHeaderColumnWidth = 50;
constexpr double kLargestColumnWidth = 26;
constexpr double kCellPoints = 8;

void AddProfile(PrintedPage& page, const ChartData& profile) {
    const double left = kProfileLabelWidth;
    const double right = kWidth;
    const double top = kProfileTop;
    const double bottom = kProfileTop + kProfileHeight;
    page.lines.push_back({left, bottom, right, bottom});
    page.lines.push_back({left, top, left, bottom});
    const double span = profile.high - profile.low;
    if (!(span > 0)) return;
    const auto x = [&](double value) {
        return left + (value - profile.low) / span * (right - left);
    };
    const ChartSeries& line = profile.series;
    const double levels = line.high - line.low;
    if (levels > 0) {
        const auto y = [&](double level) {
            return bottom - (level - line.low) / levels * (bottom - top);
        };
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            page.lines.push_back({x(line.points[i - 1].x), y(line.points[i - 1].y),
                                  x(line.points[i].x), y(line.points[i].y), 0.3});
        }
        for (const double level : {line.low, line.high}) {
            page.texts.push_back({.x = 0,
                                  .y = y(level) - 2,
                                  .width = left - 1,
                                  .height = 4,
                                  .text = std::to_string(std::lround(level)) + " m",
                                  .points = 6,
                                  .align = PrintedText::Align::Right});
        }
    }
    for (const ChartLane& lane : profile.lanes) {
        for (std::size_t i = 0; i < lane.marks.size(); ++i) {
            const double at = x(lane.marks[i].value);
            page.lines.push_back({at, top, at, bottom, 0.1});
            // Names take turns on two lines, so neighbours rarely meet.
            page.texts.push_back({.x = at - 15,
                                  .y = bottom + 0.5 + 3.5 * static_cast<double>(i % 2),
                                  .width = 30,
                                  .height = 3.5,
                                  .text = lane.marks[i].label,
                                  .points = 5.5,
                                  .align = PrintedText::Align::Centre});
        }
    }
}

}  // namespace

PrintedPage SchedulePage(const std::string& name, const std::string& summary,
                         const GridTable& table, const ChartData& profile) {
    PrintedPage page;
    page.title = name;
    page.texts.push_back({.x = 0,
                          .y = 0,
                          .width = kWidth,
                          .height = kTitleHeight,
                          .text = name,
                          .points = 14,
                          .bold = true});
    page.texts.push_back({.x = 0,
                          .y = kTitleHeight,
                          .width = kWidth,
                          .height = kSummaryHeight,
                          .text = summary,
                          .points = 9});
    AddProfile(page, profile);

    const std::size_t columns = table.columnHeaders.size();
    const double columnWidth = std::min(
        kLargestColumnWidth, (kWidth - kHeaderColumnWidth) / std::max<std::size_t>(columns, 1));
    const double right = kHeaderColumnWidth + columnWidth * static_cast<double>(columns);
    const auto cell = [&](int sheet, double y, std::size_t column, const std::string& text,
                          bool bold) {
        const bool header = column == 0;
        page.texts.push_back(
            {.x = header ? 0 : kHeaderColumnWidth + columnWidth * static_cast<double>(column - 1),
             .y = y,
             .width = header ? kHeaderColumnWidth : columnWidth,
             .height = kRowHeight,
             .text = text,
             .points = kCellPoints,
             .bold = bold,
             .align = header ? PrintedText::Align::Left : PrintedText::Align::Right,
             .page = sheet});
    };
    const std::size_t rows = table.rowHeaders.size();
    const std::size_t sheets = std::max<std::size_t>(1, (rows + kRowsPerSheet - 1) / kRowsPerSheet);
    for (std::size_t sheet = 0; sheet < sheets; ++sheet) {
        const std::size_t first = sheet * kRowsPerSheet;
        const int on = static_cast<int>(sheet);
        const double top = sheet == 0 ? kFirstTableTop : kTableTop;
        cell(on, top, 0, table.corner, true);
        for (std::size_t c = 0; c < columns; ++c)
            cell(on, top, c + 1, table.columnHeaders[c], true);
        page.lines.push_back(
            {.x1 = 0, .y1 = top + kRowHeight, .x2 = right, .y2 = top + kRowHeight, .page = on});
        const std::size_t last = std::min(rows, first + kRowsPerSheet);
        for (std::size_t r = first; r < last; ++r) {
            const double y = top + kRowHeight * static_cast<double>(r - first + 1);
            cell(on, y, 0, table.rowHeaders[r], false);
            for (std::size_t c = 0; c < columns && r < table.cells.size(); ++c)
                cell(on, y, c + 1, c < table.cells[r].size() ? table.cells[r][c].text : "", false);
        }
    }
    return page;
}

}  // namespace velomark::route
