// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/colour.h"
#include "shell/control.h"

namespace velomark {

// One cell of a grid: its text, its background and the note a person sees on hovering over it.
struct GridCell {
    std::string text;
    Colour background = colours::kDefault;
    std::string tip;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A whole grid's content: a header row above the data, a header column before it, and the
// corner where they meet.
struct GridTable {
    std::string corner;
    std::vector<std::string> columnHeaders;    // one per data column
    std::vector<std::string> rowHeaders;       // one per data row
    std::vector<std::vector<GridCell>> cells;  // one row of cells per row header
    friend bool operator==(const GridTable&, const GridTable&) = default;
};

// A read-only grid. Row 0 is the header row and column 0 the header column, so data rows and
// columns count from 1 and (0, 0) is the corner. An empty table shows no headers at all.
class Grid : public Control {
  public:
    Grid(Form& form, std::string name);

    const GridTable& table() const { return table_; }
    // Replaces the whole content; whoever shows the grid hears of it only when it differs.
    void setTable(GridTable table);

    int rows() const { return static_cast<int>(table_.rowHeaders.size()); }
    int columns() const { return static_cast<int>(table_.columnHeaders.size()); }
    // What the cell shows; "" (and the default background, no tip) outside the table.
    std::string cellText(int row, int column) const;
    Colour cellColour(int row, int column) const;
    std::string cellTip(int row, int column) const;

  private:
    const GridCell* dataCell(int row, int column) const;

    GridTable table_;
};

}  // namespace velomark
