// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/power_model.h"

#include <cmath>

namespace velomark::power {

namespace {

// The speed solver stops once the bracket is this narrow, m/s.
constexpr double kSpeedTolerance = 1e-10;
constexpr double kPowerTolerance = 1e-7;
constexpr double kCdATolerance = 1e-10;
constexpr double kMostCdA = 2;
// Steps of the scan down from a speed that needs too much power to one that needs too little.
constexpr int kScanSteps = 64;
// Halvings and doublings: far more than any tolerance above needs, so every loop ends.
constexpr int kMostHalvings = 200;
constexpr int kMostDoublings = 80;

// The power curve of one stretch with everything but the speed worked out once.
struct Curve {
    double drag;      // ½ ρ (CdA + Fw)
    double wind;      // m/s
    double rolling;   // N
    double climbing;  // N
    double efficiency;

    Curve(const Rider& rider, double density, const Stretch& stretch)
        : drag(0.5 * density * (rider.cdA + kWheelDragArea)),
          wind(stretch.wind),
          rolling(rider.crr * rider.mass * kGravity * std::cos(std::atan(stretch.gradient))),
          climbing(rider.mass * kGravity * std::sin(std::atan(stretch.gradient))),
          efficiency(rider.efficiency) {}

    PowerTerms terms(double v) const {
        const double air = v + wind;
        return {drag * air * std::abs(air) * v, v * rolling,
                v * (kBearingWatts + kBearingWattsPerSpeed * v), v * climbing};
    }
    double power(double v) const { return terms(v).sum() / efficiency; }
};

// Bisects an increasing function's crossing of the target between lo (below) and hi (not).
template <class F>
double Bisect(F f, double target, double lo, double hi, double tolerance) {
    for (int i = 0; i < kMostHalvings && hi - lo > tolerance; ++i) {
        const double middle = lo + (hi - lo) / 2;
        (f(middle) < target ? lo : hi) = middle;
    }
    return lo + (hi - lo) / 2;
}

std::optional<double> SteadySpeedOn(const Curve& curve, double power) {
    if (!(power > 0) || !std::isfinite(power) || !(curve.efficiency > 0)) return std::nullopt;
    double hi = 1;
    for (int i = 0; i < kMostDoublings && !(curve.power(hi) >= power); ++i)
        hi *= 2;
    if (!(curve.power(hi) >= power)) return std::nullopt;
    // The highest crossing is on the rising part: scan down to the first speed that needs too
    // little, then close in between it and the step above.
    const double step = hi / kScanSteps;
    for (int i = 1; i <= kScanSteps; ++i) {
        const double v = hi - step * i;
        if (curve.power(v) < power) {
            return Bisect([&](double s) { return curve.power(s); }, power, v, v + step,
                          kSpeedTolerance);
        }
    }
    return std::nullopt;
}

}  // namespace

double AirDensity(double celsius, double altitude, double seaLevelPressure) {
    const double pressure =
        seaLevelPressure * kPascalsPerHectopascal *
        std::pow(1 - kLapseRate * altitude / kSeaLevelTemperature, kPressureExponent);
    return pressure / (kDryAirGasConstant * (celsius + kZeroCelsius));
}

PowerTerms Terms(const Rider& rider, double density, const Stretch& stretch, double speed) {
    return Curve(rider, density, stretch).terms(speed);
}

double PedalPower(const Rider& rider, double density, const Stretch& stretch, double speed) {
    return Curve(rider, density, stretch).power(speed);
}

std::optional<double> SteadySpeed(const Rider& rider, double density, const Stretch& stretch,
                                  double power) {
    return SteadySpeedOn(Curve(rider, density, stretch), power);
}

std::vector<Leg> Legs(Course course, double wind, double gradient) {
    switch (course) {
        case Course::OutAndBack:
            return {{0.5, {wind, gradient}}, {0.5, {-wind, -gradient}}};
        case Course::IntoTheWind:
            return {{1, {wind, gradient}}};
        case Course::WithTheWind:
            return {{1, {-wind, gradient}}};
    }
    return {};
}

std::optional<Ride> RideAtPower(const Conditions& conditions, double power) {
    Ride ride;
    for (const Leg& leg : conditions.legs) {
        const Curve curve(conditions.rider, conditions.density, leg.stretch);
        const std::optional<double> speed = SteadySpeedOn(curve, power);
        if (!speed || !(*speed > 0)) return std::nullopt;
        const double time = leg.share * conditions.distance / *speed;
        const PowerTerms terms = curve.terms(*speed);
        ride.time += time;
        ride.terms.aero += terms.aero * time;
        ride.terms.rolling += terms.rolling * time;
        ride.terms.bearings += terms.bearings * time;
        ride.terms.climbing += terms.climbing * time;
    }
    if (!(ride.time > 0) || !std::isfinite(ride.time)) return std::nullopt;
    for (double* term :
         {&ride.terms.aero, &ride.terms.rolling, &ride.terms.bearings, &ride.terms.climbing}) {
        *term /= ride.time;
    }
    return ride;
}

PowerForTime PowerFor(const Conditions& conditions, double time) {
    // Ride time falls as power rises; an unsolvable ride counts as an endless one.
    const auto minus = [&](double power) {
        const std::optional<Ride> ride = RideAtPower(conditions, power);
        return ride ? -ride->time : -INFINITY;
    };
    if (minus(kMostPower) < -time) return {kMostPower, PowerFault::AboveMost};
    if (minus(kLeastPower) >= -time) return {kLeastPower, PowerFault::BelowLeast};
    return {Bisect(minus, -time, kLeastPower, kMostPower, kPowerTolerance), PowerFault::None};
}

std::optional<double> CdAFromRide(Conditions conditions, double time, double power) {
    // Ride time rises with the drag area.
    const auto timeAt = [&](double cdA) {
        conditions.rider.cdA = cdA;
        const std::optional<Ride> ride = RideAtPower(conditions, power);
        return ride ? ride->time : INFINITY;
    };
    if (!(timeAt(0) < time) || timeAt(kMostCdA) < time) return std::nullopt;
    return Bisect(timeAt, time, 0, kMostCdA, kCdATolerance);
}

}  // namespace velomark::power
