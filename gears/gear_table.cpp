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
          &txtRollout, static_cast<TextField*>(&cboSetup), static_cast<TextField*>(&cboCompare)}) {
        input->setBackground(colours::kInput);
    }
    // The lists of fixed choices are picked from, never typed into.
    for (ComboBox* fixed : {&cboChainset, &cboCassette, &cboUnits, &cboCrank, &cboCompare})
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

    txtChainrings.onChange([this] { txtChainrings_Change(); });
    txtChainrings.onLostFocus([this] { txtChainrings_LostFocus(); });
    cboChainset.onClick([this] { cboChainset_Click(); });
    txtSprockets.onChange([this] { txtSprockets_Change(); });
    txtSprockets.onLostFocus([this] { txtSprockets_LostFocus(); });
    cboCassette.onClick([this] { cboCassette_Click(); });
    cboWheelsize.onChange([this] { cboWheelsize_Change(); });
    cboWheelsize.onClick([this] { cboWheelsize_Click(); });
    cboWheelsize.onLostFocus([this] { cboWheelsize_LostFocus(); });
    cboUnits.onClick([this] { cboUnits_Click(); });
    cboUnits.onChange([this] { cboUnits_Click(); });
    cboCrank.onClick([this] { cboCrank_Click(); });
    cboCrank.onChange([this] { cboCrank_Click(); });
    txtCadence.onChange([this] { txtCadence_Change(); });
    txtCadence.onLostFocus([this] { txtCadence_LostFocus(); });
    txtRollout.onChange([this] { txtRollout_Change(); });
    txtRollout.onLostFocus([this] { txtRollout_LostFocus(); });
    cboSetup.onClick([this] { cboSetup_Click(); });
    cboSetup.onChange([this] { cboSetup_Change(); });
    cboSetup.onLostFocus([this] { cboSetup_LostFocus(); });
    cmdSaveSetup.onClick([this] { cmdSaveSetup_Click(); });
    cmdDeleteSetup.onClick([this] { cmdDeleteSetup_Click(); });
    cboCompare.onClick([this] { cboCompare_Click(); });
    mnuWinClear.onClick([this] { mnuWinClear_Click(); });
    mnuWinCopyTable.onClick([this] { mnuWinCopyTable_Click(); });
    mnuWinSaveTable.onClick([this] { mnuWinSaveTable_Click(); });
    mnuWinPrint.onClick([this] { mnuWinPrint_Click(); });

    setTabOrder({&txtChainrings, &cboChainset, &txtSprockets, &cboCassette, &cboWheelsize,
                 &cboUnits, &cboCrank, &txtCadence, &txtRollout, &cboSetup, &cmdSaveSetup,
                 &cmdDeleteSetup, &cboCompare, &cmdExit});
}

// The table shows what the fields show and nothing typed before the window last closed: the
// readings start again from the fields, empty or the bike shown last.
void GearTable::Form_Load() {
    const bool refused = values_.setupsRefused;
    values_ = GearTableValues{};
    values_.setupsRefused = refused;
    LoadSetups();
    ReadAllInputs();
    ShowTable();
}

void GearTable::InputChanged(const char* (GearTable::*read)()) {
    (this->*read)();
    ShowPresets();
    ShowTable();
}

void GearTable::LeftInput(const char* (GearTable::*read)()) {
    if (const char* fault = (this->*read)()) ShowMessage(fault);
}

void GearTable::txtChainrings_Change() {
    InputChanged(&GearTable::ReadChainrings);
}
void GearTable::txtChainrings_LostFocus() {
    LeftInput(&GearTable::ReadChainrings);
}
void GearTable::cboChainset_Click() {
    txtChainrings.setText(std::string(TeethOf(Chainsets(), cboChainset.text())));
}
void GearTable::txtSprockets_Change() {
    InputChanged(&GearTable::ReadSprockets);
}
void GearTable::txtSprockets_LostFocus() {
    LeftInput(&GearTable::ReadSprockets);
}
void GearTable::cboCassette_Click() {
    txtSprockets.setText(std::string(TeethOf(Cassettes(), cboCassette.text())));
}
void GearTable::cboWheelsize_Change() {
    InputChanged(&GearTable::ReadWheel);
}
void GearTable::cboWheelsize_Click() {
    ReadWheel();
    ShowTable();
}
void GearTable::cboWheelsize_LostFocus() {
    LeftInput(&GearTable::ReadWheel);
}
void GearTable::cboUnits_Click() {
    ReadCrank();
    ShowTable();
}
void GearTable::cboCrank_Click() {
    ReadCrank();
    ShowTable();
}
void GearTable::txtCadence_Change() {
    InputChanged(&GearTable::ReadCadence);
}
void GearTable::txtCadence_LostFocus() {
    LeftInput(&GearTable::ReadCadence);
}
void GearTable::txtRollout_Change() {
    InputChanged(&GearTable::ReadRollout);
}
void GearTable::txtRollout_LostFocus() {
    LeftInput(&GearTable::ReadRollout);
}
void GearTable::cboSetup_Click() {
    RestoreSetup();
}
// The name labels the bike's lanes while it is compared.
void GearTable::cboSetup_Change() {
    if (!cboCompare.text().empty()) ShowTable();
}
void GearTable::cboSetup_LostFocus() {
    if (SetupNameFault(SetupName(cboSetup.text())) == NameFault::TooLong) {
        ShowMessage(messages::kSetupNameTooLong);
    }
}
void GearTable::cmdSaveSetup_Click() {
    SaveSetup();
}
void GearTable::cmdDeleteSetup_Click() {
    DeleteSetup();
}
void GearTable::cboCompare_Click() {
    ShowTable();
}
void GearTable::mnuWinClear_Click() {
    ClearGearTable();
}
void GearTable::mnuWinCopyTable_Click() {
    CopyTable();
}
void GearTable::mnuWinSaveTable_Click() {
    SaveTable();
}
// The card is what a rider wants on paper, not a picture of the window.
void GearTable::mnuWinPrint_Click() {
    PrintStemCard();
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
            return messages::kChainringRange.c_str();
        case TeethFault::TooMany:
            return messages::kTooManyChainrings.c_str();
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
            return messages::kSprocketRange.c_str();
        case TeethFault::TooMany:
            return messages::kTooManySprockets.c_str();
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
    if (!cadence) return messages::kCadenceRange.c_str();
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
