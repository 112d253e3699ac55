// SPDX-License-Identifier: GPL-3.0-or-later
// One chainring, sprocket and wheel give one number across the program: every gear-inch and
// development cell of the gear table reads as the gear window shows the same gear.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/calculators.h"
#include "gears/gear_chart.h"
#include "gears/gear_table.h"
#include "gears/tyre_sizes.h"
#include "shell/grid.h"
#include "tools/harness/program.h"

namespace velomark::gears {
namespace {

constexpr int kFewestChainring = 20;
constexpr int kMostChainring = 60;
constexpr int kFewestSprocket = 9;
constexpr int kMostSprocket = 40;

// Teeth from..to in lists of at most `most`, each written as the table's field takes them.
std::vector<std::string> TeethLists(int from, int to, int most, char separator) {
    std::vector<std::string> lists;
    for (int first = from; first <= to; first += most) {
        std::string list;
        for (int teeth = first; teeth < first + most && teeth <= to; ++teeth)
            list += (list.empty() ? "" : std::string(1, separator)) + std::to_string(teeth);
        lists.push_back(list);
    }
    return lists;
}

void Enter(Form& window, TextField& field, const std::string& text) {
    window.type(field, text);
    window.leave();
}

// The gear window's chosen gear, "66.3 ( 5.29m )", as its two numbers.
struct Shown {
    std::string inches;
    std::string metres;
};
Shown Split(const std::string& text) {
    const auto open = text.find(" ( ");
    const auto close = text.rfind("m )");
    if (open == std::string::npos || close == std::string::npos) return {text, text};
    return {text.substr(0, open), text.substr(open + 3, close - open - 3)};
}

TEST(GearAgreement, EveryTableCellReadsAsTheGearWindowShowsThatGear) {
    harness::Program program(RegisterCalculators);
    program.start();
    Form& chart = program.open(GearChart::kName);
    TextField& chainring = program.textField("txtChainring");
    TextField& sprocket = program.textField("txtSprocket");
    TextField& gear = program.textField("txtGearInches");
    ComboBox& chartWheel = program.list("cboWheelsize");
    // shown[tyre][chainring][sprocket]
    std::vector<std::vector<std::vector<Shown>>> shown;
    for (const TyreSize& tyre : TyreSizes()) {
        chart.pick(chartWheel, std::string(tyre.text));
        auto& byChainring = shown.emplace_back();
        for (int c = kFewestChainring; c <= kMostChainring; ++c) {
            Enter(chart, chainring, std::to_string(c));
            auto& bySprocket = byChainring.emplace_back();
            for (int s = kFewestSprocket; s <= kMostSprocket; ++s) {
                Enter(chart, sprocket, std::to_string(s));
                bySprocket.push_back(Split(gear.text()));
            }
        }
    }

    Form& table = program.open(GearTable::kName);
    TextField& chainrings = program.textField("txtChainrings");
    TextField& sprockets = program.textField("txtSprockets");
    ComboBox& tableWheel = program.list("cboWheelsize");
    ComboBox& units = program.list("cboUnits");
    const auto& grid = static_cast<const Grid&>(program.control("grdGears"));
    int cells = 0;
    for (const char* unit : {"Gear inches", "Development (m)"}) {
        table.pick(units, unit);
        const bool inches = std::string(unit) == "Gear inches";
        for (const std::string& rings : TeethLists(kFewestChainring, kMostChainring, 3, '/')) {
            Enter(table, chainrings, rings);
            for (const std::string& block : TeethLists(kFewestSprocket, kMostSprocket, 13, '-')) {
                Enter(table, sprockets, block);
                for (std::size_t t = 0; t < TyreSizes().size(); ++t) {
                    const std::string tyre(TyreSizes()[t].text);
                    table.pick(tableWheel, tyre);
                    for (int column = 1; column <= grid.columns(); ++column) {
                        const int c = std::stoi(grid.cellText(0, column));
                        for (int row = 1; row <= grid.rows(); ++row) {
                            const int s = std::stoi(grid.cellText(row, 0));
                            const Shown& expected =
                                shown[t][c - kFewestChainring][s - kFewestSprocket];
                            ASSERT_EQ(grid.cellText(row, column),
                                      inches ? expected.inches : expected.metres)
                                << tyre << ", " << c << " x " << s << ", " << unit;
                            ++cells;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(cells, 2 * 48 * 41 * 32);
    EXPECT_TRUE(program.platform().messages().empty());
}

}  // namespace
}  // namespace velomark::gears
