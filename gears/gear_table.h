// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "gears/gear_figures.h"
#include "gears/gear_table_inputs.h"
#include "gears/saved_setups.h"
#include "shell/calculator_window.h"
#include "shell/chart.h"
#include "shell/grid.h"

namespace velomark::gears {

// "Gear Table": every chainring against every sprocket in the unit a rider thinks in, with a
// rollout limit, saved bikes, and the table copied, saved or printed as a stem card.
class GearTable : public CalculatorWindow {
  public:
    static constexpr const char* kName = windows::kGearTable;

    GearTable(Application& app, GearTableValues& values);

    void Form_Load() override;

  private:
    // Handlers: the table follows every keystroke, on the last good reading of a field while
    // its text is bad; what is wrong is said once the rider leaves the field.
    void txtChainrings_Change();
    void txtChainrings_LostFocus();
    void cboChainset_Click();
    void txtSprockets_Change();
    void txtSprockets_LostFocus();
    void cboCassette_Click();
    void cboWheelsize_Change();
    void cboWheelsize_Click();
    void cboWheelsize_LostFocus();
    // A pick raises Click, a setup restored by code raises Change: either way once.
    void cboUnits_Click();
    void cboCrank_Click();
    void txtCadence_Change();
    void txtCadence_LostFocus();
    void txtRollout_Change();
    void txtRollout_LostFocus();
    void cboSetup_Click();
    void cboSetup_Change();
    void cboSetup_LostFocus();
    void cmdSaveSetup_Click();
    void cmdDeleteSetup_Click();
    void cboCompare_Click();
    void mnuWinClear_Click();
    void mnuWinCopyTable_Click();
    void mnuWinSaveTable_Click();
    void mnuWinPrint_Click();

    // Inputs: each reads its field into the working values when the text is good and gives
    // the message a bad text deserves (null when good).
    const char* ReadChainrings();
    const char* ReadSprockets();
    const char* ReadWheel();
    const char* ReadCadence();
    const char* ReadRollout();
    const char* ReadAllInputs();
    void ReadCrank();
    void InputChanged(const char* (GearTable::*read)());
    void LeftInput(const char* (GearTable::*read)());
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
    ComboBox cboCompare{*this, "cboCompare"};

    Grid grdGears{*this, "grdGears"};
    Label lblLockout{*this, "lblLockout"};
    Label lblCompare{*this, "lblCompare"};
    Chart picLadder{*this, "picLadder"};
};

}  // namespace velomark::gears
