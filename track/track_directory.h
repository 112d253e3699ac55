// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace velomark::track {

// One velodrome or outdoor track of the built-in directory. The size text goes into the track
// size field unchanged (an empty one empties it); an empty text stays blank on screen. The
// track list offers the tracks by their place in it; one without a place (0) is found only
// when its name is typed.
struct TrackEntry {
    std::string_view name;
    std::string_view size;
    std::string_view surface;
    std::string_view address;
    std::string_view contact;
    std::string_view telephone;
    int listPlace;
};

// The tracks in the order their names are matched.
std::span<const TrackEntry> TrackDirectory();

// The names offered in the track list, in list order.
std::span<const std::string_view> ListedTrackNames();

}  // namespace velomark::track
