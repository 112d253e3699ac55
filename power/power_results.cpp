// SPDX-License-Identifier: GPL-3.0-or-later
// The results: density, the two fields of the triangle that follow the anchor, the split of the
// power, what the wind and ten watts cost, the CdA of a ride, and the chart.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "power/power_and_pace.h"
#include "power/power_and_pace_messages.h"
#include "power/time_text.h"
#include "shell/field_rules.h"
#include "shell/units.h"

namespace velomark::power {

namespace {

// The chart runs from 70 % to 130 % of the power in steps of 5 %.
constexpr double kChartLeast = 0.70;
constexpr double kChartStep = 0.05;
constexpr int kChartSteps = 12;
constexpr double kMoreWatts = 10;

// Whole watts, with no "-0" for a small loss.
std::string WholeWatts(double watts) {
    const std::string text = FormatPattern(watts, "0");
    return text == "-0" ? "0" : text;
}

std::string TimeDifference(double later, double earlier) {
    const std::optional<std::int32_t> a = WholeSeconds(later);
    const std::optional<std::int32_t> b = WholeSeconds(earlier);
    if (!a || !b) return {};
    return SignedTimeText(*a - *b);
}

}  // namespace

void PowerAndPace::Write(TextField& field, std::string text) {
    writing_ = true;
    field.setText(std::move(text));
    writing_ = false;
}

Conditions PowerAndPace::CurrentConditions() const {
    const Rider rider{in_.riderMass + in_.bikeMass, in_.cdA, in_.crr, in_.efficiency};
    return {rider, AirDensity(in_.temperature, in_.altitude, in_.pressure), in_.distance,
            Legs(in_.course, in_.wind, in_.gradient)};
}

Conditions PowerAndPace::StillAir() const {
    Conditions still = CurrentConditions();
    still.legs = Legs(in_.course, 0, in_.gradient);
    return still;
}

// Works everything out again from the anchor; when the anchor cannot be met the results stay
// as they were and the fault is returned.
const char* PowerAndPace::Recompute() {
    Write(txtDensity, FormatPattern(CurrentConditions().density, "0.000"));
    ShowRideCdA();
    if (anchor_ == Anchor::None) return nullptr;
    double time = 0;
    double power = 0;
    if (const char* fault = SolveAnchor(time, power)) return fault;
    const std::optional<Ride> ride = RideAtPower(CurrentConditions(), power);
    if (!ride) return nullptr;
    ShowRide(time, power, *ride);
    return nullptr;
}

const char* PowerAndPace::SolveAnchor(double& time, double& power) {
    const Conditions conditions = CurrentConditions();
    if (anchor_ == Anchor::Power) {
        power = anchorValue_;
        const std::optional<Ride> ride = RideAtPower(conditions, power);
        if (!ride) return nullptr;
        time = ride->time;
        return nullptr;
    }
    const bool byTime = anchor_ == Anchor::Time;
    time = byTime ? anchorValue_ : in_.distance / anchorValue_;
    const PowerForTime found = PowerFor(conditions, time);
    power = found.power;
    switch (found.fault) {
        case PowerFault::None:
            return nullptr;
        case PowerFault::AboveMost:
            return byTime ? messages::kTimeTooFast : messages::kSpeedTooFast;
        case PowerFault::BelowLeast:
            return byTime ? messages::kTimeTooSlow : messages::kSpeedTooSlow;
    }
    return nullptr;
}

void PowerAndPace::ShowRide(double time, double power, const Ride& ride) {
    if (anchor_ != Anchor::Time) Write(txtTime, TimeText(time));
    if (anchor_ != Anchor::Speed) {
        const double speed = in_.distance / time * kSecondsPerHour / MetresPerUnit();
        Write(txtSpeed, FormatPattern(speed, "0.00"));
    }
    if (anchor_ != Anchor::Power) Write(txtPower, WholeWatts(power));
    Write(txtWattsPerKg, FormatPattern(power / in_.riderMass, "0.00"));
    const PowerTerms& terms = ride.terms;
    Write(txtAero, WholeWatts(terms.aero));
    Write(txtRolling, WholeWatts(terms.rolling));
    Write(txtBearings, WholeWatts(terms.bearings));
    Write(txtClimbing, WholeWatts(terms.climbing));
    Write(txtDrivetrain, WholeWatts(power - terms.sum()));
    const std::optional<Ride> still = RideAtPower(StillAir(), power);
    Write(txtWindEffect, still ? TimeDifference(time, still->time) : std::string());
    const std::optional<Ride> more = RideAtPower(CurrentConditions(), power + kMoreWatts);
    Write(txtTenWatts, more ? TimeDifference(more->time, time) : std::string());
    ShowChart(time, power);
}

void PowerAndPace::ShowRideCdA() {
    std::optional<double> cdA;
    if (in_.rideTime && in_.ridePower)
        cdA = CdAFromRide(CurrentConditions(), *in_.rideTime, *in_.ridePower);
    Write(txtRideCdA, cdA ? FormatPattern(*cdA, "0.000") : std::string());
}

void PowerAndPace::ShowChart(double time, double power) {
    ChartData chart;
    chart.axisTitle = "Power (W)";
    chart.low = power * kChartLeast;
    chart.high = power * (kChartLeast + kChartStep * kChartSteps);
    ChartSeries& series = chart.series;
    const double distance = std::round(in_.distance / MetresPerUnit() * 1000) / 1000;
    series.title = "Minutes for " + NumberText(distance) + (in_.kilometres ? " km" : " miles");
    const Conditions conditions = CurrentConditions();
    for (int step = 0; step <= kChartSteps; ++step) {
        const double watts = power * (kChartLeast + kChartStep * step);
        const std::optional<Ride> ride = RideAtPower(conditions, watts);
        if (ride) series.points.push_back({watts, ride->time / kSecondsPerMinute, {}});
    }
    const ChartPoint now{power, time / kSecondsPerMinute,
                         WholeWatts(power) + " W, " + TimeText(time)};
    series.marked = {now};
    series.low = series.high = now.y;
    for (const ChartPoint& point : series.points) {
        series.low = std::min(series.low, point.y);
        series.high = std::max(series.high, point.y);
    }
    picPowerTime.setData(std::move(chart));
}

void PowerAndPace::ClearResults() {
    for (TextField* field : {&txtTime, &txtSpeed, &txtPower}) {
        if (field != AnchorField()) Write(*field, {});
    }
    for (TextField* field : {&txtWattsPerKg, &txtAero, &txtRolling, &txtBearings, &txtClimbing,
                             &txtDrivetrain, &txtWindEffect, &txtTenWatts}) {
        Write(*field, {});
    }
    picPowerTime.setData({});
}

}  // namespace velomark::power
