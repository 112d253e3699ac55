// SPDX-License-Identifier: GPL-3.0-or-later
// Grids: a read-only table whose header row and header column are cells of the table itself,
// drawn as headers, so what a person sees at (0, 0) is the corner the model names.

#include <QAbstractItemView>
#include <QFont>
#include <QHeaderView>
#include <QPalette>
#include <QTableWidget>

#include "gui/control_adapter.h"
#include "shell/grid.h"

namespace velomark::gui {

namespace {

// What one cell of the table shows.
struct CellLook {
    QString text;
    QString tip;
    QBrush background;  // no brush: the table's own background
    bool header = false;
};

CellLook LookOf(const Grid& grid, int row, int column, const QPalette& palette) {
    CellLook look{Text(grid.cellText(row, column)), Text(grid.cellTip(row, column)), {}, false};
    if (row == 0 || column == 0) {
        look.header = true;
        look.background = palette.brush(QPalette::Button);
        return look;
    }
    const Colour colour = grid.cellColour(row, column);
    if (colour != colours::kDefault)
        look.background = QColor(colour.red, colour.green, colour.blue);
    return look;
}

// Sets what differs; true when anything did.
bool ShowCell(QTableWidget& table, int row, int column, const CellLook& look) {
    QTableWidgetItem* item = table.item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        // Shown only: never edited, never selected.
        item->setFlags(Qt::ItemIsEnabled);
        table.setItem(row, column, item);
    }
    bool changed = false;
    if (item->text() != look.text) {
        item->setText(look.text);
        changed = true;
    }
    if (item->toolTip() != look.tip) item->setToolTip(look.tip);
    if (item->background() != look.background) {
        item->setBackground(look.background);
        // A light cell keeps dark text whatever the desktop's colours.
        item->setForeground(
            look.background.style() == Qt::NoBrush || look.header ? QBrush() : QBrush(Qt::black));
    }
    QFont font = item->font();
    if (font.bold() != look.header) {
        font.setBold(look.header);
        item->setFont(font);
        changed = true;
    }
    const Qt::Alignment alignment =
        Qt::AlignVCenter | (look.header ? Qt::AlignHCenter : Qt::AlignRight);
    if (item->textAlignment() != static_cast<int>(alignment)) item->setTextAlignment(alignment);
    return changed;
}

}  // namespace

const ControlAdapter kGridAdapter{
    .widgetClass = "QTableWidget",
    .draws =
        [](const QObject& object) { return qobject_cast<const QTableWidget*>(&object) != nullptr; },
    .connect =
        [](FormView&, Control&, QObject& object) {
            auto& table = static_cast<QTableWidget&>(object);
            table.setEditTriggers(QAbstractItemView::NoEditTriggers);
            table.setSelectionMode(QAbstractItemView::NoSelection);
            table.setFocusPolicy(Qt::NoFocus);
            // The model's headers are cells of their own.
            table.horizontalHeader()->hide();
            table.verticalHeader()->hide();
        },
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            const auto& grid = static_cast<const Grid&>(control);
            auto& table = static_cast<QTableWidget&>(object);
            ShowEnabledAndVisible(control, table);
            const bool empty = grid.rows() == 0 && grid.columns() == 0;
            const int rows = empty ? 0 : grid.rows() + 1;
            const int columns = empty ? 0 : grid.columns() + 1;
            bool resized = false;
            if (table.rowCount() != rows) {
                table.setRowCount(rows);
                resized = true;
            }
            if (table.columnCount() != columns) {
                table.setColumnCount(columns);
                resized = true;
            }
            bool changed = resized;
            for (int row = 0; row < rows; ++row) {
                for (int column = 0; column < columns; ++column) {
                    const CellLook look = LookOf(grid, row, column, table.palette());
                    changed = ShowCell(table, row, column, look) || changed;
                }
            }
            if (changed) table.resizeColumnsToContents();
        },
};

}  // namespace velomark::gui
