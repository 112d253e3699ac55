// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <iterator>
#include <utility>

#include "fuzz/action_input.h"
#include "fuzz/window_fuzzer.h"
#include "power/power_and_pace.h"
#include "power/power_and_pace_messages.h"
#include "power/rider_store.h"
#include "tools/harness/recording_platform.h"

namespace {

using velomark::RecordingPlatform;
using velomark::SettingsSection;
using velomark::fuzz::ActionInput;
using velomark::power::RiderTexts;

// The lists show a unit's, a position's, a tyre's or a course's name; the unit labels a unit.
constexpr std::array<const char*, 6> kWordResults = {"cboUnits",  "cboPosition",  "cboTyres",
                                                     "cboCourse", "lblSpeedUnit", "lblWindUnit"};

// The rider and bike come back as the rider typed them.
constexpr std::array<const char*, 5> kRestoredInputs = {"txtRiderMass", "txtBikeMass", "txtCdA",
                                                        "txtCrr", "txtEfficiency"};

// What an earlier run left in the settings store; most runs start with nothing saved.
void StartSettings(RecordingPlatform& platform, unsigned choice, ActionInput& input) {
    auto& store = platform.settingsStore();
    const RiderTexts earlier{"64.5", "6.8", "0.21", "0.0032", "98"};
    switch (choice % 8) {
        case 1:
            platform.setSettingsReadable(false);
            break;
        case 2:
            store[velomark::power::kRiderSection] = WriteRider(earlier);
            break;
        case 3:
            store[velomark::power::kRiderSection] = WriteRider(earlier);
            platform.setSettingsWritable(false);
            break;
        case 4: {
            // One entry as the input has it: damage, or a rider's edit by hand.
            SettingsSection section = WriteRider(earlier);
            auto entry = section.begin();
            std::advance(entry, static_cast<long>(input.choose(section.size())));
            entry->second = input.text();
            store[velomark::power::kRiderSection] = std::move(section);
            break;
        }
        default:
            break;
    }
}

}  // namespace

VELOMARK_WINDOW_FUZZ_TARGET(.window = velomark::power::PowerAndPace::kName,
                            .messages = velomark::power::messages::kAll,
                            .wordResults = kWordResults, .pickLockedLists = true,
                            .restoredInputs = kRestoredInputs, .startSettings = &StartSettings)
