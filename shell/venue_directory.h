// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

// A built-in directory of venues (velodromes, road circuits): a table of rows, each with a
// name and the texts a window shows for it, looked up by the text of the window's list.

// The venue the text names, or none: only the whole name, as the list shows it, finds one.
template <class Venue>
const Venue* FindVenue(std::span<const Venue> venues, std::string_view text) {
    const auto found = std::ranges::find(venues, text, &Venue::name);
    return found == venues.end() ? nullptr : &*found;
}

// The names of the venues in the table's order, for a list that offers them all.
template <class Venue>
std::vector<std::string> VenueNames(std::span<const Venue> venues) {
    std::vector<std::string> names;
    for (const Venue& venue : venues)
        names.emplace_back(venue.name);
    return names;
}

}  // namespace velomark
