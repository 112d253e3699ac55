// SPDX-License-Identifier: GPL-3.0-or-later
// Race distance against laps, and the target-time step: seconds per lap, whole laps and the
// first (part) lap.

#include <cstdint>
#include <optional>

#include "shell/field_rules.h"
#include "shell/units.h"
#include "track/track.h"
#include "track/track_figure.h"
#include "track/track_messages.h"
#include "track/whole_laps.h"

namespace velomark::track {

void Track::cboRaceDistance_LostFocus() {
    const double typed = LeadingNumber(cboRaceDistance.text());
    if (typed > 0) {
        if (const auto distance = TrackFigure(typed)) {
            values_.raceDistance = *distance;
        } else {
            ShowMessage(messages::kTooLarge);
        }
    }
    LapsFromDistance();
}

void Track::txtRaceLaps_LostFocus() {
    const double typed = LeadingNumber(txtRaceLaps.text());
    if (typed > 0) {
        if (const auto laps = TrackFigure(typed)) {
            values_.raceLaps = *laps;
        } else {
            ShowMessage(messages::kTooLarge);
        }
    }
    DistanceFromLaps();
}

std::optional<float> Track::ReadTrackSize() {
    const auto size = TrackFigure(LeadingNumber(txtTrackSize.text()));
    if (!size) {
        ShowMessage(messages::kTooLarge);
        return std::nullopt;
    }
    values_.trackSize = *size;
    if (values_.trackSize <= 0) {
        ShowMessage(messages::kSizeMissing);
        return std::nullopt;
    }
    return values_.trackSize;
}

void Track::LapsFromDistance() {
    if (const auto size = ReadTrackSize()) {
        const double laps = static_cast<double>(values_.raceDistance) / *size;
        const LapSplit split = SplitLaps(laps, *size);
        if (const auto kept = TrackFigure(split.whole ? split.completeLaps : laps)) {
            values_.raceLaps = *kept;
        } else {
            ShowMessage(messages::kTooLarge);
        }
    }
    txtRaceLaps.setText(NumberText(values_.raceLaps));
    TrimToPattern(txtRaceLaps, "0.0000");
}

void Track::DistanceFromLaps() {
    if (const auto size = ReadTrackSize()) {
        // Laps that end within the tolerance of the line are that whole number of laps.
        const LapSplit split = SplitLaps(values_.raceLaps, *size);
        if (split.whole && split.completeLaps != values_.raceLaps) {
            values_.raceLaps = static_cast<float>(split.completeLaps);
            txtRaceLaps.setText(NumberText(values_.raceLaps));
        }
        if (const auto distance = TrackFigure(static_cast<double>(values_.raceLaps) * *size)) {
            values_.raceDistance = *distance;
        } else {
            ShowMessage(messages::kTooLarge);
        }
    }
    cboRaceDistance.setText(NumberText(values_.raceDistance));
    TrimToPattern(cboRaceDistance, "0.0");
}

bool Track::HasTrackAndDistance() {
    bool has = true;
    if (txtTrackSize.text().empty()) {
        ShowMessage(messages::kSizeMissing);
        has = false;
    }
    if (cboRaceDistance.text().empty()) {
        ShowMessage(messages::kDistanceMissing);
        has = false;
    }
    return has;
}

void Track::txtTargSecs_LostFocus() {
    if (!HasTrackAndDistance()) return;
    if (!ReadTargetTime()) return;
    // No laps yet (or a new track name since): seconds per lap would mean nothing.
    if (values_.raceLaps == 0) {
        ShowMessage(messages::kDistanceMissing);
        return;
    }
    // The whole laps come from the fields as they read now. A race too long to count leaves
    // everything as it was.
    const double size = LeadingNumber(txtTrackSize.text());
    const double distance = LeadingNumber(cboRaceDistance.text());
    std::optional<std::int16_t> wholeLaps;
    if (size > 0 && distance > 0) {
        const LapSplit split = SplitLaps(distance / size, size);
        wholeLaps = RoundHalfEven<std::int16_t>(split.completeLaps);
        if (!wholeLaps) {
            ShowMessage(messages::kRaceTooLong);
            return;
        }
    }
    if (!ShowSecondsPerLap()) return;
    if (size <= 0 || values_.trackSize <= 0) {
        ShowMessage(messages::kSizeMissing);
        return;
    }
    // A distance that reads as nothing counts no laps, which would make the first lap the
    // whole of the last race distance.
    if (!wholeLaps) {
        ShowMessage(messages::kDistanceMissing);
        return;
    }
    values_.wholeLaps = *wholeLaps;
    ShowFirstLap();
}

bool Track::ReadTargetTime() {
    const double target =
        LeadingNumber(txtTargSecs.text()) + LeadingNumber(txtTargMins.text()) * kSecondsPerMinute;
    if (target == 0) {
        // The step goes on with the last target time read.
        ShowMessage(messages::kTargetMissing);
        return true;
    }
    const auto seconds = RoundHalfEven<std::int16_t>(target);
    if (!seconds) {
        ShowMessage(messages::kTargetTooLong);
        return false;
    }
    values_.targetSeconds = *seconds;
    return true;
}

bool Track::ShowSecondsPerLap() {
    const auto perLap = TrackFigure(values_.targetSeconds / static_cast<double>(values_.raceLaps));
    if (!perLap) {
        // Laps too few to hold as a number: no race distance to speak of.
        ShowMessage(messages::kDistanceMissing);
        return false;
    }
    values_.secondsPerLap = *perLap;
    txtSecsLap.setText(NumberText(values_.secondsPerLap));
    TrimToPattern(txtSecsLap, "0.000");
    return true;
}

void Track::ShowFirstLap() {
    TrackValues& v = values_;
    auto remainder = TrackFigure(v.raceDistance - static_cast<double>(v.wholeLaps) * v.trackSize);
    if (!remainder) {
        ShowMessage(messages::kTooLarge);
        return;
    }
    // The whole laps are counted from the distance as the field shows it, to a tenth of a
    // metre: a race a little more than the tolerance short of a whole number of laps can read
    // as that number. The race then has one full lap fewer and a near-full part lap first.
    if (v.wholeLaps > 0 && *remainder < 0 && !IsNoDistance(*remainder)) {
        --v.wholeLaps;
        remainder = TrackFigure(static_cast<double>(*remainder) + v.trackSize);
    }
    // What is left over is ridden first; nothing left over means a full first lap.
    v.firstLapDistance = IsNoDistance(*remainder) ? v.trackSize : *remainder;
    txtLap1Dist.setText(NumberText(v.firstLapDistance));
    TrimToPattern(txtLap1Dist, "0.000");
    // Once a loading has been applied, the first-lap time belongs to the standing start.
    if (v.startLoading != 0) return;
    const auto firstLapTime =
        TrackFigure(static_cast<double>(v.firstLapDistance) / v.trackSize * v.secondsPerLap);
    if (!firstLapTime) {
        ShowMessage(messages::kTooLarge);
        return;
    }
    txt1stLapTime.setText(NumberText(*firstLapTime));
    TrimToPattern(txt1stLapTime, "0.000");
}

}  // namespace velomark::track
