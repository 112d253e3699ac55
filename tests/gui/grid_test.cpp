// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop.h"
#include "gui/control_adapter.h"
#include "shell/grid.h"
#include "tools/script/widget_driver.h"

namespace velomark::gui {
namespace {

class GridWindow : public Form {
  public:
    explicit GridWindow(Application& app) : Form(app, "frmGrid", "Grid") { setTabOrder({&txtA}); }

    TextField txtA{*this, "txtA"};
    Grid grdGears{*this, "grdGears"};
};

QMainWindow* GridLayout() {
    auto* window = new QMainWindow;
    window->setObjectName("frmGrid");
    auto* central = new QWidget(window);
    auto* layout = new QVBoxLayout(central);
    auto* field = new QLineEdit(central);
    field->setObjectName("txtA");
    layout->addWidget(field);
    auto* table = new QTableWidget(central);
    table->setObjectName("grdGears");
    layout->addWidget(table);
    window->setCentralWidget(central);
    return window;
}

GridCell Cell(std::string text, Colour background = colours::kDefault, std::string tip = {}) {
    return {std::move(text), background, std::move(tip)};
}

// 50/34 against 11 and 12 in gear inches, the top gear over a limit.
GridTable TwoByTwo() {
    return {"Gear inches",
            {"50", "34"},
            {"11", "12"},
            {{Cell("122.7", colours::kLightRed, "over the limit"),
              Cell("83.5", colours::kDefault, "34 x 11: 2% from 50 x 16")},
             {Cell("112.5"), Cell("76.5")}}};
}

class GridAdapterTest : public ::testing::Test {
  protected:
    GridAdapterTest() : form(desktop.app) {
        std::string error;
        view = FormView::Bind(form, desktop.frontEnd, GridLayout(), error);
        EXPECT_TRUE(view) << error;
        table = qobject_cast<QTableWidget*>(view->widgetOf(form.grdGears));
    }

    QString text(int row, int column) const {
        const QTableWidgetItem* item = table->item(row, column);
        return item ? item->text() : QString("(no item)");
    }

    Desktop desktop;
    GridWindow form;
    std::unique_ptr<FormView> view;
    QTableWidget* table = nullptr;
};

TEST_F(GridAdapterTest, TheHeadersAreTheFirstRowAndColumnOfTheTable) {
    ASSERT_NE(table, nullptr);
    form.grdGears.setTable(TwoByTwo());
    ASSERT_EQ(table->rowCount(), 3);
    ASSERT_EQ(table->columnCount(), 3);
    const QStringList shown{text(0, 0), text(0, 1), text(0, 2), text(1, 0), text(1, 1),
                            text(1, 2), text(2, 0), text(2, 1), text(2, 2)};
    const QStringList wanted{"Gear inches", "50", "34",    "11",  "122.7",
                             "83.5",        "12", "112.5", "76.5"};
    EXPECT_EQ(shown, wanted);
    EXPECT_TRUE(table->horizontalHeader()->isHidden());
    EXPECT_TRUE(table->verticalHeader()->isHidden());
    // Headers look like headers, data like data.
    const QColor header = table->palette().color(QPalette::Button);
    for (const auto& [row, column] : {std::pair{0, 0}, {0, 2}, {2, 0}}) {
        EXPECT_TRUE(table->item(row, column)->font().bold()) << row << "," << column;
        EXPECT_EQ(table->item(row, column)->background().color(), header) << row << "," << column;
    }
    EXPECT_FALSE(table->item(1, 2)->font().bold());
    EXPECT_EQ(table->item(1, 1)->background().color(), QColor(255, 192, 192));
    EXPECT_EQ(table->item(1, 2)->background().style(), Qt::NoBrush);
    EXPECT_EQ(table->item(1, 1)->toolTip(), "over the limit");
    EXPECT_EQ(table->item(1, 2)->toolTip(), "34 x 11: 2% from 50 x 16");
    EXPECT_EQ(table->item(2, 2)->toolTip(), "");
}

TEST_F(GridAdapterTest, ThePersonCanNeitherEditNorSelectNorFocusIt) {
    form.grdGears.setTable(TwoByTwo());
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(table->selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(table->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(table->item(1, 1)->flags(), Qt::ItemIsEnabled);
    view->show();
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {},
                       table->visualItemRect(table->item(1, 1)).center());
    EXPECT_EQ(text(1, 1), "122.7");
    EXPECT_NE(QApplication::focusWidget(), table);
    EXPECT_EQ(form.grdGears.cellText(1, 1), "122.7");
}

TEST_F(GridAdapterTest, GrowsShrinksAndEmptiesWithTheModel) {
    form.grdGears.setTable(TwoByTwo());
    GridTable one{"Development (m)", {"53"}, {"21"}, {{Cell("5.29")}}};
    form.grdGears.setTable(one);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(text(0, 0), "Development (m)");
    EXPECT_EQ(text(1, 1), "5.29");
    // The cell that was light red is the default again.
    EXPECT_EQ(table->item(1, 1)->background().style(), Qt::NoBrush);
    EXPECT_EQ(table->item(1, 1)->toolTip(), "");
    form.grdGears.setTable({});
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(table->columnCount(), 0);
    form.grdGears.setTable(TwoByTwo());
    EXPECT_EQ(text(2, 2), "76.5");
}

TEST_F(GridAdapterTest, ColumnsFitTheirTexts) {
    GridTable wide = TwoByTwo();
    wide.cells[1][0].text = "1234567890.123456";
    form.grdGears.setTable(wide);
    const QFontMetrics metrics(table->item(2, 1)->font());
    EXPECT_GE(table->columnWidth(1), metrics.horizontalAdvance("1234567890.123456"));
    EXPECT_LT(table->columnWidth(2), metrics.horizontalAdvance("1234567890.123456"));
}

TEST_F(GridAdapterTest, ShowingTheSameTableAgainChangesNothing) {
    form.grdGears.setTable(TwoByTwo());
    QSignalSpy changes(table->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reshaped(table->model(), &QAbstractItemModel::layoutChanged);
    const QTableWidgetItem* before = table->item(2, 2);
    AdapterFor(ControlKind::Grid).push(*view, form.grdGears, *table);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(reshaped.count(), 0);
    EXPECT_EQ(table->item(2, 2), before);
    GridTable changed = TwoByTwo();
    changed.cells[1][1].text = "76";
    form.grdGears.setTable(changed);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(text(2, 2), "76");
}

// What a scenario's grid checks find through the widgets: the table as drawn agrees with its
// model, and any difference is named.
TEST_F(GridAdapterTest, TheScenarioChecksSeeWhatTheTableShows) {
    using script::TableDifference;
    EXPECT_EQ(TableDifference(form.grdGears, *table), "");
    form.grdGears.setTable(TwoByTwo());
    EXPECT_EQ(TableDifference(form.grdGears, *table), "");
    table->item(2, 1)->setText("112");
    EXPECT_EQ(TableDifference(form.grdGears, *table),
              "cell 2,1 shows \"112\", the model \"112.5\"");
    table->item(2, 1)->setText("112.5");
    table->item(0, 0)->setText("");
    EXPECT_EQ(TableDifference(form.grdGears, *table),
              "cell 0,0 shows \"\", the model \"Gear inches\"");
    table->item(0, 0)->setText("Gear inches");
    table->item(1, 1)->setBackground(QBrush());
    EXPECT_EQ(TableDifference(form.grdGears, *table),
              "cell 1,1 has the background 255,255,255, the model 255,192,192");
    table->item(1, 1)->setBackground(QColor(255, 192, 192));
    table->item(2, 2)->setToolTip("+4%");
    EXPECT_EQ(TableDifference(form.grdGears, *table),
              "cell 2,2 has the tip \"+4%\", the model \"\"");
    table->item(2, 2)->setToolTip("");
    EXPECT_EQ(TableDifference(form.grdGears, *table), "");
    table->setColumnCount(2);
    EXPECT_EQ(TableDifference(form.grdGears, *table),
              "the table has 3 x 2 cells, headers included, the model 3 x 3");
}

}  // namespace
}  // namespace velomark::gui
