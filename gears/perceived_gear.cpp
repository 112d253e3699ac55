// SPDX-License-Identifier: GPL-3.0-or-later
// The Perceived Gear group: how a gear feels after a change of crank length.

#include <optional>
#include <string_view>

#include "gears/gear_chart.h"
#include "gears/gear_rules.h"
#include "shell/field_rules.h"

namespace velomark::gears {

namespace {

// Takes the entry when it is above 0; one beyond the Single range is not taken, so the value in
// use stays.
void TakePositive(std::string_view text, float& value) {
    const double typed = LeadingNumber(text);
    if (!(typed > 0)) return;
    if (const std::optional<float> single = ToSingle(typed)) value = *single;
}

}  // namespace

void GearChart::ComputePerceivedGear() {
    GearChartValues& v = values_;
    TakePositive(txtActualGear.text(), v.actualGear);
    TakePositive(cboOld.text(), v.oldCrank);
    TakePositive(cboNew.text(), v.newCrank);
    if (v.actualGear == 0 || v.oldCrank == 0 || v.newCrank == 0) return;

    // The pedal circles, in proportion to which the same gear feels lower or higher.
    const double oldCircle = (static_cast<double>(v.oldCrank) + v.oldCrank) * v.pi;
    const double newCircle = (static_cast<double>(v.newCrank) + v.newCrank) * v.pi;
    const double leverPercent = oldCircle / newCircle * 100;
    const std::optional<float> perceived = ToSingle(v.actualGear * leverPercent / 100);
    // Beyond the largest gear shown, no result: an earlier one would not belong to the entries.
    if (!perceived || *perceived > kLargestGearInches) {
        txtPerceivedGear.setText({});
        return;
    }
    v.oldCircle = oldCircle;
    v.newCircle = newCircle;
    v.leverPercent = leverPercent;
    v.perceivedGear = *perceived;
    txtPerceivedGear.setText(NumberText(LeadingNumber(FormatPattern(v.perceivedGear, "0.000"))));
}

void GearChart::ClearPerceivedGear() {
    txtActualGear.setText({});
    cboOld.setText({});
    cboNew.setText({});
    txtPerceivedGear.setText({});
    GearChartValues& v = values_;
    v.actualGear = 0;
    v.oldCrank = 0;
    v.newCrank = 0;
    v.oldCircle = 0;
    v.newCircle = 0;
    v.leverPercent = 0;
    v.perceivedGear = 0;
}

}  // namespace velomark::gears
