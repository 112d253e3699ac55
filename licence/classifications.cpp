// SPDX-License-Identifier: GPL-3.0-or-later
#include "licence/classifications.h"

#include <array>

namespace velomark::licence {

namespace {

constexpr DistanceEntry kKilometres{DistanceUnit::Kilometres, true};
constexpr DistanceEntry kMinutes{DistanceUnit::Minutes, true};
// Go Race and Time Trials are timed events whose bands stand without a time; a time trial
// only sets the field aside, keeping its caption and text.
constexpr DistanceEntry kNoTime{DistanceUnit::Minutes, false};
constexpr DistanceEntry kSetAside{std::nullopt, false, true};

// Band refinements, race limits and descriptions of the classifications, in list order.
constexpr std::array kClassifications = {
    // A race beyond 200 km breaks the limit and is scored as a shorter one.
    EventClassification{
        "Nat A Road",
        "National A - open to Sen. male E,1,2; >135km on demanding terrain and <200; or "
        "min 80km for a road stage.",
        1, kKilometres, BandRule{135, 1, 2}, 0, 200, 2},
    EventClassification{
        "Nat B Road",
        "National B - open to Sen. male E,1,2, Jun. male 1 and 2 and Sen. female E cats "
        ">120 km on demanding terrain or >60 mins for circuit races.",
        2, kKilometres, BandRule{120, 2, 3}},
    // A Nat C race under 90 km drops to the next lower band, as every other
    // classification does below its threshold.
    EventClassification{
        "Nat C Road",
        "National C - open to Sen. and Jun. male 1,2,3 and Sen. female E cats >90 km on "
        "demanding terrain.",
        3, kKilometres, BandRule{90, 3, 4}},
    EventClassification{
        "Reg A Road",
        "Regional A - open to Sen. and Jun. male 2,3,4 and Sen. and Jun. female riders "
        "of all cats >80 km.",
        4, kKilometres, BandRule{80, 4, 5}},
    EventClassification{
        "Reg B Road",
        "Regional B - open to Sen. and Jun. male 3,4 cats and Sen. and Jun. females of "
        "all cats <90 km.",
        5, kKilometres, BandRule{90, 5, 6}},
    EventClassification{
        "Reg C+ Road",
        "Regional C+ - open to Sen and Jun. riders of all cats, to be run as a handicap "
        "event or other appropriate format. Time shall be >60 mins and < 90 mins.  "
        "Where circuit too small to allow h'cap event which meets min time requirement, "
        "organiser may choose alternative format provided chosen format reasonably "
        "caters for widest possible range of ability.",
        6, kMinutes, BandRule{60, 6, 0}, 0, 90, std::nullopt, true},
    EventClassification{
        "Reg C",
        "Regional C - open to Sen and Jun. riders of all cats, to be run as a handicap "
        "event or other appropriate format. Time shall be >60 mins and < 90 mins.  "
        "Where circuit too small to allow h'cap event which meets min time requirement, "
        "organiser may choose alternative format provided chosen format reasonably "
        "caters for widest possible range of ability.",
        0, kMinutes, std::nullopt, 60, 90},
    EventClassification{"Nat A Circuit",
                        "National A Circuit - open to Sen. male E,1,2, Jun. male 1 and 2 and Sen. "
                        "female E cats >60 mins.",
                        2, kMinutes, BandRule{60, 2, 3}},
    EventClassification{
        "Nat B Circuit",
        "National B Circuit - open to Sen. and Jun. male 1,2,3 and Sen. female E cats "
        ">60 mins.",
        3, kMinutes, BandRule{60, 3, 4}},
    EventClassification{
        "Nat C Circuit",
        "National C Circuit - open to Sen. and Jun. male 2,3,4 and Sen. and Jun. female "
        "riders of all cats >50 mins.",
        4, kMinutes, BandRule{50, 4, 5}},
    EventClassification{
        "Reg A Circuit",
        "Regional A Circuit - open to Sen. and Jun. male 3,4 cats and Sen. and Jun. "
        "females of all cats >50 mins.",
        5, kMinutes, BandRule{50, 5, 6}},
    EventClassification{"Reg B Circuit",
                        "Regional B Circuit - open to Sen and Jun. riders of all cats >40 mins.", 6,
                        kMinutes, BandRule{40, 6, 0}},
    EventClassification{"Go Race",
                        "Go Race - open to 4th cats, B.C. members without racing licences and "
                        "non-members. Max time shall be 90 minutes.",
                        0, kNoTime, std::nullopt, 0, 90},
    EventClassification{"Time Trials", "As per Regional C+ or Regional C events.", 6, kSetAside,
                        std::nullopt},
};

}  // namespace

std::span<const EventClassification> EventClassifications() {
    return kClassifications;
}

const EventClassification* FindClassification(std::string_view name) {
    for (const EventClassification& classification : kClassifications) {
        if (classification.name == name) return &classification;
    }
    return nullptr;
}

}  // namespace velomark::licence
