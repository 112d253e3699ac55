// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace velomark::track {

// One velodrome or outdoor track of the built-in directory. The size text goes into the track
// size field unchanged (an empty one empties it); an empty text stays blank on screen.
struct TrackEntry {
    std::string_view name;
    std::string_view size;
    std::string_view surface;
    std::string_view address;
    std::string_view contact;
    std::string_view telephone;
};

// The tracks in the order their names are matched.
std::span<const TrackEntry> TrackDirectory();

// The names offered in the track list, in list order. Not every track is listed: some are
// found only when their name is typed.
std::span<const std::string_view> ListedTrackNames();

}  // namespace velomark::track
