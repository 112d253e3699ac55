// SPDX-License-Identifier: GPL-3.0-or-later
#include "road/road.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "road/circuit_directory.h"
#include "road/road_messages.h"
#include "shell/field_rules.h"
#include "shell/time_split.h"
#include "shell/units.h"
#include "shell/venue_directory.h"

namespace velomark::road {

namespace {

// Riding and arrival times are whole seconds and never negative; they split as plain
// whole-number division splits them.
constexpr TimeSplitPolicy kClockSplit{
    .hours = true, .negative = NegativeTime::EachPartSigned, .carryAtDecimals = -1};

}  // namespace

Road::Road(Application& app, RoadValues& values)
    : CalculatorWindow(app, kName, "Road Stats"), values_(values) {
    for (TextField* input : {&txtSchedDist, &txtTargSpeed, &txtStartHours, &txtStartMins,
                             &txtStartSecs, static_cast<TextField*>(&cboCircuitName),
                             &txtCircuitSize, &txtRaceDistance, &txtRaceLaps}) {
        input->setBackground(colours::kInput);
    }
    for (TextField* result :
         {&txtEndHours, &txtEndMins, &txtEndSecs, &txtIntHours, &txtIntMins, &txtIntSecs}) {
        result->setLocked(true);
    }
    cboCircuitName.setItems(VenueNames(CircuitDirectory()));

    txtSchedDist.onLostFocus([this] { ScheduleInputChanged(); });
    txtTargSpeed.onLostFocus([this] { ScheduleInputChanged(); });
    txtStartHours.onChange([this] { ScheduleInputChanged(); });
    txtStartMins.onChange([this] { ScheduleInputChanged(); });
    txtStartSecs.onChange([this] { ScheduleInputChanged(); });
    cmdClearSchedule.onClick([this] { ClearScheduleGroup(); });
    mnuWinClearSchedule.onClick([this] { ClearScheduleGroup(); });

    cboCircuitName.onClick([this] { LookUpCircuit(); });
    cboCircuitName.onLostFocus([this] { LookUpCircuit(); });
    txtRaceDistance.onLostFocus([this] { txtRaceDistance_LostFocus(); });
    txtRaceLaps.onLostFocus([this] { txtRaceLaps_LostFocus(); });
    // The circuit group's own Clear leaves the schedule alone: a person clearing one group
    // must not lose what they typed in the other.
    cmdClearCircuit.onClick([this] { ClearCircuitGroup(); });
    mnuWinClearCircuit.onClick([this] { ClearCircuitGroup(); });
    cmdClear6.onClick([this] { ClearAll(); });
    mnuWinClearAll.onClick([this] { ClearAll(); });

    setTabOrder({&txtSchedDist, &txtTargSpeed, &txtStartHours, &txtStartMins, &txtStartSecs,
                 &cmdClearSchedule, &cboCircuitName, &txtCircuitSize, &txtRaceDistance,
                 &txtRaceLaps, &cmdClearCircuit, &cmdClear6, &cmdExit});
}

void Road::ScheduleInputChanged() {
    if (LeadingNumber(txtSchedDist.text()) > 0 && LeadingNumber(txtTargSpeed.text()) > 0) {
        ShowRaceSchedule();
    }
}

void Road::ShowRaceSchedule() {
    const std::optional<float> distance = ToSingle(LeadingNumber(txtSchedDist.text()));
    const std::optional<float> speed = ToSingle(LeadingNumber(txtTargSpeed.text()));
    if (!distance || !speed) return ShowMessage(messages::kScheduleNumberTooLarge);

    const double startSeconds = LeadingNumber(txtStartHours.text()) * kSecondsPerHour +
                                LeadingNumber(txtStartMins.text()) * kSecondsPerMinute +
                                LeadingNumber(txtStartSecs.text());
    const std::optional<std::int32_t> start = RoundHalfEven<std::int32_t>(startSeconds);
    if (!start) {
        ShowMessage(messages::kStartTimeTooLong);
        return;
    }
    // A speed too small for a Single leaves no riding time that can be shown.
    const float hours = *speed > 0 ? *distance / *speed : INFINITY;
    const std::optional<std::int32_t> interval =
        std::isfinite(hours) ? RoundHalfEven<std::int32_t>(hours * kSecondsPerHour) : std::nullopt;
    if (!interval) {
        ShowMessage(messages::kRidingTimeTooLong);
        return;
    }
    std::int64_t end = std::int64_t{*start} + *interval;
    if (end > INT32_MAX) {
        ShowMessage(messages::kRidingTimeTooLong);
        return;
    }
    if (end >= kSecondsPerDay) {
        end -= kSecondsPerDay;
    } else if (end < 0) {
        // A start before midnight comes round into the day.
        end = (end % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    }

    values_.schedDistance = *distance;
    values_.targetSpeed = *speed;
    values_.startTotal = *start;
    values_.intervalTotal = *interval;
    const TimeParts<std::int32_t> riding = SplitTime(*interval, kClockSplit);
    values_.intervalHours = riding.hours;
    values_.intervalMinutes = riding.minutes;
    values_.intervalSeconds = riding.seconds;
    txtIntHours.setText(NumberText(values_.intervalHours));
    txtIntMins.setText(NumberText(values_.intervalMinutes));
    txtIntSecs.setText(NumberText(values_.intervalSeconds));

    values_.endTotal = static_cast<std::int32_t>(end);
    const TimeParts<std::int32_t> arrival = SplitTime(values_.endTotal, kClockSplit);
    values_.endHours = arrival.hours;
    values_.endMinutes = arrival.minutes;
    values_.endSeconds = arrival.seconds;
    txtEndHours.setText(NumberText(values_.endHours));
    txtEndMins.setText(NumberText(values_.endMinutes));
    txtEndSecs.setText(NumberText(values_.endSeconds));
}

void Road::ClearScheduleGroup() {
    // The distance goes first, so the start fields' changes find nothing to work out.
    for (TextField* field :
         {&txtSchedDist, &txtTargSpeed, &txtStartHours, &txtStartMins, &txtStartSecs, &txtEndHours,
          &txtEndMins, &txtEndSecs, &txtIntHours, &txtIntMins, &txtIntSecs}) {
        field->setText({});
    }
}

void Road::LookUpCircuit() {
    const Circuit* circuit = FindVenue(CircuitDirectory(), cboCircuitName.text());
    if (!circuit) {
        for (Label* caption : {&lblCircuitDetails, &lblAddress, &lblContact, &lblTel}) {
            caption->setCaption({});
        }
        return;
    }
    txtCircuitSize.setText(std::string(circuit->length));
    lblCircuitDetails.setCaption(std::string(circuit->technical));
    lblAddress.setCaption(std::string(circuit->address));
    lblContact.setCaption(std::string(circuit->contact));
    lblTel.setCaption(std::string(circuit->telephone));
}

void Road::txtRaceDistance_LostFocus() {
    const std::optional<float> distance = ToSingle(LeadingNumber(txtRaceDistance.text()));
    if (!distance) return ShowMessage(messages::kNumberTooLarge);
    values_.circuitRaceDistance = *distance;
    values_.circuitRaceLaps = 0;
    RelateCircuitLaps();
}

void Road::txtRaceLaps_LostFocus() {
    const std::optional<float> laps = ToSingle(LeadingNumber(txtRaceLaps.text()));
    if (!laps) return ShowMessage(messages::kNumberTooLarge);
    values_.circuitRaceLaps = *laps;
    values_.circuitRaceDistance = 0;
    RelateCircuitLaps();
}

void Road::RelateCircuitLaps() {
    RoadValues& v = values_;
    const std::optional<float> length = ToSingle(LeadingNumber(txtCircuitSize.text()));
    if (!length) return ShowMessage(messages::kNumberTooLarge);
    v.circuitLength = *length;
    if (v.circuitLength > 0 && v.circuitRaceDistance > 0) {
        const float laps = v.circuitRaceDistance / v.circuitLength;
        if (!std::isfinite(laps)) {
            ShowMessage(messages::kNumberTooLarge);
            return;
        }
        v.circuitRaceLaps = laps;
    } else if (v.circuitRaceLaps > 0 && v.circuitLength > 0) {
        const float distance = v.circuitRaceLaps * v.circuitLength;
        if (!std::isfinite(distance)) {
            ShowMessage(messages::kNumberTooLarge);
            return;
        }
        v.circuitRaceDistance = distance;
    } else if (v.circuitLength <= 0) {
        // A negative length is no more usable than a missing one.
        ShowMessage(messages::kCircuitSizeMissing);
    }
    txtRaceDistance.setText(NumberText(v.circuitRaceDistance));
    txtRaceLaps.setText(NumberText(v.circuitRaceLaps));
    TrimToPattern(txtRaceLaps, "0.000");
    TrimToPattern(txtRaceDistance, "0.000");
}

void Road::ClearCircuitGroup() {
    cboCircuitName.setText({});
    txtCircuitSize.setText({});
    for (Label* caption : {&lblCircuitDetails, &lblAddress, &lblContact, &lblTel}) {
        caption->setCaption({});
    }
    txtRaceDistance.setText({});
    txtRaceLaps.setText({});
}

void Road::ClearAll() {
    ClearCircuitGroup();
    ClearScheduleGroup();
}

}  // namespace velomark::road
