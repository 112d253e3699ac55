// SPDX-License-Identifier: GPL-3.0-or-later
// The Revs group: gear, pedal revs and road speed, any two giving the third.

#include <cmath>
#include <cstdint>
#include <optional>

#include "gears/gear_chart.h"
#include "gears/gear_chart_messages.h"
#include "gears/gear_rules.h"
#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark::gears {

void GearChart::txtSpeedMPH_LostFocus() {
    MphToKph();
    SolveRevs();
}

void GearChart::txtSpeedKPH_LostFocus() {
    KphToMph();
    SolveRevs();
}

void GearChart::MphToKph() {
    const double kph = LeadingNumber(txtSpeedMPH.text()) * kKilometresPerMile;
    if (std::isfinite(kph)) txtSpeedKPH.setText(NumberText(kph));
    TrimToPattern(txtSpeedMPH, "0.000");
    TrimToPattern(txtSpeedKPH, "0.000");
}

void GearChart::KphToMph() {
    txtSpeedMPH.setText(NumberText(LeadingNumber(txtSpeedKPH.text()) / kKilometresPerMile));
    TrimToPattern(txtSpeedMPH, "0.000");
    TrimToPattern(txtSpeedKPH, "0.000");
}

void GearChart::SolveRevs() {
    const double gear = LeadingNumber(txtGearInches2.text());
    const double speed = LeadingNumber(txtSpeedMPH.text());
    // Revs are whole: a typed 0.4 is no revs at all, and revs beyond an Integer are refused
    // before anything is worked out from them.
    const std::optional<std::int16_t> rpm =
        RoundHalfEven<std::int16_t>(LeadingNumber(txtRPM.text()));
    if (!rpm) {
        ShowMessage(messages::kRpmRange);
        return;
    }
    if (gear != 0 && *rpm != 0) {
        SpeedFromGearAndRevs(*rpm);
    } else if (gear != 0 && speed != 0) {
        if (!RevsFromGearAndSpeed()) return;
    } else if (*rpm != 0 && speed != 0) {
        MphToKph();
        GearFromRevsAndSpeed(*rpm);
    }
    TrimToPattern(txtRPM, "0.0");
}

void GearChart::SpeedFromGearAndRevs(std::int16_t rpm) {
    GearChartValues& v = values_;
    const std::optional<float> gear = ToSingle(LeadingNumber(txtGearInches2.text()));
    if (!gear) return;
    v.revsGear = *gear;
    v.revsRpm = rpm;
    // Inches rolled per minute, to inches per hour, to yards, to miles.
    v.revsMph = v.revsRpm * static_cast<double>(v.revsGear) * v.pi * kMinutesPerHour /
                kInchesPerYard / kYardsPerMile;
    txtSpeedMPH.setText(NumberText(v.revsMph));
    MphToKph();
}

bool GearChart::RevsFromGearAndSpeed() {
    GearChartValues& v = values_;
    const std::optional<float> gear = ToSingle(LeadingNumber(txtGearInches2.text()));
    if (!gear) return true;
    const double speed = LeadingNumber(txtSpeedMPH.text());
    // A gear too small for a Single divides by zero here and is refused with the revs.
    const std::optional<std::int16_t> rpm = RoundHalfEven<std::int16_t>(
        speed / *gear / v.pi / kMinutesPerHour * kInchesPerYard * kYardsPerMile);
    if (!rpm) {
        ShowMessage(messages::kRpmRange);
        return false;
    }
    v.revsGear = *gear;
    v.revsMph = speed;
    v.revsRpm = *rpm;
    txtRPM.setText(NumberText(v.revsRpm));
    MphToKph();
    return true;
}

void GearChart::GearFromRevsAndSpeed(std::int16_t rpm) {
    GearChartValues& v = values_;
    const double speed = LeadingNumber(txtSpeedMPH.text());
    const std::optional<float> gear =
        ToSingle(speed / rpm / v.pi / kMinutesPerHour * kInchesPerYard * kYardsPerMile);
    if (!gear) return;
    v.revsRpm = rpm;
    v.revsMph = speed;
    v.revsGear = *gear;
    txtGearInches2.setText(NumberText(v.revsGear));
    TrimToPattern(txtGearInches2, "0.0");
}

void GearChart::ClearRevs() {
    txtSpeedMPH.setText({});
    txtSpeedKPH.setText({});
    txtGearInches2.setText({});
    txtRPM.setText({});
    values_.revsGear = 0;
    values_.revsRpm = 0;
    values_.revsMph = 0;
}

}  // namespace velomark::gears
