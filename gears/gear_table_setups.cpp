// SPDX-License-Identifier: GPL-3.0-or-later
// Saved bikes: setups kept in the settings store, the last one shown coming back at the next
// opening.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "gears/gear_table.h"
#include "gears/gear_table_messages.h"
#include "shell/application.h"

namespace velomark::gears {

namespace messages = table_messages;

// A store that cannot be read, or holds what this window would never have written, is left
// alone: it may be a newer program's, or the rider's to mend. The rider hears of it once a run
// and it is replaced only when they save.
void GearTable::LoadSetups() {
    const StoredSettings stored = app().platform().readSettings(kSetupsSection);
    const std::optional<SavedSetups> read =
        stored.readable ? ReadSetups(stored.values) : std::nullopt;
    saved_ = read.value_or(SavedSetups{});
    if (!read && !values_.setupsRefused) {
        values_.setupsRefused = true;
        ShowMessage(messages::kSetupsUnreadable);
    }
    ShowSetupList();
    if (const GearSetup* last = FindSetup(saved_.last)) ShowSetup(*last);
}

// The bikes to pick, and to compare with after an empty first item for none. A comparison
// with a bike no longer kept ends.
void GearTable::ShowSetupList() {
    std::vector<std::string> names;
    for (const GearSetup& setup : saved_.setups)
        names.push_back(setup.name);
    std::vector<std::string> compared{""};
    compared.insert(compared.end(), names.begin(), names.end());
    cboSetup.setItems(std::move(names));
    cboCompare.setItems(std::move(compared));
    if (!FindSetup(cboCompare.text())) cboCompare.setText({});
    ShowTable();
}

const GearSetup* GearTable::FindSetup(const std::string& name) const {
    const auto found = std::find_if(saved_.setups.begin(), saved_.setups.end(),
                                    [&](const GearSetup& setup) { return setup.name == name; });
    return found == saved_.setups.end() ? nullptr : &*found;
}

void GearTable::ShowSetup(const GearSetup& setup) {
    // A copy: the fields' handlers may look the setups up again.
    const GearSetup shown = setup;
    cboSetup.setText(shown.name);
    cboUnits.setText(shown.unit);
    cboCrank.setText(shown.crank);
    txtChainrings.setText(shown.chainrings);
    txtSprockets.setText(shown.sprockets);
    cboWheelsize.setText(shown.wheel);
    txtCadence.setText(shown.cadence);
    txtRollout.setText(shown.rollout);
}

void GearTable::RestoreSetup() {
    const GearSetup* setup = FindSetup(SetupName(cboSetup.text()));
    if (!setup) return;
    const std::string name = setup->name;
    ShowSetup(*setup);
    if (saved_.last == name) return;
    SavedSetups next = saved_;
    next.last = name;
    // Only which setup comes back next time is lost if this cannot be written; the setups
    // themselves are safe, so the rider is not troubled with it.
    KeepSetups(next);
}

void GearTable::SaveSetup() {
    const std::string name = SetupName(cboSetup.text());
    switch (SetupNameFault(name)) {
        case NameFault::None:
            break;
        case NameFault::Missing:
            return ShowMessage(messages::kSetupNameMissing);
        case NameFault::TooLong:
            return ShowMessage(messages::kSetupNameTooLong);
    }
    // Only what the window accepts is kept, so a setup always comes back as it was.
    if (const char* fault = ReadAllInputs()) return ShowMessage(fault);
    GearSetup setup{name,
                    txtChainrings.text(),
                    txtSprockets.text(),
                    cboWheelsize.text(),
                    cboUnits.text(),
                    cboCrank.text(),
                    txtCadence.text(),
                    txtRollout.text()};
    SavedSetups next = saved_;
    const auto same = std::find_if(next.setups.begin(), next.setups.end(),
                                   [&](const GearSetup& kept) { return kept.name == name; });
    if (same != next.setups.end()) {
        *same = std::move(setup);
    } else {
        next.setups.push_back(std::move(setup));
    }
    next.last = name;
    if (!KeepSetups(next)) return ShowMessage(messages::kSetupNotSaved);
    values_.setupsRefused = false;
    ShowSetupList();
    cboSetup.setText(name);
}

void GearTable::DeleteSetup() {
    const std::string name = SetupName(cboSetup.text());
    if (!FindSetup(name)) return ShowMessage(messages::kNoSetupToDelete);
    SavedSetups next = saved_;
    std::erase_if(next.setups, [&](const GearSetup& kept) { return kept.name == name; });
    if (next.last == name) next.last.clear();
    if (!KeepSetups(next)) return ShowMessage(messages::kSetupNotDeleted);
    ShowSetupList();
    cboSetup.setText({});
}

// Writes the setups to the store; they become the window's only once they are there.
bool GearTable::KeepSetups(const SavedSetups& setups) {
    if (!app().platform().writeSettings(kSetupsSection, WriteSetups(setups))) return false;
    saved_ = setups;
    return true;
}

}  // namespace velomark::gears
