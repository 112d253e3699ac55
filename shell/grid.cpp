// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/grid.h"

namespace velomark {

Grid::Grid(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Grid) {}

void Grid::setTable(GridTable table) {
    if (table == table_) return;
    table_ = std::move(table);
    stateChanged();
}

const GridCell* Grid::dataCell(int row, int column) const {
    if (row < 1 || column < 1 || row > rows() || column > columns()) return nullptr;
    const auto& cells = table_.cells[static_cast<std::size_t>(row - 1)];
    const auto index = static_cast<std::size_t>(column - 1);
    return index < cells.size() ? &cells[index] : nullptr;
}

std::string Grid::cellText(int row, int column) const {
    if (row < 0 || column < 0 || row > rows() || column > columns()) return {};
    if (rows() == 0 && columns() == 0) return {};
    if (row == 0 && column == 0) return table_.corner;
    if (row == 0) return table_.columnHeaders[static_cast<std::size_t>(column - 1)];
    if (column == 0) return table_.rowHeaders[static_cast<std::size_t>(row - 1)];
    const GridCell* cell = dataCell(row, column);
    return cell ? cell->text : std::string();
}

Colour Grid::cellColour(int row, int column) const {
    const GridCell* cell = dataCell(row, column);
    return cell ? cell->background : colours::kDefault;
}

std::string Grid::cellTip(int row, int column) const {
    const GridCell* cell = dataCell(row, column);
    return cell ? cell->tip : std::string();
}

}  // namespace velomark
