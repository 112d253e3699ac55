// SPDX-License-Identifier: GPL-3.0-or-later
// The Gear Sizes group: the wheel in use, the chosen gear and its eight neighbours.

#include <array>
#include <cstdint>
#include <string>

#include "gears/gear_chart.h"
#include "gears/gear_chart_messages.h"
#include "gears/gear_routine.h"
#include "gears/gear_rules.h"
#include "shell/field_rules.h"

namespace velomark::gears {

void GearChart::ReadTeeth(const TextField& field, std::int16_t& teeth, const char* refusal) {
    const double typed = LeadingNumber(field.text());
    // Blank, 0 or negative: the count in use stays.
    if (!(typed > 0)) return;
    const auto whole = RoundHalfEven<std::int16_t>(typed);
    if (!whole || *whole > kMostTeeth) {
        ShowMessage(refusal);
        return;
    }
    teeth = *whole;
}

void GearChart::SettleWheelSize() {
    GearChartValues& v = values_;
    const std::string& text = cboWheelsize.text();
    if (!text.empty()) {
        const double circumference = WheelCircumferenceOf(text, v.pi);
        if (WheelFits(circumference, v.pi)) {
            v.wheelCircumference = circumference;
        } else {
            ShowMessage(messages::kWheelTooLarge);
        }
    }
    v.wheelInches = WheelInchesOf(v.wheelCircumference, v.pi);
    txtCircumference.setText(NumberText(v.wheelCircumference));
    txtWheelsizeInches.setText(FormatPattern(v.wheelInches, "0.00"));
}

void GearChart::UseTypedCircumference() {
    const double typed = LeadingNumber(txtCircumference.text());
    if (!WheelFits(typed, values_.pi)) {
        ShowMessage(messages::kWheelTooLarge);
        return;
    }
    values_.wheelCircumference = typed;
    cboWheelsize.setText({});
    ComputeGearSizes();
}

void GearChart::ComputeGearSizes() {
    GearChartValues& v = values_;
    ReadTeeth(txtChainring, v.chainring, messages::kChainringRange);
    ReadTeeth(txtSprocket, v.sprocket, messages::kSprocketRange);
    SettleWheelSize();
    if (v.wheelInches == 0 || v.chainring == 0 || v.sprocket == 0) {
        txtGearInches.setText({});
        return;
    }
    const GearSize gear = GearOf(v.chainring, v.sprocket, v.wheelInches, v.pi);
    v.gearInches = gear.inches;
    v.gearMetres = gear.metres;
    txtGearInches.setText(NumberText(gear.inches) + " ( " + NumberText(gear.metres) + "m )");
    ShowNeighbours();
    HandOverGear();
}

void GearChart::ShowNeighbours() {
    struct Neighbour {
        TextField& field;
        int chainring;
        int sprocket;
    };
    const int c = values_.chainring;
    const int s = values_.sprocket;
    // Alternative 1 moves to the next smaller sprocket; from 12 teeth or fewer there is none to
    // move to, so it goes two teeth up the block instead.
    const bool smallerSprocket = s >= 13;
    const int altChainring = smallerSprocket ? c - 3 : c + 6;
    const int altSprocket = smallerSprocket ? s - 1 : s + 2;
    const std::array<Neighbour, 8> neighbours{{
        {txtUp1t, c + 1, s},
        {txtDown1t, c - 1, s},
        {txtAltLower, altChainring, altSprocket},
        {txtAltLower1up, altChainring + 1, altSprocket},
        {txtAltLower1down, altChainring - 1, altSprocket},
        {txtAltHigher, c + 3, s + 1},
        {txtAltHigher2up, c + 2, s + 1},
        {txtAltHigher2down, c + 4, s + 1},
    }};
    for (std::size_t i = 0; i < neighbours.size(); ++i) {
        const Neighbour& n = neighbours[i];
        const auto chainring = static_cast<std::int16_t>(n.chainring);
        const auto sprocket = static_cast<std::int16_t>(n.sprocket);
        const GearSize gear = GearOf(chainring, sprocket, values_.wheelInches, values_.pi);
        values_.neighbourGears[i] = gear;
        n.field.setText(NumberText(chainring) + " x " + NumberText(sprocket) + " = " +
                        NumberText(gear.inches) + " ( " + NumberText(gear.metres) + " m )");
    }
}

// The Revs and Perceived Gear groups take the gear only while the Revs gear is blank; they
// calculate when the person next leaves one of their own fields.
void GearChart::HandOverGear() {
    if (!txtGearInches2.text().empty()) return;
    const std::string gear = NumberText(values_.gearInches);
    txtGearInches2.setText(gear);
    txtActualGear.setText(gear);
}

void GearChart::UseTyreList(bool tyreList) {
    cboWheelsize.setLocked(!tyreList);
    cboWheelsize.setBackground(tyreList ? colours::kInput : colours::kDefault);
    txtCircumference.setLocked(tyreList);
    txtCircumference.setBackground(tyreList ? colours::kDefault : colours::kInput);
}

void GearChart::ClearGearSizes() {
    for (TextField* field :
         {&txtChainring, &txtSprocket, static_cast<TextField*>(&cboWheelsize), &txtGearInches,
          &txtCircumference, &txtWheelsizeInches, &txtUp1t, &txtDown1t, &txtAltLower, &txtAltHigher,
          &txtAltLower1up, &txtAltLower1down, &txtAltHigher2up, &txtAltHigher2down}) {
        field->setText({});
    }
    GearChartValues& v = values_;
    v.wheelCircumference = 0;
    v.chainring = 0;
    v.sprocket = 0;
    v.wheelInches = 0;
    v.gearInches = 0;
    v.gearMetres = 0;
    v.neighbourGears = {};
}

}  // namespace velomark::gears
