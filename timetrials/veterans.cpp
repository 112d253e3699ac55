// SPDX-License-Identifier: GPL-3.0-or-later
// The "Vets Standards" group: the rider's age on each event date, and the margins against the
// standards typed in, with the Vets 3 Dist and Vets BAR results.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "shell/field_rules.h"
#include "shell/units.h"
#include "timetrials/time_trial_rules.h"
#include "timetrials/time_trials.h"
#include "timetrials/time_trials_messages.h"

namespace velomark::timetrials {

namespace {

std::optional<std::int32_t> FitsLong(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// A combined margin as minutes:seconds with no leading zeros; a negative one carries its sign
// in front of the minutes and seconds of its size (-90 s shows -1:30).
std::string MarginText(std::int32_t margin) {
    const std::int64_t size = margin < 0 ? -std::int64_t{margin} : margin;
    std::string text = margin < 0 ? "-" : "";
    text +=
        std::to_string(size / kSecondsPerMinute) + ":" + std::to_string(size % kSecondsPerMinute);
    return text;
}

}  // namespace

void TimeTrials::txtDob_LostFocus() {
    if (txtDob.text().empty()) return;
    txtDob.setText(FormatPattern(txtDob.text(), kDatePattern));
    const std::optional<Date> birth = DateFromText(txtDob.text());
    if (!birth) {
        // The ages no longer belong to the date of birth shown.
        ShowMessage(messages::kDateAsked);
        for (const EventDateRow& row : eventDateRows_)
            row.age.setText({});
        return;
    }
    values_.birthDate = *birth;
    values_.birthDateEntered = true;
    RecalcAllAges();
}

void TimeTrials::LeaveEventDate(const EventDateRow& row) {
    row.eventDate.setText(FormatPattern(row.eventDate.text(), kDatePattern));
    if (!row.eventDate.text().empty()) ShowAgeOnEventDate(row);
}

void TimeTrials::ShowAgeOnEventDate(const EventDateRow& row) {
    const std::optional<Date> date = DateFromText(row.eventDate.text());
    if (!date) {
        ShowMessage(messages::kDateAsked);
        row.age.setText({});
        return;
    }
    values_.eventDate = *date;
    // No age can be counted from a date of birth nobody has entered.
    if (!values_.birthDateEntered) return;
    CalcAgeOnEventDate();
    row.age.setText(NumberText(values_.ageYears));
}

void TimeTrials::CalcAgeOnEventDate() {
    TimeTrialsValues& v = values_;
    // Dates read from a field have years of at most four digits, which fit an Integer.
    v.birthYear = static_cast<std::int16_t>(v.birthDate.year);
    v.birthMonth = static_cast<std::int16_t>(v.birthDate.month);
    v.birthDay = static_cast<std::int16_t>(v.birthDate.day);
    v.eventYear = static_cast<std::int16_t>(v.eventDate.year);
    v.eventMonth = static_cast<std::int16_t>(v.eventDate.month);
    v.eventDay = static_cast<std::int16_t>(v.eventDate.day);
    v.ageYears = static_cast<std::int16_t>(
        AgeOn({v.birthYear, v.birthMonth, v.birthDay}, {v.eventYear, v.eventMonth, v.eventDay}));
}

void TimeTrials::RecalcAllAges() {
    for (const EventDateRow& row : eventDateRows_)
        LeaveEventDate(row);
}

void TimeTrials::txtStdSecs_LostFocus(const StandardRow& row) {
    CalcVetsStandard(row);
    if (row.combined) CalcVetsResults();
}

void TimeTrials::txtStd12Dist_LostFocus() {
    CalcVetsStandard12Hour();
    CalcVetsResults();
}

void TimeTrials::CalcVetsStandard(const StandardRow& row) {
    const std::optional<std::int32_t> standard =
        WholeSeconds(TimeInSeconds(row.hours, row.minutes, row.seconds));
    // Only a standard far below zero can put the margin outside a Long.
    const std::optional<std::int32_t> margin =
        standard ? FitsLong(std::int64_t{*standard} - row.actualSecs) : std::nullopt;
    if (!margin) {
        ShowMessage(messages::kStandardTooLong);
        return;
    }
    row.stdSecs = *standard;
    row.plusSecs = *margin;

    // Minutes and seconds both carry the margin's sign: -90 s is -1 and -30.
    row.plusMinutes.setText(
        NumberText(static_cast<std::int32_t>(row.plusSecs / kSecondsPerMinute)));
    row.plusSeconds.setText(
        NumberText(static_cast<std::int32_t>(row.plusSecs % kSecondsPerMinute)));

    if (row.stdSecs < 1) return;
    row.standardSpeed.setText(NumberText(row.miles / row.stdSecs * kSecondsPerHour));
    row.difference.setText(NumberText(LeadingNumber(row.actualSpeed.text()) -
                                      LeadingNumber(row.standardSpeed.text())));
    ShowThreeDecimals(row.standardSpeed);
    ShowThreeDecimals(row.difference);
}

void TimeTrials::CalcVetsStandard12Hour() {
    if (txtStd12Dist.text().empty()) {
        txtStdSpeed12.setText({});
        return;
    }
    const double standard = LeadingNumber(txtStd12Dist.text());
    const double plus = LeadingNumber(txt12Dist.text()) - standard;
    if (!DistanceFits(plus)) {
        ShowMessage(messages::kDistanceTooLarge);
        return;
    }
    txtStdSpeed12.setText(NumberText(standard / 12));
    txt12DistPlus.setText(NumberText(plus));
    txtDiff12.setText(
        NumberText(LeadingNumber(txt12Speed.text()) - LeadingNumber(txtStdSpeed12.text())));
    ShowThreeDecimals(txtStdSpeed12);
    ShowThreeDecimals(txtDiff12);
}

void TimeTrials::CalcVetsResults() {
    const TimeTrialsValues& v = values_;
    const bool threeStandards = LeadingNumber(txtStdSpeed100.text()) > 0 &&
                                LeadingNumber(txtStdSpeed50.text()) > 0 &&
                                LeadingNumber(txtStdSpeed25.text()) > 0;
    if (threeStandards) {
        const std::optional<std::int32_t> margin =
            FitsLong((std::int64_t{v.stdSecs100} + v.stdSecs50 + v.stdSecs25) -
                     (std::int64_t{v.actualSecs100} + v.actualSecs50 + v.actualSecs25));
        if (margin) {
            values_.plusSecs3Dist = *margin;
            values_.vets3DistText = MarginText(*margin);
            txtShortBar.setText(values_.vets3DistText);
        } else {
            ShowMessage(messages::kStandardsTogetherTooLong);
        }
    }
    if (threeStandards && LeadingNumber(txtStdSpeed12.text()) > 0) {
        WriteSpeed(txtLongBar,
                   (LeadingNumber(txtDiff25.text()) + LeadingNumber(txtDiff50.text()) +
                    LeadingNumber(txtDiff100.text()) + LeadingNumber(txtDiff12.text())) /
                       4);
    }
}

}  // namespace velomark::timetrials
