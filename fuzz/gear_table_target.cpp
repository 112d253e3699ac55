// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <iterator>
#include <utility>

#include "fuzz/action_input.h"
#include "fuzz/window_fuzzer.h"
#include "gears/gear_table.h"
#include "gears/gear_table_messages.h"
#include "gears/saved_setups.h"
#include "tools/harness/recording_platform.h"

namespace {

using velomark::RecordingPlatform;
using velomark::SettingsSection;
using velomark::fuzz::ActionInput;
using velomark::gears::SavedSetups;

// The lists of fixed choices show a preset's, a unit's or a saved bike's name, the lockout line
// sprockets per chainring and the comparison line two bikes' figures.
constexpr std::array<const char*, 6> kWordResults = {"cboChainset", "cboCassette", "cboUnits",
                                                     "cboCompare",  "lblLockout",  "lblCompare"};

// A saved bike comes back as the rider typed it, its name too ("Nan's bike" is a fine name).
constexpr std::array<const char*, 6> kRestoredInputs = {
    "txtChainrings", "txtSprockets", "cboWheelsize", "txtCadence", "txtRollout", "cboSetup"};

// Three bikes an earlier run saved, one in each kind of unit, the track bike shown last.
SavedSetups EarlierSetups() {
    return {{{"Road", "53/39", "11-12-13-14-15-16-17-19-21-23-25", "700 x 23c *", "Gear inches", "",
              "", ""},
             {"Track", "48", "15", "700 x 23c *", "Speed (km/h)", "", "110", "7.93"},
             {"Time trial", "56/44", "11, 12, 13 14", "27", "Gain ratio", "172.5", "", "8"}},
            "Track"};
}

// What an earlier run left in the settings store. Most runs start with nothing saved, as at a
// rider's first opening.
void StartSettings(RecordingPlatform& platform, unsigned choice, ActionInput& input) {
    auto& store = platform.settingsStore();
    switch (choice % 8) {
        case 1:
            // A settings file that cannot be read at all.
            platform.setSettingsReadable(false);
            break;
        case 2:
            store[velomark::gears::kSetupsSection] = WriteSetups(EarlierSetups());
            break;
        case 3:
            // The bikes are there, but the file cannot be written: locked, or on a full disk.
            store[velomark::gears::kSetupsSection] = WriteSetups(EarlierSetups());
            platform.setSettingsWritable(false);
            break;
        case 4: {
            // One entry as the input has it: damage, or a rider's edit by hand.
            SettingsSection section = WriteSetups(EarlierSetups());
            auto entry = section.begin();
            std::advance(entry, static_cast<long>(input.choose(section.size())));
            entry->second = input.text();
            store[velomark::gears::kSetupsSection] = std::move(section);
            break;
        }
        case 5: {
            // An entry the window never writes: a newer program's, or a stray line.
            SettingsSection section = WriteSetups(EarlierSetups());
            std::string key = input.text();
            section[std::move(key)] = input.text();
            store[velomark::gears::kSetupsSection] = std::move(section);
            break;
        }
        default:
            break;
    }
}

}  // namespace

VELOMARK_WINDOW_FUZZ_TARGET(.window = velomark::gears::GearTable::kName,
                            .messages = velomark::gears::table_messages::kAll,
                            .wordResults = kWordResults, .maxGridRows = 13, .maxGridColumns = 3,
                            .pickLockedLists = true, .restoredInputs = kRestoredInputs,
                            .startSettings = &StartSettings)
