// SPDX-License-Identifier: GPL-3.0-or-later
#include "track/track_directory.h"

#include <algorithm>
#include <array>
#include <vector>

namespace velomark::track {

namespace {

// Addresses, contacts and numbers are placeholders for the organiser to replace.
// clang-format off
constexpr std::array<TrackEntry, 25> kTracks{{
    {"Newport", "250", "Siberian Pine - Indoor", "Track Office, Newport", "", "", 2},
    {"Manchester", "250", "Siberian Pine - Indoor", "Track Office, Manchester", "Track Secretary", "Tel. number not listed", 1},
    {"Herne Hill", "450", "All Weather Concrete", "Track Office, Herne Hill", "Track Secretary", "Tel. number not listed", 3},
    {"Gosling Stadium", "460", "Asphalt", "Track Office, Gosling Stadium", "Track Secretary", "Tel. number not listed", 4},
    {"Preston Park", "579.03", "Tarmacadam", "Track Office, Preston Park", "Track Secretary", "Tel. number not listed", 5},
    {"Calshot", "142.875", "Siberian Pine - Indoor", "Track Office, Calshot", "Track Secretary", "Tel. number not listed", 6},
    {"Maindy", "459.37", "Red Cement", "Track Office, Maindy", "Track Secretary", "Tel. number not listed", 7},
    {"Carmarthen", "405.38", "Concrete", "Track Office, Carmarthen", "Track Secretary", "Tel. number not listed", 8},
    {"Clay Cross", "332.84", "Grass", "Track Office, Clay Cross", "Track Secretary", "", 9},
    {"Dundee", "402.34", "Asphalt", "Track Office, Dundee", "Track Secretary", "", 10},
    {"Meadowbank", "250", "West African Hardwood", "Track Office, Meadowbank", "Track Secretary", "Tel. number not listed", 11},
    {"Halesowen", "400", "Tarmacadam", "Track Office, Halesowen", "Track Secretary", "", 12},
    {"Kirkby", "485", "", "Track Office, Kirkby", "Track Secretary", "Tel. number not listed", 13},
    {"Leicester", "333.333", "Wood - not in current use", "Track Office, Leicester", "", "Tel. number not listed", 14},
    {"Mansfield", "402", "Tarmacadam", "Track Office, Mansfield", "Track Secretary", "", 15},
    {"Middlesbrough", "455.65", "Tarmacadam", "Track Office, Middlesbrough", "Track Secretary", "Tel. number not listed", 16},
    {"Newcastle-under-Lyme", "399.71", "Asphalt", "Track Office, Newcastle-under-Lyme", "Track Secretary", "", 17},
    {"Nottingham", "460", "Tarmacadam", "Track Office, Nottingham", "Track Secretary", "", 18},
    {"Poole Park", "534", "Tarmacadam", "", "Track Secretary", "Tel. number not listed", 19},
    {"Portsmouth", "535.6", "Asphalt", "Track Office, Portsmouth", "Track Secretary", "Tel. number not listed", 20},
    {"Reading", "459.15", "Asphalt", "Track Office, Reading", "Track Secretary", "Tel. number not listed", 21},
    {"Scunthorpe", "485.06", "Asphalt", "Track Office, Scunthorpe", "Track Secretary", "Tel. number not listed", 22},
    {"South Shields", "401.55", "Asphalt - not in current use", "", "Track Secretary", "Tel. number not listed", 23},
    {"Wolverhampton", "458.56", "Asphalt", "Track Office, Wolverhampton", "Track Secretary", "Tel. number not listed", 24},
    {"Roundhay Park", "", "Grass", "Track Office, Roundhay Park", "Track Secretary", "Tel. number not listed", 0},
}};
// clang-format on

}  // namespace

std::span<const TrackEntry> TrackDirectory() {
    return kTracks;
}

std::span<const std::string_view> ListedTrackNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<const TrackEntry*> listed;
        for (const TrackEntry& track : kTracks) {
            if (track.listPlace > 0) listed.push_back(&track);
        }
        std::ranges::sort(listed, {}, &TrackEntry::listPlace);
        std::vector<std::string_view> inOrder;
        for (const TrackEntry* track : listed)
            inOrder.push_back(track->name);
        return inOrder;
    }();
    return names;
}

}  // namespace velomark::track
