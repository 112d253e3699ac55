// SPDX-License-Identifier: GPL-3.0-or-later
#include "licence/event_options.h"

#include <array>

namespace velomark::licence {

namespace {

constexpr DistanceEntry kKilometres{DistanceUnit::Kilometres, true};
// Categories whose bands need no distance.
constexpr DistanceEntry kNone{DistanceUnit::Kilometres, false};
using enum OptionGroup;

// The captions keep their trailing blanks and the double blank in "Band  = 8" as the window
// shows them.
constexpr std::array kOptions = {
    EventOption{"Option1", "National A Stage Race: Individual Stage (including Time Trials)", Road,
                4, kKilometres, BandRule{80, 4, 5},
                "National A - open to Sen. male E,1,2; min 80km for a road stage."},
    EventOption{"Option2", "National B and C Stage Races: Individual Stage (including Time Trials)",
                Road, 5, kNone},
    EventOption{"Option3", "Regional Stage Races: Individual Stage (including Time Trials)", Road,
                6, kNone},
    EventOption{"Option4", "National Championship or National Series event for Women ", Road, 2,
                kNone},
    EventOption{"Option5", "Other event open only to Women", Road, 4, kNone},
    EventOption{"Option6", "National Championship or National Series event for Juniors", Road, 2,
                kNone},
    EventOption{"Option7", "Other event open only to Juniors", Road, 5, kNone},
    EventOption{"Option8", "National Championship or National Series event for Masters", Road, 3,
                kNone},
    EventOption{"Option9", "Other event open only to Masters", Road, 5, kNone},
    EventOption{"Option10", "Standard event ", Track, 6, kKilometres, BandRule{3, 6, 0}},
    EventOption{"Option11", "National Championship or National Series event ", Track, 4,
                kKilometres, BandRule{3, 4, 0}},
    EventOption{"Option12", "Final standings in Track Leagues", Track, 5, kKilometres,
                BandRule{3, 5, 0}},
    EventOption{"Option13", "Standard event (Points Band = 7)", Youth, 7, kNone},
    EventOption{"Option14", "National series event (Points Band  = 8)", Youth, 8, kNone},
    EventOption{"Option15", "Track League (overall) and National Championships (Points Band = 9)",
                Youth, 9, kNone},
};

}  // namespace

std::span<const EventOption> EventOptions() {
    return kOptions;
}

const char* OptionGroupName(OptionGroup group) {
    switch (group) {
        case Road:
            return "Road";
        case Track:
            return "Track";
        case Youth:
            return "Youth";
    }
    return "";
}

}  // namespace velomark::licence
