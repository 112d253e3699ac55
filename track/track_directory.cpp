// SPDX-License-Identifier: GPL-3.0-or-later
#include "track/track_directory.h"

#include <array>

namespace velomark::track {

namespace {

// Addresses, contacts and numbers are placeholders for the organiser to replace.
constexpr std::array<TrackEntry, 25> kTracks{{
    {"Newport", "250", "Siberian Pine - Indoor", "Track Office, Newport", "", ""},
    {"Manchester", "250", "Siberian Pine - Indoor", "Track Office, Manchester", "Track Secretary",
     "Tel. number not listed"},
    {"Herne Hill", "450", "All Weather Concrete", "Track Office, Herne Hill", "Track Secretary",
     "Tel. number not listed"},
    {"Gosling Stadium", "460", "Asphalt", "Track Office, Gosling Stadium", "Track Secretary",
     "Tel. number not listed"},
    {"Preston Park", "579.03", "Tarmacadam", "Track Office, Preston Park", "Track Secretary",
     "Tel. number not listed"},
    {"Calshot", "142.875", "Siberian Pine - Indoor", "Track Office, Calshot", "Track Secretary",
     "Tel. number not listed"},
    {"Maindy", "459.37", "Red Cement", "Track Office, Maindy", "Track Secretary",
     "Tel. number not listed"},
    {"Carmarthen", "405.38", "Concrete", "Track Office, Carmarthen", "Track Secretary",
     "Tel. number not listed"},
    {"Clay Cross", "332.84", "Grass", "Track Office, Clay Cross", "Track Secretary", ""},
    {"Dundee", "402.34", "Asphalt", "Track Office, Dundee", "Track Secretary", ""},
    {"Meadowbank", "250", "West African Hardwood", "Track Office, Meadowbank", "Track Secretary",
     "Tel. number not listed"},
    {"Halesowen", "400", "Tarmacadam", "Track Office, Halesowen", "Track Secretary", ""},
    {"Kirkby", "485", "", "Track Office, Kirkby", "Track Secretary", "Tel. number not listed"},
    {"Leicester", "333.333", "Wood - not in current use", "Track Office, Leicester", "",
     "Tel. number not listed"},
    {"Mansfield", "402", "Tarmacadam", "Track Office, Mansfield", "Track Secretary", ""},
    {"Middlesbrough", "455.65", "Tarmacadam", "Track Office, Middlesbrough", "Track Secretary",
     "Tel. number not listed"},
    {"Newcastle-under-Lyme", "399.71", "Asphalt", "Track Office, Newcastle-under-Lyme",
     "Track Secretary", ""},
    {"Nottingham", "460", "Tarmacadam", "Track Office, Nottingham", "Track Secretary", ""},
    {"Poole Park", "534", "Tarmacadam", "", "Track Secretary", "Tel. number not listed"},
    {"Portsmouth", "535.6", "Asphalt", "Track Office, Portsmouth", "Track Secretary",
     "Tel. number not listed"},
    {"Reading", "459.15", "Asphalt", "Track Office, Reading", "Track Secretary",
     "Tel. number not listed"},
    {"Scunthorpe", "485.06", "Asphalt", "Track Office, Scunthorpe", "Track Secretary",
     "Tel. number not listed"},
    {"South Shields", "401.55", "Asphalt - not in current use", "", "Track Secretary",
     "Tel. number not listed"},
    {"Wolverhampton", "458.56", "Asphalt", "Track Office, Wolverhampton", "Track Secretary",
     "Tel. number not listed"},
    {"Roundhay Park", "", "Grass", "Track Office, Roundhay Park", "Track Secretary",
     "Tel. number not listed"},
}};

constexpr std::array<std::string_view, 24> kListedNames{
    "Manchester",
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
    "Wolverhampton",
};

}  // namespace

std::span<const TrackEntry> TrackDirectory() {
    return kTracks;
}

std::span<const std::string_view> ListedTrackNames() {
    return kListedNames;
}

}  // namespace velomark::track
