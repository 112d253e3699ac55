// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velomark {

// A text on a printed page, in a box measured in millimetres from the printable area's top-left
// corner.
struct PrintedText {
    enum class Align { Left, Centre, Right };
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    std::string text;
    double points = 8;
    bool bold = false;
    Align align = Align::Left;
    int page = 0;  // which sheet it is on, from 0
};

// How wide, in millimetres, the page printer may draw the text at that size: never less than it
// does, so a text given that much room is never cut off.
double PrintedWidth(std::string_view text, double points);
// A line of text at that size, with the room the font keeps above and below its letters.
inline constexpr double kLineSpacing = 1.25;
double PrintedLineHeight(double points);

// A straight line on a printed page, in millimetres from the printable area's top-left corner.
struct PrintedLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 0.2;
    int page = 0;  // which sheet it is on, from 0
};

// A page a window lays out for itself (the gear table's stem card) rather than its image: texts
// and lines only, so it prints sharp at any resolution. A long one goes on over further sheets
// of the same job, each text and line on the sheet it names.
struct PrintedPage {
    std::string title;  // the print job's name
    std::vector<PrintedText> texts;
    std::vector<PrintedLine> lines;
    int sheets() const {
        int last = 0;
        for (const PrintedText& text : texts)
            last = text.page > last ? text.page : last;
        for (const PrintedLine& line : lines)
            last = line.page > last ? line.page : last;
        return last + 1;
    }
};

}  // namespace velomark
