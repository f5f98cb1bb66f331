// The Sun, Moon and Mars theories against their worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/mars_position.h"
#include "orbit/moon_position.h"
#include "orbit/sun_position.h"

namespace {

using namespace torv;

struct SunCase {
    double T, longitude, distance;
};

TEST(SunPosition, WorkedValues) {
    const SunCase cases[] = {
        {0, 280.36808, 1.471038e8},
        {0.5, 100.53873, 1.521019e8},
        {-1, 280.36014, 0},  // the sum is negative before it is brought into range
    };
    for (const SunCase& c : cases) {
        double longitude = -1, distance = -1;
        sun_position(c.T, longitude, distance);
        EXPECT_NEAR(longitude, c.longitude, 0.5e-5) << "T=" << c.T;
        if (c.distance > 0) {
            EXPECT_NEAR(distance, c.distance, 0.5e2) << "T=" << c.T;
        }
    }
}

struct MoonCase {
    double T, longitude, latitude, distance;
};

TEST(MoonPosition, WorkedValues) {
    const MoonCase cases[] = {
        {0, 223.31390, 5.17129, 4.023621e5},
        {0.5, 105.07762, -0.87681, 3.575261e5},
        {-1, 88.61840, -4.17723, 3.654131e5},
    };
    for (const MoonCase& c : cases) {
        double longitude = -1, latitude = -1, distance = -1;
        moon_position(c.T, longitude, latitude, distance);
        EXPECT_NEAR(longitude, c.longitude, 0.5e-5) << "T=" << c.T;
        EXPECT_NEAR(latitude, c.latitude, 0.5e-5) << "T=" << c.T;
        EXPECT_NEAR(distance, c.distance, 0.5e-1) << "T=" << c.T;
    }
}

TEST(MoonPosition, StaysInRangeOverACentury) {
    for (double T = -50; T <= 50; T += 0.01371) {
        double longitude = 0, latitude = 0, distance = 0;
        moon_position(T, longitude, latitude, distance);
        ASSERT_GE(longitude, 0);
        ASSERT_LT(longitude, 360);
        ASSERT_LE(std::abs(latitude), 6.0842);
        ASSERT_GT(distance, 3.56e5);
        ASSERT_LT(distance, 4.17e5);
    }
}

TEST(MarsPosition, SunAndHeliocentricAtEpoch) {
    double lambda_s = 0, R_s = 0, lambda = 0, beta = 0, r = 0;
    sun_position_mars_epoch(0, lambda_s, R_s);
    mars_heliocentric(0, lambda, beta, r);
    EXPECT_NEAR(lambda_s, 278.92095, 0.5e-5);
    EXPECT_NEAR(R_s, 0.9832903, 0.5e-7);
    EXPECT_NEAR(lambda, 238.67051, 0.5e-5);
    EXPECT_NEAR(beta, -0.29932, 0.5e-5);
    EXPECT_NEAR(r, 1.5277313, 0.5e-7);
}

struct MarsCase {
    double T, ra, dec, distance;
};

MarsEquatorial mars_at(double T) {
    double lambda_s = 0, R_s = 0, lambda = 0, beta = 0, r = 0;
    sun_position_mars_epoch(T, lambda_s, R_s);
    mars_heliocentric(T, lambda, beta, r);
    return mars_geocentric(T, lambda, beta, r, lambda_s, R_s);
}

TEST(MarsPosition, GeocentricWorkedValues) {
    const MarsCase cases[] = {
        {25, 329.6947, -13.4910, 1.840591},            // 1999-12-31 06:00:00
        {9132 / 365.25, 330.2508, -13.2825, 1.844699},  // 2000-01-01 00:00:00
    };
    for (const MarsCase& c : cases) {
        const MarsEquatorial m = mars_at(c.T);
        EXPECT_NEAR(m.mars_ra, c.ra, 0.5e-4) << "T=" << c.T;
        EXPECT_NEAR(m.mars_dec, c.dec, 0.5e-4) << "T=" << c.T;
        EXPECT_NEAR(m.mars_distance, c.distance, 0.5e-6) << "T=" << c.T;
    }
}

TEST(MarsPosition, RightAscensionStaysBetween90And450) {
    for (double T = 0; T <= 60; T += 0.0173) {
        const MarsEquatorial m = mars_at(T);
        ASSERT_GE(m.mars_ra, 90);
        ASSERT_LT(m.mars_ra, 450);
    }
}

// Mars straight north of the Earth in the ecliptic frame (x = 0 exactly: here Mars and
// the Sun at opposite longitudes and equal distances) gives a defined direction.
TEST(MarsPosition, GeocentricXZeroIsDefined) {
    const MarsEquatorial m = mars_geocentric(0, 180, 0, 1.0, 0, 1.0);
    EXPECT_TRUE(std::isfinite(m.mars_ra));
    EXPECT_TRUE(std::isfinite(m.mars_dec));
    EXPECT_GE(m.mars_ra, 90);
    EXPECT_LT(m.mars_ra, 450);
}

}  // namespace
