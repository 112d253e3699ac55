// SPDX-License-Identifier: GPL-3.0-or-later
#include "gears/saved_setups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/calculators.h"
#include "gears/gear_table.h"
#include "gears/gear_table_messages.h"
#include "tools/harness/program.h"

namespace velomark::gears {
namespace {

GearSetup RoadBike() {
    return {"Road bike",   "50/34",        "11-12-13-14-15-17-19-21-23-25-28",
            "700 x 25c *", "Speed (km/h)", "172.5",
            "95",          "7.93"};
}

TEST(SavedSetups, WhatIsWrittenReadsBackTheSame) {
    SavedSetups saved;
    saved.setups.push_back(RoadBike());
    saved.setups.push_back(
        {"Track/Pista = \"fixed\", 2024", "48", "15", "27", "Gear inches", "", "", ""});
    saved.setups.push_back({"Vélo de ville", "", "", "", "Gain ratio", "170", "", ""});
    saved.last = "Vélo de ville";
    const SettingsSection written = WriteSetups(saved);
    EXPECT_EQ(written.at("Setups/size"), "3");
    EXPECT_EQ(written.at("Setups/1/Name"), "Road bike");
    EXPECT_EQ(written.at("Setups/1/Sprockets"), "11-12-13-14-15-17-19-21-23-25-28");
    EXPECT_EQ(written.at("Setups/3/Crank"), "170");
    EXPECT_EQ(written.at("Last"), "Vélo de ville");
    EXPECT_EQ(ReadSetups(written), saved);
}

// Keys of its own a later program may add do not make a store nonsense.
TEST(SavedSetups, KeysThisWindowDoesNotKnowAreLeftAside) {
    SettingsSection values = WriteSetups({{RoadBike()}, "Road bike"});
    values["Setups/1/Colour"] = "red";
    values["Window/Width"] = "800";
    const auto read = ReadSetups(values);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->setups, std::vector<GearSetup>{RoadBike()});
}

struct Damage {
    const char* what;
    std::string key;
    std::string value;  // "<gone>" removes the key
};

class DamagedSetups : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedSetups, AreRefusedWhole) {
    SettingsSection values =
        WriteSetups({{RoadBike(), {"Spare", "", "", "", "Gear inches", "", "", ""}}, "Spare"});
    ASSERT_TRUE(ReadSetups(values));
    if (GetParam().value == "<gone>") {
        values.erase(GetParam().key);
    } else {
        values[GetParam().key] = GetParam().value;
    }
    EXPECT_FALSE(ReadSetups(values)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, DamagedSetups,
    ::testing::Values(Damage{"a count that is no count", "Setups/size", "two"},
                      Damage{"a negative count", "Setups/size", "-1"},
                      Damage{"more setups than are there", "Setups/size", "3"},
                      Damage{"a count beyond any garage", "Setups/size", "99999"},
                      Damage{"an entry without its name", "Setups/2/Name", "<gone>"},
                      Damage{"an entry without its wheel", "Setups/1/Wheel", "<gone>"},
                      Damage{"a name twice", "Setups/2/Name", "Road bike"},
                      Damage{"an empty name", "Setups/2/Name", ""},
                      Damage{"a name with blanks round it", "Setups/2/Name", " Spare"},
                      Damage{"a name too long", "Setups/2/Name", std::string(41, 'x')},
                      Damage{"a chainring out of range", "Setups/1/Chainrings", "500/34"},
                      Damage{"too many sprockets", "Setups/1/Sprockets",
                             "11-12-13-14-15-16-17-18-19-20-21-22-23-24"},
                      Damage{"sprockets that are no teeth", "Setups/1/Sprockets", "eleven"},
                      Damage{"a wheel that is no wheel", "Setups/1/Wheel", "round"},
                      Damage{"a unit of no list", "Setups/1/Unit", "Furlongs"},
                      Damage{"a crank of no list", "Setups/1/Crank", "171"},
                      Damage{"a cadence out of range", "Setups/1/Cadence", "0"},
                      Damage{"a negative rollout", "Setups/1/Rollout", "-7.93"},
                      Damage{"a last setup that is not kept", "Last", "Tandem"}));

// The window, the store and a later run: what the rider saves is what comes back.
class StoredSetupsTest : public ::testing::Test {
  protected:
    StoredSetupsTest() : program(platform, RegisterCalculators) { program.start(); }

    Form& open() { return program.open(GearTable::kName); }
    void enter(Form& window, const char* field, const std::string& text) {
        window.type(program.textField(field), text);
        window.leave();
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& message : platform.messages())
            texts.push_back(message.text);
        return texts;
    }

    RecordingPlatform platform;
    harness::Program program;
};

TEST_F(StoredSetupsTest, ASavedSetupIsInTheStoreAndComesBackInALaterRun) {
    Form& window = open();
    enter(window, "txtChainrings", "50/34");
    window.pick(program.list("cboCassette"), "11-28");
    window.pick(program.list("cboWheelsize"), "700 x 25c *");
    window.pick(program.list("cboUnits"), "Speed (km/h)");
    window.pick(program.list("cboCrank"), "172.5");
    enter(window, "txtCadence", "95");
    enter(window, "txtRollout", "7.93");
    enter(window, "cboSetup", "  Road bike ");
    window.click(program.button("cmdSaveSetup"));

    const SettingsSection& stored = platform.settingsStore().at(kSetupsSection);
    EXPECT_EQ(ReadSetups(stored), (SavedSetups{{RoadBike()}, "Road bike"}));

    program.restart();
    program.start();
    open();
    EXPECT_EQ(program.list("cboSetup").items(), std::vector<std::string>{"Road bike"});
    EXPECT_EQ(program.textField("cboSetup").text(), "Road bike");
    EXPECT_EQ(program.textField("txtChainrings").text(), "50/34");
    EXPECT_EQ(program.textField("cboCrank").text(), "172.5");
    EXPECT_EQ(program.textField("txtRollout").text(), "7.93");
    EXPECT_TRUE(messages().empty());
}

TEST_F(StoredSetupsTest, ADamagedStoreIsToldOnceARunAndLeftUntilTheRiderSaves) {
    SettingsSection damaged = WriteSetups({{RoadBike()}, "Road bike"});
    damaged["Setups/1/Chainrings"] = "530/39";
    platform.settingsStore()[kSetupsSection] = damaged;

    open();
    EXPECT_EQ(messages(), std::vector<std::string>{table_messages::kSetupsUnreadable});
    EXPECT_TRUE(program.list("cboSetup").items().empty());
    EXPECT_EQ(program.textField("txtChainrings").text(), "");
    program.app().unload(*program.app().current());
    open();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(platform.settingsStore().at(kSetupsSection), damaged);

    program.restart();
    program.start();
    Form& again = open();
    EXPECT_EQ(messages().size(), 2u);
    enter(again, "txtChainrings", "48");
    enter(again, "cboSetup", "Fixed");
    again.click(program.button("cmdSaveSetup"));
    EXPECT_EQ(messages().size(), 2u);
    const auto kept = ReadSetups(platform.settingsStore().at(kSetupsSection));
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->setups.size(), 1u);
    EXPECT_EQ(kept->setups[0].name, "Fixed");
    EXPECT_EQ(kept->setups[0].chainrings, "48");
}

TEST_F(StoredSetupsTest, AStoreThatCannotBeReadIsNotWritten) {
    platform.settingsStore()[kSetupsSection] = WriteSetups({{RoadBike()}, ""});
    platform.setSettingsReadable(false);
    Form& window = open();
    EXPECT_EQ(messages(), std::vector<std::string>{table_messages::kSetupsUnreadable});
    enter(window, "txtChainrings", "52/36");
    window.pick(program.list("cboUnits"), "Development (m)");
    EXPECT_EQ(platform.settingsStore().at(kSetupsSection), WriteSetups({{RoadBike()}, ""}));
}

TEST_F(StoredSetupsTest, ASaveTheStoreRefusesChangesNothing) {
    Form& window = open();
    enter(window, "txtChainrings", "50/34");
    enter(window, "cboSetup", "Road bike");
    platform.setSettingsWritable(false);
    window.click(program.button("cmdSaveSetup"));
    EXPECT_EQ(messages(), std::vector<std::string>{table_messages::kSetupNotSaved});
    EXPECT_TRUE(program.list("cboSetup").items().empty());
    EXPECT_EQ(platform.settingsStore().count(kSetupsSection), 0u);
}

}  // namespace
}  // namespace velomark::gears
