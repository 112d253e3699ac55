// SPDX-License-Identifier: GPL-3.0-or-later
#include "track/track_directory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string_view>

// The directory may live in the program's namespace or in the track window's own.
namespace velomark::track {}
using namespace velomark;
using namespace velomark::track;

namespace {

struct Row {
    std::string_view name;
    std::string_view size;
    std::string_view surface;
    // The details that stay blank: a address, c contact, t telephone; the others are filled.
    std::string_view blank;
};

// The tracks in the order their names are matched.
constexpr std::array<Row, 25> kTracks{{
    {"Newport", "250", "Siberian Pine - Indoor", "ct"},
    {"Manchester", "250", "Siberian Pine - Indoor", ""},
    {"Herne Hill", "450", "All Weather Concrete", ""},
    {"Gosling Stadium", "460", "Asphalt", ""},
    {"Preston Park", "579.03", "Tarmacadam", ""},
    {"Calshot", "142.875", "Siberian Pine - Indoor", ""},
    {"Maindy", "459.37", "Red Cement", ""},
    {"Carmarthen", "405.38", "Concrete", ""},
    {"Clay Cross", "332.84", "Grass", "t"},
    {"Dundee", "402.34", "Asphalt", "t"},
    {"Meadowbank", "250", "West African Hardwood", ""},
    {"Halesowen", "400", "Tarmacadam", "t"},
    {"Kirkby", "485", "", ""},
    {"Leicester", "333.333", "Wood - not in current use", "c"},
    {"Mansfield", "402", "Tarmacadam", "t"},
    {"Middlesbrough", "455.65", "Tarmacadam", ""},
    {"Newcastle-under-Lyme", "399.71", "Asphalt", "t"},
    {"Nottingham", "460", "Tarmacadam", "t"},
    {"Poole Park", "534", "Tarmacadam", "a"},
    {"Portsmouth", "535.6", "Asphalt", ""},
    {"Reading", "459.15", "Asphalt", ""},
    {"Scunthorpe", "485.06", "Asphalt", ""},
    {"South Shields", "401.55", "Asphalt - not in current use", "a"},
    {"Wolverhampton", "458.56", "Asphalt", ""},
    {"Roundhay Park", "", "Grass", ""},
}};

// The drop-down list: every track but Roundhay Park, which is found only when typed.
constexpr std::array<std::string_view, 24> kListed{"Manchester",
                                                   "Newport",
                                                   "Herne Hill",
                                                   "Gosling Stadium",
                                                   "Preston Park",
                                                   "Calshot",
                                                   "Maindy",
                                                   "Carmarthen",
                                                   "Clay Cross",
                                                   "Dundee",
                                                   "Meadowbank",
                                                   "Halesowen",
                                                   "Kirkby",
                                                   "Leicester",
                                                   "Mansfield",
                                                   "Middlesbrough",
                                                   "Newcastle-under-Lyme",
                                                   "Nottingham",
                                                   "Poole Park",
                                                   "Portsmouth",
                                                   "Reading",
                                                   "Scunthorpe",
                                                   "South Shields",
                                                   "Wolverhampton"};

bool Blank(std::string_view blanks, char detail) {
    return blanks.find(detail) != std::string_view::npos;
}

TEST(TrackDirectory, EveryTrackHasItsSizeSurfaceAndBlankDetails) {
    const auto tracks = TrackDirectory();
    ASSERT_EQ(tracks.size(), kTracks.size());
    for (std::size_t i = 0; i < kTracks.size(); ++i) {
        const Row& row = kTracks[i];
        EXPECT_EQ(tracks[i].name, row.name) << i;
        EXPECT_EQ(tracks[i].size, row.size) << row.name;
        EXPECT_EQ(tracks[i].surface, row.surface) << row.name;
        EXPECT_EQ(tracks[i].address.empty(), Blank(row.blank, 'a')) << row.name;
        EXPECT_EQ(tracks[i].contact.empty(), Blank(row.blank, 'c')) << row.name;
        EXPECT_EQ(tracks[i].telephone.empty(), Blank(row.blank, 't')) << row.name;
    }
}

TEST(TrackDirectory, ListOffersTheTracksInOrder) {
    const auto listed = ListedTrackNames();
    ASSERT_EQ(listed.size(), kListed.size());
    for (std::size_t i = 0; i < kListed.size(); ++i)
        EXPECT_EQ(listed[i], kListed[i]) << i;
}

}  // namespace
