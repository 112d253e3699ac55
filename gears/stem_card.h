// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The gear table printed as a card to tape to a stem: a rider reads it at a glance while riding.

#include <string>

#include "shell/grid.h"
#include "shell/printed_page.h"

namespace velomark::gears {

// The card's size in millimetres, from the page's top-left corner.
inline constexpr double kStemCardWidth = 90;
inline constexpr double kStemCardHeight = 60;

// What goes on the card besides the table.
struct StemCardText {
    std::string title;     // the setup's name, or the window's when there is none
    std::string subtitle;  // the wheel and the unit
    std::string footnote;  // what the rollout limit locks out; "" for no limit
};

// The card: its texts, a frame to cut along, the table with lines under its header row and
// after its header column, and a box round every cell over the limit (the grid's coloured
// cells, which print as no colour).
PrintedPage StemCard(const StemCardText& text, const GridTable& table);

}  // namespace velomark::gears
