// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steady-state road-cycling power model of Martin, Milliken, Cobb, McFadden and Coggan
// (1998): the power at the pedals that holds a ground speed on one stretch of road, and the
// solvers built on it. Pure functions on SI numbers.

#include <optional>
#include <vector>

namespace velomark::power {

// The model's constants, each named once.
inline constexpr double kWheelDragArea = 0.0044;  // Fw, m², the spinning wheels
inline constexpr double kGravity = 9.80665;       // m/s²
// Wheel-bearing friction: V (91 + 8.7 V) × 10⁻³ W.
inline constexpr double kBearingWatts = 91e-3;
inline constexpr double kBearingWattsPerSpeed = 8.7e-3;
// Air density from the weather: dry air and the standard atmosphere.
inline constexpr double kDryAirGasConstant = 287.058;   // J/(kg K)
inline constexpr double kZeroCelsius = 273.15;          // K
inline constexpr double kLapseRate = 0.0065;            // K/m
inline constexpr double kSeaLevelTemperature = 288.15;  // K
inline constexpr double kPressureExponent = 5.25588;
inline constexpr double kPascalsPerHectopascal = 100;
// The power a person can type, and the most a time may need.
inline constexpr double kLeastPower = 10;
inline constexpr double kMostPower = 3000;

// The rider and the machine.
struct Rider {
    double mass = 0;        // rider and bike, kg
    double cdA = 0;         // m²
    double crr = 0;         // rolling resistance coefficient
    double efficiency = 1;  // drivetrain, a fraction
};

// One stretch of road: the wind along it (m/s, above 0 against the rider) and its gradient (the
// rise over the run, a fraction).
struct Stretch {
    double wind = 0;
    double gradient = 0;
};

// The four resistive powers at the wheel, W.
struct PowerTerms {
    double aero = 0;
    double rolling = 0;
    double bearings = 0;
    double climbing = 0;
    double sum() const { return aero + rolling + bearings + climbing; }
};

// Air density, kg/m³, from the temperature (°C), the altitude (m) and the sea-level pressure
// (hPa).
double AirDensity(double celsius, double altitude, double seaLevelPressure);

PowerTerms Terms(const Rider& rider, double density, const Stretch& stretch, double speed);
// The power at the pedals, W.
double PedalPower(const Rider& rider, double density, const Stretch& stretch, double speed);

// The steady ground speed (m/s) the power holds on the stretch, on the part of the curve where
// power rises with speed; nothing when the model has none.
std::optional<double> SteadySpeed(const Rider& rider, double density, const Stretch& stretch,
                                  double power);

// How a course lies against the wind.
enum class Course { OutAndBack, IntoTheWind, WithTheWind };

// One leg of a course: its share of the distance and its stretch.
struct Leg {
    double share = 1;
    Stretch stretch;
};
// The legs of a course with the wind speed (m/s) and the outward gradient (a fraction).
std::vector<Leg> Legs(Course course, double wind, double gradient);

// Everything one power gives over a course.
struct Ride {
    double time = 0;   // s
    PowerTerms terms;  // time-weighted averages over the ride, W
};

struct Conditions {
    Rider rider;
    double density = 0;
    double distance = 0;  // m
    std::vector<Leg> legs;
};

std::optional<Ride> RideAtPower(const Conditions& conditions, double power);
// The power whose ride takes the time, searched from kLeastPower to kMostPower.
enum class PowerFault { None, BelowLeast, AboveMost };
struct PowerForTime {
    double power = 0;
    PowerFault fault = PowerFault::None;
};
PowerForTime PowerFor(const Conditions& conditions, double time);
// The CdA at which the power takes the time; nothing when no CdA from 0 to 2 m² does.
std::optional<double> CdAFromRide(Conditions conditions, double time, double power);

}  // namespace velomark::power
