// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/power_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "power/time_text.h"
#include "shell/units.h"

namespace velomark::power {
namespace {

// The guide's rider: 70 kg on an 8 kg bike, CdA 0.25, Crr 0.004, 97.6 % drivetrain, at 15 °C
// and 50 m under 1013 hPa, on 25 miles out and back.
constexpr Rider kRider{78, 0.25, 0.004, 0.976};
constexpr double kMetresPerMile = kKilometresPerStatuteMile * kMetresPerKilometre;
constexpr double kDistance = 25 * kMetresPerMile;
constexpr double kMph = kMetresPerMile / 3600;

Conditions Course(double windMph, Course course = Course::OutAndBack, double cdA = 0.25) {
    Rider rider = kRider;
    rider.cdA = cdA;
    return {rider, AirDensity(15, 50, 1013), kDistance, Legs(course, windMph * kMph, 0)};
}

TEST(PowerModel, AirDensityFromTheWeather) {
    EXPECT_NEAR(AirDensity(15, 50, 1013), 1.21743, 1e-5);
    EXPECT_NEAR(AirDensity(15, 0, 1013), 1.22468, 1e-5);
    EXPECT_NEAR(AirDensity(-30, 5000, 1100), 0.84021, 1e-5);
}

TEST(PowerModel, SteadySpeedsWorkedByHand) {
    const double density = AirDensity(15, 50, 1013);
    struct Case {
        double gradient, wind, power, speed;
    } cases[] = {
        {0.00, 0, 328.22863982, 25 * kMetresPerMile / 3300},
        {-0.05, 0, 200, 17.2728677676},  // a descent
        {-0.15, 0, 10, 26.7106631902},   // a steep one, where gravity does the work
        {0.00, -15, 50, 14.8862935358},  // a tailwind stronger than the rider
        {0.00, -15, 300, 22.8239192234},
        {0.08, 5, 250, 3.2644385905},
    };
    for (const Case& c : cases) {
        const Stretch stretch{c.wind, c.gradient};
        const std::optional<double> speed = SteadySpeed(kRider, density, stretch, c.power);
        ASSERT_TRUE(speed) << c.gradient << " " << c.wind;
        EXPECT_NEAR(*speed, c.speed, 1e-7) << c.gradient << " " << c.wind;
        EXPECT_NEAR(PedalPower(kRider, density, stretch, *speed), c.power, 1e-6);
    }
}

TEST(PowerModel, TheWorkedExample) {
    const PowerForTime found = PowerFor(Course(0), 55 * 60);
    ASSERT_EQ(found.fault, PowerFault::None);
    EXPECT_NEAR(found.power, 328.2286, 1e-4);
    const std::optional<Ride> ride = RideAtPower(Course(0), found.power);
    ASSERT_TRUE(ride);
    EXPECT_EQ(std::lround(ride->terms.aero), 281);
    EXPECT_EQ(std::lround(ride->terms.rolling), 37);
    EXPECT_EQ(std::lround(ride->terms.bearings), 2);
    EXPECT_EQ(std::lround(ride->terms.climbing), 0);
    EXPECT_EQ(std::lround(found.power - ride->terms.sum()), 8);

    const double still = RideAtPower(Course(0), 300)->time;
    EXPECT_EQ(TimeText(still), "56:50");
    EXPECT_NEAR(kDistance / still / kMph, 26.395, 1e-3);
    const double windy = RideAtPower(Course(10), 300)->time;
    EXPECT_EQ(TimeText(windy), "59:17");
    EXPECT_NEAR(kDistance / windy / kMph, 25.303, 1e-3);
    EXPECT_EQ(SignedTimeText(*WholeSeconds(windy) - *WholeSeconds(still)), "+2:27");
    const double more = RideAtPower(Course(10), 310)->time;
    EXPECT_EQ(SignedTimeText(*WholeSeconds(more) - *WholeSeconds(windy)), "-0:45");

    const std::optional<double> cdA = CdAFromRide(Course(0), 55 * 60, 290);
    ASSERT_TRUE(cdA);
    EXPECT_NEAR(*cdA, 0.21618, 1e-5);
}

TEST(PowerModel, PowerForATimeIsBounded) {
    EXPECT_EQ(PowerFor(Course(0), 20 * 60).fault, PowerFault::AboveMost);
    EXPECT_EQ(PowerFor(Course(0), 20 * 3600).fault, PowerFault::BelowLeast);
    // The wind both ways on one-way courses.
    EXPECT_GT(RideAtPower(Course(10, Course::IntoTheWind), 300)->time,
              RideAtPower(Course(10, Course::WithTheWind), 300)->time);
    EXPECT_FALSE(CdAFromRide(Course(0), 10 * 60, 290));
}

TEST(PowerModel, ATimeComesBackFromItsPower) {
    for (double windMph : {0.0, 10.0, 40.0}) {
        for (double minutes : {35.0, 55.0, 80.0, 150.0}) {
            const Conditions course = Course(windMph);
            const PowerForTime found = PowerFor(course, minutes * 60);
            if (found.fault != PowerFault::None) continue;
            EXPECT_NEAR(RideAtPower(course, found.power)->time, minutes * 60, 1e-3)
                << windMph << " mph, " << minutes << " min";
        }
    }
}

TEST(PowerTimes, ReadAndShown) {
    struct Case {
        const char* typed;
        std::optional<double> seconds;
        const char* shown;
    } cases[] = {
        {"55", 3300, "55:00"},        {"55:00", 3300, "55:00"},   {"9:05", 545, "9:05"},
        {"1:52:53", 6773, "1:52:53"}, {"75:30", 4530, "1:15:30"}, {"0", std::nullopt, ""},
        {"1:60", std::nullopt, ""},   {"5.5", std::nullopt, ""},  {"1:2:3:4", std::nullopt, ""},
        {"abc", std::nullopt, ""},    {"", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadTime(c.typed), c.seconds) << c.typed;
        if (c.seconds) {
            EXPECT_EQ(TimeText(*c.seconds), c.shown) << c.typed;
        }
    }
    EXPECT_EQ(TimeText(3599.6), "1:00:00");
    EXPECT_EQ(SignedTimeText(-65), "-1:05");
    EXPECT_EQ(SignedTimeText(0), "0:00");
}

}  // namespace
}  // namespace velomark::power
