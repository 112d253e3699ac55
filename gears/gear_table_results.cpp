// SPDX-License-Identifier: GPL-3.0-or-later
// The table, its chart, what the rollout limit locks out and the bike it is compared with.

#include <string>

#include "gears/gear_figures.h"
#include "gears/gear_table.h"

namespace velomark::gears {

namespace {

// What a chart lane calls a bike when two are drawn: its name, or what it is when it has none.
std::string BikeName(const std::string& name) {
    return name.empty() ? "This bike" : name;
}

}  // namespace

void GearTable::ShowTable() {
    const GearUnit unit = Unit();
    const GearCells cells = CellsOf(values_, unit);
    grdGears.setTable(TableOf(cells, unit));
    lblLockout.setCaption(LockoutText(cells, values_.rollout > 0));

    const GearSetup* compared = FindSetup(cboCompare.text());
    if (!compared) {
        picLadder.setData(ChartOf(unit, {&cells, {}}));
        lblCompare.setCaption({});
        return;
    }
    // The other bike is read as this one is: at the same cadence and against the same limit.
    GearTableValues other = ValuesOf(*compared);
    other.cadence = values_.cadence;
    other.rollout = values_.rollout;
    const GearCells otherCells = CellsOf(other, unit);
    const ChartBike second{&otherCells, compared->name};
    picLadder.setData(ChartOf(unit, {&cells, BikeName(SetupName(cboSetup.text()))}, &second));
    lblCompare.setCaption(ComparisonText(cells, otherCells));
}

}  // namespace velomark::gears
