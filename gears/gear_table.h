// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gears/gear_table_inputs.h"
#include "gears/saved_setups.h"
#include "shell/calculator_window.h"
#include "shell/chart.h"
#include "shell/grid.h"

namespace velomark::gears {

// Working values of the window, kept for the whole run: the last good reading of each input.
struct GearTableValues {
    std::int16_t chainringCount;
    std::array<std::int16_t, kMostChainrings> chainrings;
    std::int16_t sprocketCount;
    std::array<std::int16_t, kMostSprockets> sprockets;
    double wheelCircumference;  // mm; 0 for no wheel
    float wheelInches;
    double crankLength;  // mm; 0 for none
    double cadence;      // revs per minute; 0 for none
    double rollout;      // metres; 0 for no limit
    // The saved setups could not be used and the rider has been told so this run.
    bool setupsRefused;
};

// "Gear Table": every chainring against every sprocket in the unit a rider thinks in, with a
// rollout limit, saved bikes, and the table copied, saved or printed as a stem card.
class GearTable : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kGearTable;

    GearTable(Application& app, GearTableValues& values);

    void Form_Load() override;

  private:
    // Inputs: each reads its field into the working values when the text is good and gives
    // the message a bad text deserves (null when good).
    const char* ReadChainrings();
    const char* ReadSprockets();
    const char* ReadWheel();
    const char* ReadCadence();
    const char* ReadRollout();
    const char* ReadAllInputs();
    void ReadCrank();
    void ShowUnitControls();
    void ShowPresets();
    void ClearGearTable();

    // Results
    GearUnit Unit() const;
    void ShowTable();

    // Saved bikes
    void LoadSetups();
    void ShowSetupList();
    void ShowSetup(const GearSetup& setup);
    void RestoreSetup();
    void SaveSetup();
    void DeleteSetup();
    const GearSetup* FindSetup(const std::string& name) const;
    bool KeepSetups(const SavedSetups& setups);

    // Copy, save and print
    bool HasGears(const char* refusal);
    void CopyTable();
    void SaveTable();
    void PrintStemCard();

    GearTableValues& values_;
    // The saved setups as the store holds them (none when it could not be read).
    SavedSetups saved_;

    MenuEntry mnuWinClear{*this, "mnuWinClear", "C&lear"};
    MenuEntry mnuWinCopyTable{*this, "mnuWinCopyTable", "&Copy Table", "Ctrl+Shift+C"};
    MenuEntry mnuWinSaveTable{*this, "mnuWinSaveTable", "&Save Table As..."};

    TextField txtChainrings{*this, "txtChainrings"};
    ComboBox cboChainset{*this, "cboChainset"};
    TextField txtSprockets{*this, "txtSprockets"};
    ComboBox cboCassette{*this, "cboCassette"};
    ComboBox cboWheelsize{*this, "cboWheelsize"};
    ComboBox cboUnits{*this, "cboUnits"};
    ComboBox cboCrank{*this, "cboCrank"};
    TextField txtCadence{*this, "txtCadence"};
    TextField txtRollout{*this, "txtRollout"};
    ComboBox cboSetup{*this, "cboSetup"};
    Button cmdSaveSetup{*this, "cmdSaveSetup", "Sa&ve"};
    Button cmdDeleteSetup{*this, "cmdDeleteSetup", "&Delete"};

    Grid grdGears{*this, "grdGears"};
    Label lblLockout{*this, "lblLockout"};
    Chart picLadder{*this, "picLadder"};
};

}  // namespace velomark::gears
