#include "gears/gear_chart.h"

namespace velomark {

namespace {
FrameNames Frame() {
    FrameNames names;
    names.mainMenu = "mnuMainMenu";
    names.exit = "mnuExit";
    names.exitCaption = "E&xit Program";
    names.pageSetup = "mnyWinPageSetup";
    return names;
}
}  // namespace

GearChart::GearChart(Application& app, GearChartValues& values)
    : CalculatorWindow(app, kName, "Gear Chart (etc.)", Frame()),
      values_(values),
      mnuClear(*this, "mnuClear", "&Clear"),
      mnuClearAll(*this, "mnuClearAll", "Clear &All", "Ctrl+A"),
      mnuClearGear(*this, "mnuClearGear", "Clear &Gear Sizes"),
      mnuClearRevs(*this, "mnuClearRevs", "Clear &Revs"),
      mnuClearSpeed(*this, "mnuClearSpeed", "Clear &Speed"),
      mnuClearConv(*this, "mnuClearConv", "Clear &Conversions") {}

}  // namespace velomark
