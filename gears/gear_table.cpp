// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/gear_table.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gears/crank_lengths.h"
#include "gears/drivetrain_presets.h"
#include "gears/gear_table_messages.h"
#include "gears/tyre_sizes.h"

namespace velomark::gears {

namespace {

namespace messages = table_messages;

template <class Names>
std::vector<std::string> ItemsOf(const Names& names) {
    std::vector<std::string> items;
    for (const auto& name : names)
        items.emplace_back(name);
    return items;
}

std::vector<std::string> PresetNames(std::span<const DrivetrainPreset> presets) {
    std::vector<std::string> names;
    for (const DrivetrainPreset& preset : presets)
        names.emplace_back(preset.name);
    return names;
}

// The preset whose teeth are the text, so the list names what the field holds; "" for none.
std::string PresetShowing(std::span<const DrivetrainPreset> presets, const std::string& teeth) {
    for (const DrivetrainPreset& preset : presets) {
        if (preset.teeth == teeth) return std::string(preset.name);
    }
    return {};
}

std::string_view TeethOf(std::span<const DrivetrainPreset> presets, const std::string& name) {
    for (const DrivetrainPreset& preset : presets) {
        if (preset.name == name) return preset.teeth;
    }
    return {};
}

template <std::size_t N>
void Keep(const std::vector<std::int16_t>& teeth, std::int16_t& count,
          std::array<std::int16_t, N>& kept) {
    kept = {};
    std::copy(teeth.begin(), teeth.end(), kept.begin());
    count = static_cast<std::int16_t>(teeth.size());
}

}  // namespace

GearTable::GearTable(Application& app, GearTableValues& values)
    : CalculatorWindow(app, kName, "Gear Table"), values_(values) {
    for (TextField* input :
         {&txtChainrings, static_cast<TextField*>(&cboChainset), &txtSprockets,
          static_cast<TextField*>(&cboCassette), static_cast<TextField*>(&cboWheelsize),
          static_cast<TextField*>(&cboUnits), static_cast<TextField*>(&cboCrank), &txtCadence,
          &txtRollout, static_cast<TextField*>(&cboSetup)}) {
        input->setBackground(colours::kInput);
    }
    // The lists of fixed choices are picked from, never typed into.
    for (ComboBox* fixed : {&cboChainset, &cboCassette, &cboUnits, &cboCrank})
        fixed->setLocked(true);
    cboChainset.setItems(PresetNames(Chainsets()));
    cboCassette.setItems(PresetNames(Cassettes()));
    std::vector<std::string> tyres;
    for (const TyreSize& tyre : TyreSizes())
        tyres.emplace_back(tyre.text);
    cboWheelsize.setItems(std::move(tyres));
    cboUnits.setItems(ItemsOf(kUnitNames));
    cboUnits.setText(std::string(NameOf(GearUnit::GearInches)));
    cboCrank.setItems(ItemsOf(kCrankLengths));
    ShowUnitControls();

    // The table follows every keystroke, on the last good reading of a field while its text is
    // bad; what is wrong is said once the rider leaves the field.
    struct Input {
        TextField& field;
        const char* (GearTable::*read)();
    };
    for (const Input& input :
         {Input{txtChainrings, &GearTable::ReadChainrings},
          Input{txtSprockets, &GearTable::ReadSprockets},
          Input{cboWheelsize, &GearTable::ReadWheel}, Input{txtCadence, &GearTable::ReadCadence},
          Input{txtRollout, &GearTable::ReadRollout}}) {
        const auto read = input.read;
        input.field.onChange([this, read] {
            (this->*read)();
            ShowPresets();
            ShowTable();
        });
        input.field.onLostFocus([this, read] {
            if (const char* fault = (this->*read)()) ShowMessage(fault);
        });
    }
    cboWheelsize.onClick([this] {
        ReadWheel();
        ShowTable();
    });
    cboChainset.onClick(
        [this] { txtChainrings.setText(std::string(TeethOf(Chainsets(), cboChainset.text()))); });
    cboCassette.onClick(
        [this] { txtSprockets.setText(std::string(TeethOf(Cassettes(), cboCassette.text()))); });
    // A pick raises Click, a setup restored by code raises Change: either way once.
    for (ComboBox* choice : {&cboUnits, &cboCrank}) {
        const auto chosen = [this] {
            ReadCrank();
            ShowUnitControls();
            ShowTable();
        };
        choice->onClick(chosen);
        choice->onChange(chosen);
    }

    cboSetup.onClick([this] { RestoreSetup(); });
    cboSetup.onLostFocus([this] {
        if (SetupNameFault(SetupName(cboSetup.text())) == NameFault::TooLong) {
            ShowMessage(messages::kSetupNameTooLong);
        }
    });
    cmdSaveSetup.onClick([this] { SaveSetup(); });
    cmdDeleteSetup.onClick([this] { DeleteSetup(); });

    mnuWinClear.onClick([this] { ClearGearTable(); });
    mnuWinCopyTable.onClick([this] { CopyTable(); });
    mnuWinSaveTable.onClick([this] { SaveTable(); });
    // The card is what a rider wants on paper, not a picture of the window.
    mnuWinPrint.onClick([this] { PrintStemCard(); });

    setTabOrder({&txtChainrings, &cboChainset, &txtSprockets, &cboCassette, &cboWheelsize,
                 &cboUnits, &cboCrank, &txtCadence, &txtRollout, &cboSetup, &cmdSaveSetup,
                 &cmdDeleteSetup, &cmdExit});
}

void GearTable::Form_Load() {
    LoadSetups();
}

const char* GearTable::ReadChainrings() {
    const TeethList read = ReadTeethList(txtChainrings.text(), kChainringRule);
    switch (read.fault) {
        case TeethFault::None:
            Keep(read.teeth, values_.chainringCount, values_.chainrings);
            return nullptr;
        case TeethFault::NotWholeNumbers:
            return messages::kChainringsNotNumbers;
        case TeethFault::OutOfRange:
            return messages::kChainringRange;
        case TeethFault::TooMany:
            return messages::kTooManyChainrings;
    }
    return nullptr;
}

const char* GearTable::ReadSprockets() {
    const TeethList read = ReadTeethList(txtSprockets.text(), kSprocketRule);
    switch (read.fault) {
        case TeethFault::None:
            Keep(read.teeth, values_.sprocketCount, values_.sprockets);
            return nullptr;
        case TeethFault::NotWholeNumbers:
            return messages::kSprocketsNotNumbers;
        case TeethFault::OutOfRange:
            return messages::kSprocketRange;
        case TeethFault::TooMany:
            return messages::kTooManySprockets;
    }
    return nullptr;
}

const char* GearTable::ReadWheel() {
    const WheelReading read = gears::ReadWheel(cboWheelsize.text());
    switch (read.fault) {
        case WheelFault::None:
            values_.wheelCircumference = read.circumference;
            values_.wheelInches = read.inches;
            return nullptr;
        case WheelFault::NotAWheel:
            return messages::kWheelUnknown;
        case WheelFault::TooLarge:
            return messages::kWheelTooLarge;
    }
    return nullptr;
}

const char* GearTable::ReadCadence() {
    const std::optional<double> cadence = gears::ReadCadence(txtCadence.text());
    if (!cadence) return messages::kCadenceRange;
    values_.cadence = *cadence;
    return nullptr;
}

const char* GearTable::ReadRollout() {
    const std::optional<double> rollout = gears::ReadRollout(txtRollout.text());
    if (!rollout) return messages::kRolloutNotANumber;
    values_.rollout = *rollout;
    return nullptr;
}

const char* GearTable::ReadAllInputs() {
    const char* firstFault = nullptr;
    for (const char* fault :
         {ReadChainrings(), ReadSprockets(), ReadWheel(), ReadCadence(), ReadRollout()}) {
        if (!firstFault) firstFault = fault;
    }
    ReadCrank();
    return firstFault;
}

void GearTable::ReadCrank() {
    values_.crankLength = gears::ReadCrank(cboCrank.text()).value_or(0);
}

// The crank matters only to the gain ratio and the cadence only to the speeds; each keeps its
// value while it waits.
void GearTable::ShowUnitControls() {
    const GearUnit unit = Unit();
    cboCrank.setEnabled(unit == GearUnit::GainRatio);
    txtCadence.setEnabled(unit == GearUnit::SpeedKph || unit == GearUnit::SpeedMph);
}

void GearTable::ShowPresets() {
    cboChainset.setText(PresetShowing(Chainsets(), txtChainrings.text()));
    cboCassette.setText(PresetShowing(Cassettes(), txtSprockets.text()));
}

GearUnit GearTable::Unit() const {
    return UnitNamed(cboUnits.text()).value_or(GearUnit::GearInches);
}

// Empties every input and the table; the saved setups stay, as does the unit chosen.
void GearTable::ClearGearTable() {
    for (TextField* field : {&txtChainrings, &txtSprockets, static_cast<TextField*>(&cboWheelsize),
                             static_cast<TextField*>(&cboCrank), &txtCadence, &txtRollout,
                             static_cast<TextField*>(&cboSetup)}) {
        field->setText({});
    }
}

}  // namespace velomark::gears
