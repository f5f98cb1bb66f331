// Equatorial coordinates, the view from the station and the distance of the bodies.
#include "orbit/body_horizon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "orbit/geodesy.h"

namespace {

using namespace torv;

constexpr double kEps0 = 23.439291;  // obliquity at T = 0
constexpr double kR = 6377.397155;

TEST(BodyHorizon, SunEquatorialQuadrants) {
    struct Case {
        double lambda, ra, dec;
    };
    const Case cases[] = {
        {0, 0, 0},
        {90, 90, kEps0},
        {180, 180, 0},  // tan λ rounds to a hair below 0 here
        {270, 270, -kEps0},
        {359, -0.9174, -0.3978},  // just below 360: a small negative right ascension
    };
    for (const Case& c : cases) {
        const Equatorial eq = sun_equatorial(0, c.lambda);
        EXPECT_NEAR(eq.ra, c.ra, 1e-4) << "λ=" << c.lambda;
        EXPECT_NEAR(eq.dec, c.dec, 1e-4) << "λ=" << c.lambda;
    }
}

// On the ecliptic the Moon's conversion agrees with the Sun's (right ascension in
// 90..450 instead of -90..270); the ecliptic pole, where the quotient's divisor is 0,
// lies at right ascension 270 and declination 90 - ε.
TEST(BodyHorizon, MoonEquatorial) {
    for (double lambda = 0; lambda < 360; lambda += 7.5) {
        const Equatorial moon = moon_equatorial(0.3, lambda, 0);
        const Equatorial sun = sun_equatorial(0.3, lambda);
        EXPECT_GE(moon.ra, 90);
        EXPECT_LT(moon.ra, 450);
        EXPECT_NEAR(std::remainder(moon.ra - sun.ra, 360), 0, 1e-9) << "λ=" << lambda;
        EXPECT_NEAR(moon.dec, sun.dec, 1e-9) << "λ=" << lambda;
    }
    const Equatorial pole = moon_equatorial(0, 123, 90);
    EXPECT_NEAR(pole.ra, 270, 1e-6);
    EXPECT_NEAR(pole.dec, 90 - kEps0, 1e-9);
}

// With T = 0, the reading 00:00:00 and the station at longitude 0 the local sidereal
// time is 325.4606, so a body at that right ascension is on the meridian (H = 0).
constexpr double kTheta0 = 325.4606;

TEST(BodyHorizon, OnTheMeridianTheTrueElevation) {
    struct Case {
        double dec, az, el;
    };
    const Case cases[] = {
        {10, 180, 65},  // south of the zenith
        {60, 0, 65},    // north of it
        {35, 0, 90},    // in the zenith: sine of exactly 1 or a hair above
        {-70, 180, -15},
    };
    for (const Case& c : cases) {
        const BodyView v = body_az_el(0, BodyClock{}, 0, 35, c.dec, kTheta0, 1e5);
        EXPECT_NEAR(v.el, c.el, 1e-6) << "δ=" << c.dec;
        if (c.el != 90) {
            EXPECT_NEAR(v.az, c.az, 1e-9) << "δ=" << c.dec;
        }
        EXPECT_TRUE(std::isfinite(v.az));
        EXPECT_EQ(v.sub_lat, c.dec);
        EXPECT_EQ(v.sub_lon, 0);
    }
}

TEST(BodyHorizon, EastAndWestOfTheMeridian) {
    // H = 30: west of the meridian, the sub-point at -30 (not raised to 330).
    const BodyView west = body_az_el(0, BodyClock{}, 0, 35, 0, kTheta0 - 30, 1e5);
    EXPECT_GT(west.az, 180);
    EXPECT_LT(west.az, 360);
    EXPECT_NEAR(west.sub_lon, -30, 1e-9);
    // The mirror image east of it.
    const BodyView east = body_az_el(0, BodyClock{}, 0, 35, 0, kTheta0 + 30, 1e5);
    EXPECT_NEAR(east.az, 360 - west.az, 1e-9);
    EXPECT_NEAR(east.el, west.el, 1e-9);
    EXPECT_NEAR(east.sub_lon, 30, 1e-9);
}

TEST(BodyHorizon, HourAngleUsesTheClockComponents) {
    // One hour later the body has moved 15.04 degrees west (360 per day plus the year term).
    const BodyView v0 = body_az_el(0, BodyClock{2000, 1, 1, 0, 0, 0}, 135, 35, 0, 100, 1e5);
    const BodyView v1 = body_az_el(0, BodyClock{2000, 1, 1, 1, 0, 0}, 135, 35, 0, 100, 1e5);
    EXPECT_NEAR(v0.sub_lon - v1.sub_lon, 15, 1e-9);
}

TEST(BodyHorizon, HeightAndDistanceFromTheStation) {
    const double D = 384400;
    // The body straight above the station: its distance is its height.
    const BodyView above = body_az_el(0, BodyClock{}, 0, 35, 35, kTheta0, D);
    EXPECT_NEAR(above.height, D - kR, 1e-9);
    EXPECT_NEAR(above.dist, D - kR, 1e-6);
    EXPECT_EQ(body_distance(D, kR, 12, 34, 12, 34), D - kR);
    // On the horizon (90 degrees away) by Pythagoras.
    EXPECT_NEAR(body_distance(D, kR, 0, 0, 0, 90), std::hypot(D, kR), 1e-6);
    // Two equal points at equal distances: 0, never the root of a rounding below 0.
    EXPECT_EQ(body_distance(kR, kR, 33.3, 123.4, 33.3, 123.4), 0);
}

TEST(ArcTrig, LimitsAndRoundingPastThem) {
    const double half_pi = std::numbers::pi / 2;
    EXPECT_EQ(arc_sin(1), half_pi);
    EXPECT_EQ(arc_sin(-1), -half_pi);
    EXPECT_EQ(arc_sin(1 + 1e-15), half_pi);
    EXPECT_EQ(arc_sin(0), 0);
    EXPECT_NEAR(arc_sin(0.5), std::numbers::pi / 6, 1e-15);
    EXPECT_EQ(arc_cos(1), 0);
    EXPECT_EQ(arc_cos(-1 - 1e-15), std::numbers::pi);
    EXPECT_NEAR(arc_cos(0.5), std::numbers::pi / 3, 1e-15);
}

}  // namespace

// A station longitude far out of range (a damaged setting) still gives an answer: the
// sidereal time and the sub-point longitude are lowered by whole turns in one step,
// to the values repeated subtraction gives for ordinary longitudes.
TEST(BodyHorizon, OutOfRangeStationLongitudeEnds) {
    const BodyClock clock{2000, 1, 1, 6, 30, 15};
    const BodyView v = body_az_el(0.25, clock, 1e20, 35, 10, 200, 1.5e8);
    EXPECT_GE(v.sub_lon, 0);
    EXPECT_LT(v.sub_lon, 360);
    EXPECT_TRUE(std::isfinite(v.az) && std::isfinite(v.el));

    for (double lon : {-179.5, 0.0, 135.15, 359.9, 1234.5}) {
        const BodyView w = body_az_el(0.25, clock, lon, 35, 10, 200, 1.5e8);
        double theta = 325.4606 + 360.007700536 * 0.25 + 0.00000003879 * 0.25 * 0.25 +
                       360.0 * (3600 * 6 + 60 * 30 + 15) / 86400 + lon;
        while (theta >= 360) theta -= 360;
        double sub_lon = lon - (theta - 200);
        while (sub_lon >= 360) sub_lon -= 360;
        EXPECT_EQ(w.sub_lon, sub_lon) << lon;
    }
}
