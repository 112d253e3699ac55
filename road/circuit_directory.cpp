// SPDX-License-Identifier: GPL-3.0-or-later
#include "road/circuit_directory.h"

#include <array>

namespace velomark::road {

namespace {

// Addresses, contacts and numbers are placeholders for the organiser to replace.
// clang-format off
constexpr std::array<Circuit, 20> kCircuits{{
    {"Ashford", "1.2", " Width 5 metres", "Circuit Office, Ashford", "Circuit Secretary", "Tel. number not listed"},
    {"Ashton in Makerfield", "1.1", " Width 8 metres", "Circuit Office, Ashton in Makerfield", "Circuit Secretary", ""},
    {"Bath", "1.0", " Width 5 metres", "Circuit Office, Bath", "Circuit Secretary", "Tel. number not listed"},
    {"Birmingham", "1.2", " Width 5 metres", "Circuit Office, Birmingham", "Circuit Secretary", "Tel. number not listed"},
    {"Bristol", "1.0", " Width 5 metres", "Circuit Office, Bristol", "Circuit Secretary", "Tel. number not listed"},
    {"Castle Combe", "2.96", " Width 12-17 metres", "Circuit Office, Castle Combe", "Circuit Secretary", "Tel. number not listed"},
    {"Crystal Palace", "1.1", " Width 12 metres", "", "Circuit Secretary", ""},
    {"Darley Moor Circuit", "2.4", " Width 12 metres", "", "Circuit Secretary", "Tel. number not listed"},
    {"Eastway Cycle Circuit", "1.6", " Width 5 metres. Also 2 mile MTB course and BMX track", "Circuit Office, Eastway", "Circuit Secretary", "Tel. number not listed"},
    {"Goodwood", "3.75", "", "Circuit Office, Goodwood", "Circuit Secretary", "Tel. number not listed"},
    {"Hillingdon Cycle Circuit", "1.565", " Width 6 metres", "Circuit Office, Hillingdon", "Circuit Secretary", "Tel. number not listed"},
    {"Hove Park", "", "", "", "Circuit Secretary", ""},
    {"Ilton", "", " Width 13 metres. Circuit length 1.6 to 5.632km (various)", "Circuit Office, Ilton", "Circuit Secretary", "Tel. number not listed"},
    {"Lancaster", "1.297", " Width 4 metres", "Circuit Office, Lancaster", "Circuit Secretary", "Tel. number not listed"},
    {"Lincoln", "1.5", " Width 5 metres", "Circuit Office, Lincoln", "Circuit Secretary", "Tel. number not listed"},
    {"Mallory Park", "", " Width 10-15 metres. Circuit length 1.6 to 1.83km (various)", "Circuit Office, Mallory Park", "Circuit Secretary", "Tel. number not listed"},
    {"Manchester", "", "Various length circuits", "Circuit Office, Manchester", "Circuit Secretary", "Tel. number not listed"},
    {"Milton Keynes", "", "Various length circuits", "Circuit Office, Milton Keynes", "Circuit Secretary", "Tel. number not listed"},
    {"Sunderland", "1.8", " Width 5 metres", "Circuit Office, Sunderland", "Circuit Secretary", "Tel. number not listed"},
    {"Thruxton Motor Circuit", "4.0", "", "Circuit Office, Thruxton", "Circuit Secretary", "Tel. number not listed"},
}};
// clang-format on

}  // namespace

std::span<const Circuit> CircuitDirectory() {
    return kCircuits;
}

}  // namespace velomark::road
