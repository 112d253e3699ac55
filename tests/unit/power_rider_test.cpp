// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "app/calculators.h"
#include "power/power_and_pace.h"
#include "power/power_and_pace_messages.h"
#include "power/rider_store.h"
#include "tools/harness/recording_platform.h"
#include "tools/harness/program.h"

namespace velomark::power {
namespace {

void Enter(harness::Program& program, const std::string& field, const std::string& text) {
    Form& window = *program.app().current();
    window.type(program.textField(field), text);
    window.leave();
}

TEST(PowerRider, ADamagedStoreIsSaidOnceAndKeptUntilTheRiderChangesIt) {
    RecordingPlatform platform;
    const SettingsSection damaged{{"RiderMass", "heavy"}, {"Spare", "1"}};
    platform.writeSettings(kRiderSection, damaged);
    harness::Program program(platform, RegisterCalculators);
    program.start();
    Form& window = program.open(PowerAndPace::kName);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, messages::kRiderUnreadable);
    EXPECT_EQ(program.textField("txtRiderMass").text(), "70");

    // Looking, and changing what is not the rider's, leaves the store alone.
    window.focus(program.textField("txtCdA"));
    window.leave();
    Enter(program, "txtDistance", "10");
    program.app().unload(window);
    program.open(PowerAndPace::kName);
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.readSettings(kRiderSection).values, damaged);

    Enter(program, "txtRiderMass", "65");
    EXPECT_EQ(platform.readSettings(kRiderSection).values,
              WriteRider({"65", "8", "0.23", "0.004", "97.6"}));
    EXPECT_EQ(platform.messages().size(), 1u);
}

TEST(PowerRider, AStoreThatCannotBeWrittenIsSaidOnce) {
    RecordingPlatform platform;
    platform.setSettingsWritable(false);
    harness::Program program(platform, RegisterCalculators);
    program.start();
    program.open(PowerAndPace::kName);
    Enter(program, "txtRiderMass", "65");
    Enter(program, "txtBikeMass", "7");
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, messages::kRiderNotSaved);
}

}  // namespace
}  // namespace velomark::power
