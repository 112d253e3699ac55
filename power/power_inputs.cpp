// SPDX-License-Identifier: GPL-3.0-or-later
// The inputs: reading each field when it is left, the time-speed-power triangle, the lists,
// the unit of distance, and Use this CdA.

#include <optional>
#include <span>
#include <string>

#include "power/input_rules.h"
#include "power/power_and_pace.h"
#include "power/power_and_pace_messages.h"
#include "power/presets.h"
#include "power/time_text.h"
#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark::power {

namespace {

// How a typed number becomes the model's: distance and wind in the window's unit, percentages.
enum class Scale { None, Distance, Wind, Percent };

struct NumberInput {
    TextField PowerAndPace::*field;
    const NumberRule& rule;
    double PowerInputs::*value;
    const char* message;
    Scale scale;
};

constexpr double kPercent = 100;

}  // namespace

double PowerAndPace::MetresPerUnit() const {
    return in_.kilometres ? kMetresPerKilometre : kKilometresPerStatuteMile * kMetresPerKilometre;
}

const char* PowerAndPace::ReadInput(TextField& field) {
    // Only member functions may name the window's controls, so the table lives here.
    static const NumberInput kNumberInputs[] = {
        {&PowerAndPace::txtDistance, kDistanceRule, &PowerInputs::distance,
         messages::kDistanceRange, Scale::Distance},
        {&PowerAndPace::txtRiderMass, kRiderMassRule, &PowerInputs::riderMass,
         messages::kRiderMassRange, Scale::None},
        {&PowerAndPace::txtBikeMass, kBikeMassRule, &PowerInputs::bikeMass,
         messages::kBikeMassRange, Scale::None},
        {&PowerAndPace::txtCdA, kCdARule, &PowerInputs::cdA, messages::kCdARange, Scale::None},
        {&PowerAndPace::txtCrr, kCrrRule, &PowerInputs::crr, messages::kCrrRange, Scale::None},
        {&PowerAndPace::txtEfficiency, kEfficiencyRule, &PowerInputs::efficiency,
         messages::kEfficiencyRange, Scale::Percent},
        {&PowerAndPace::txtTemperature, kTemperatureRule, &PowerInputs::temperature,
         messages::kTemperatureRange, Scale::None},
        {&PowerAndPace::txtAltitude, kAltitudeRule, &PowerInputs::altitude,
         messages::kAltitudeRange, Scale::None},
        {&PowerAndPace::txtPressure, kPressureRule, &PowerInputs::pressure,
         messages::kPressureRange, Scale::None},
        {&PowerAndPace::txtWind, kWindRule, &PowerInputs::wind, messages::kWindRange, Scale::Wind},
        {&PowerAndPace::txtGradient, kGradientRule, &PowerInputs::gradient,
         messages::kGradientRange, Scale::Percent},
    };
    for (const NumberInput& input : kNumberInputs) {
        if (&(this->*input.field) != &field) continue;
        const std::optional<double> number = ReadNumber(field.text(), input.rule);
        if (!number) return input.message;
        switch (input.scale) {
            case Scale::None:
                in_.*input.value = *number;
                break;
            case Scale::Distance:
                in_.*input.value = *number * MetresPerUnit();
                break;
            case Scale::Wind:
                in_.*input.value = *number * MetresPerUnit() / kSecondsPerHour;
                break;
            case Scale::Percent:
                in_.*input.value = *number / kPercent;
                break;
        }
        return nullptr;
    }
    // A ride's time and power are both needed for its CdA; empty is no fault.
    if (&field == &txtRideTime) {
        in_.rideTime = field.text().empty() ? std::nullopt : ReadTime(field.text());
        return field.text().empty() || in_.rideTime ? nullptr : messages::kTimeNotATime;
    }
    if (&field == &txtRidePower) {
        in_.ridePower = field.text().empty() ? std::nullopt : ReadNumber(field.text(), kPowerRule);
        return field.text().empty() || in_.ridePower ? nullptr : messages::kPowerRange;
    }
    return nullptr;
}

const char* PowerAndPace::ReadAllInputs() {
    ReadChoices();
    const char* firstFault = nullptr;
    for (TextField* field : {&txtDistance, &txtRiderMass, &txtBikeMass, &txtCdA, &txtCrr,
                             &txtEfficiency, &txtTemperature, &txtAltitude, &txtPressure, &txtWind,
                             &txtGradient, &txtRideTime, &txtRidePower}) {
        const char* fault = ReadInput(*field);
        if (!firstFault) firstFault = fault;
    }
    return firstFault;
}

void PowerAndPace::ReadChoices() {
    in_.kilometres = cboUnits.text() == kKilometres;
    in_.course = cboCourse.text() == kIntoTheWind   ? Course::IntoTheWind
                 : cboCourse.text() == kWithTheWind ? Course::WithTheWind
                                                    : Course::OutAndBack;
    const char* unit = in_.kilometres ? "km/h" : "mph";
    lblSpeedUnit.setCaption(unit);
    lblWindUnit.setCaption(unit);
}

bool PowerAndPace::IsTriangle(const TextField& field) const {
    return &field == &txtTime || &field == &txtSpeed || &field == &txtPower;
}

TextField* PowerAndPace::AnchorField() {
    switch (anchor_) {
        case Anchor::None:
            return nullptr;
        case Anchor::Time:
            return &txtTime;
        case Anchor::Speed:
            return &txtSpeed;
        case Anchor::Power:
            return &txtPower;
    }
    return nullptr;
}

// The field's value in the model's units: seconds, m/s or W.
std::optional<double> PowerAndPace::ReadTriangle(TextField& field) const {
    if (&field == &txtTime) return ReadTime(field.text());
    if (&field == &txtPower) return ReadNumber(field.text(), kPowerRule);
    const std::optional<double> speed = ReadNumber(field.text(), kSpeedRule);
    if (!speed) return std::nullopt;
    return *speed * MetresPerUnit() / kSecondsPerHour;
}

void PowerAndPace::WireInputs() {
    for (TextField* field :
         {&txtDistance, &txtTime, &txtSpeed, &txtPower, &txtRiderMass, &txtBikeMass, &txtCdA,
          &txtCrr, &txtEfficiency, &txtTemperature, &txtAltitude, &txtPressure, &txtWind,
          &txtGradient, &txtRideTime, &txtRidePower}) {
        field->onChange([this, field] {
            if (!writing_) typed_ = field;
        });
        field->onLostFocus([this, field] { Leave(*field); });
    }
    cboUnits.onClick([this] { SwitchUnits(); });
    cboPosition.onClick([this] { PickPreset(cboPosition); });
    cboTyres.onClick([this] { PickPreset(cboTyres); });
    cboCourse.onClick([this] {
        ReadChoices();
        if (const char* fault = Recompute()) ShowMessage(fault);
    });
}

// A field left says what is wrong with its text, each time; a change typed since it was entered
// is taken in and everything follows from it.
void PowerAndPace::Leave(TextField& field) {
    const bool typed = typed_ == &field;
    typed_ = nullptr;
    if (IsTriangle(field)) return LeaveTriangle(field, typed);
    if (const char* fault = ReadInput(field)) return ShowMessage(fault);
    if (!typed) return;
    const bool ride = &field == &txtRideTime || &field == &txtRidePower;
    if (&field == &txtRideTime && in_.rideTime) Write(txtRideTime, TimeText(*in_.rideTime));
    if (!ride && &field != &txtDistance && !IsTriangle(field)) {
        ShowPresets();
        KeepRider();
    }
    const char* fault = Recompute();
    if (ride && in_.rideTime && in_.ridePower && txtRideCdA.text().empty())
        fault = messages::kRideFitsNoCdA;
    if (fault) ShowMessage(fault);
}

void PowerAndPace::LeaveTriangle(TextField& field, bool typed) {
    if (field.text().empty()) {
        // Emptying the anchor leaves nothing to work from.
        if (typed && AnchorField() == &field) {
            anchor_ = Anchor::None;
            ClearResults();
        }
        return;
    }
    const std::optional<double> value = ReadTriangle(field);
    if (!value) {
        return ShowMessage(&field == &txtTime    ? messages::kTimeNotATime
                           : &field == &txtPower ? messages::kPowerRange
                                                 : messages::kSpeedRange);
    }
    if (!typed) return;
    anchor_ = &field == &txtTime    ? Anchor::Time
              : &field == &txtPower ? Anchor::Power
                                    : Anchor::Speed;
    anchorValue_ = *value;
    if (anchor_ == Anchor::Time) Write(txtTime, TimeText(*value));
    if (const char* fault = Recompute()) ShowMessage(fault);
}

void PowerAndPace::ShowPresets() {
    Write(cboPosition, PresetShowing(kPositions, txtCdA.text()));
    Write(cboTyres, PresetShowing(kTyres, txtCrr.text()));
}

void PowerAndPace::PickPreset(ComboBox& list) {
    const bool position = &list == &cboPosition;
    const std::span<const Preset> presets =
        position ? std::span<const Preset>(kPositions) : std::span<const Preset>(kTyres);
    const Preset* preset = PresetNamed(presets, list.text());
    if (!preset) return;
    TextField& field = position ? txtCdA : txtCrr;
    Write(field, NumberText(preset->value));
    ReadInput(field);
    KeepRider();
    if (const char* fault = Recompute()) ShowMessage(fault);
}

// Distance and wind are shown in the new unit and taken as shown; a speed typed as the anchor
// keeps its value and is shown in the new unit.
void PowerAndPace::SwitchUnits() {
    const double before = MetresPerUnit();
    ReadChoices();
    const double after = MetresPerUnit();
    if (before == after) return;
    struct Converted {
        TextField& field;
        const NumberRule& rule;
        const char* pattern;
        double& value;
        double perUnit;
    };
    for (const Converted& c :
         {Converted{txtDistance, kDistanceRule, "0.000", in_.distance, 1.0},
          Converted{txtWind, kWindRule, "0.0", in_.wind, 1.0 / kSecondsPerHour}}) {
        const std::optional<double> number = ReadNumber(c.field.text(), c.rule);
        if (!number) continue;
        Write(c.field, NumberText(*number * before / after));
        writing_ = true;
        TrimToPattern(c.field, c.pattern);
        writing_ = false;
        c.value = StrictNumber(c.field.text()).value_or(0) * after * c.perUnit;
    }
    if (anchor_ == Anchor::Speed)
        Write(txtSpeed, FormatPattern(anchorValue_ * kSecondsPerHour / after, "0.00"));
    if (const char* fault = Recompute()) ShowMessage(fault);
}

void PowerAndPace::UseRideCdA() {
    if (txtRideCdA.text().empty()) return ShowMessage(messages::kNoRideCdA);
    if (!ReadNumber(txtRideCdA.text(), kCdARule)) return ShowMessage(messages::kCdARange);
    Write(txtCdA, txtRideCdA.text());
    ReadInput(txtCdA);
    ShowPresets();
    KeepRider();
    if (const char* fault = Recompute()) ShowMessage(fault);
}

// Empties the time, speed and power and the ride; the rider, the weather and the course stay.
void PowerAndPace::ClearPowerAndPace() {
    anchor_ = Anchor::None;
    for (TextField* field : {&txtTime, &txtSpeed, &txtPower, &txtRideTime, &txtRidePower})
        Write(*field, {});
    in_.rideTime.reset();
    in_.ridePower.reset();
    ClearResults();
    Write(txtRideCdA, {});
}

}  // namespace velomark::power
