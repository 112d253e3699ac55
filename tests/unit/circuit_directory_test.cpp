// SPDX-License-Identifier: GPL-3.0-or-later
#include "road/circuit_directory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string_view>

// The directory may live in the program's namespace or in the road window's own.
namespace velomark::road {}
using namespace velomark;
using namespace velomark::road;

namespace {

struct Row {
    std::string_view name;
    std::string_view length;
    std::string_view technical;
    // The details that stay blank: a address, c contact, t telephone; the others are filled.
    std::string_view blank;
};

// The circuits in list order, which is also the order names are matched in. Several technical
// texts begin with a blank.
constexpr std::array<Row, 20> kCircuits{{
    {"Ashford", "1.2", " Width 5 metres", ""},
    {"Ashton in Makerfield", "1.1", " Width 8 metres", "t"},
    {"Bath", "1.0", " Width 5 metres", ""},
    {"Birmingham", "1.2", " Width 5 metres", ""},
    {"Bristol", "1.0", " Width 5 metres", ""},
    {"Castle Combe", "2.96", " Width 12-17 metres", ""},
    {"Crystal Palace", "1.1", " Width 12 metres", "at"},
    {"Darley Moor Circuit", "2.4", " Width 12 metres", "a"},
    {"Eastway Cycle Circuit", "1.6", " Width 5 metres. Also 2 mile MTB course and BMX track", ""},
    {"Goodwood", "3.75", "", ""},
    {"Hillingdon Cycle Circuit", "1.565", " Width 6 metres", ""},
    {"Hove Park", "", "", "at"},
    {"Ilton", "", " Width 13 metres. Circuit length 1.6 to 5.632km (various)", ""},
    {"Lancaster", "1.297", " Width 4 metres", ""},
    {"Lincoln", "1.5", " Width 5 metres", ""},
    {"Mallory Park", "", " Width 10-15 metres. Circuit length 1.6 to 1.83km (various)", ""},
    {"Manchester", "", "Various length circuits", ""},
    {"Milton Keynes", "", "Various length circuits", ""},
    {"Sunderland", "1.8", " Width 5 metres", ""},
    {"Thruxton Motor Circuit", "4.0", "", ""},
}};

bool Blank(std::string_view blanks, char detail) {
    return blanks.find(detail) != std::string_view::npos;
}

TEST(CircuitDirectory, EveryCircuitHasItsLengthDetailsAndBlankTexts) {
    const auto circuits = CircuitDirectory();
    ASSERT_EQ(circuits.size(), kCircuits.size());
    for (std::size_t i = 0; i < kCircuits.size(); ++i) {
        const Row& row = kCircuits[i];
        EXPECT_EQ(circuits[i].name, row.name) << i;
        EXPECT_EQ(circuits[i].length, row.length) << row.name;
        EXPECT_EQ(circuits[i].technical, row.technical) << row.name;
        EXPECT_EQ(circuits[i].address.empty(), Blank(row.blank, 'a')) << row.name;
        EXPECT_EQ(circuits[i].contact.empty(), Blank(row.blank, 'c')) << row.name;
        EXPECT_EQ(circuits[i].telephone.empty(), Blank(row.blank, 't')) << row.name;
    }
}

}  // namespace
