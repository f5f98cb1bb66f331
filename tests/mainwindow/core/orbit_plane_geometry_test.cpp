#include "mainwindow/orbit_plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace torv;

namespace {
const double kPi = 4 * std::atan(1.0);
}

TEST(OrbitPlaneGeometry, ScaleTable) {
    struct Case {
        double a, e, s, cx;
    };
    const Case cases[] = {
        {6780, 0.001, 7, 1500},    {10000, 0.5, 7, 1500},    {10000.001, 0.0, 20, 2200}, {30000, 0.7, 20, 2200},
        {30000.001, 0.7, 28, 2500}, {36000, 0.2, 28, 2500},   {42164, 0.0002, 35, 1500}, {42164, 0.1999, 35, 1500},
    };
    for (const Case& c : cases) {
        const OrbitPlaneScale sc = orbit_plane_scale(c.a, c.e);
        EXPECT_EQ(sc.s, c.s) << c.a << " " << c.e;
        EXPECT_EQ(sc.cx, c.cx) << c.a << " " << c.e;
    }
}

TEST(OrbitPlaneGeometry, EccentricAnomalySolvesKeplersEquation) {
    for (double e : {0.0, 0.1, 0.7, 0.97}) {
        for (double ma : {0.0, 20.0, 64.0, 128.0, 200.0, 240.0, 255.9}) {
            const double M = ma * 2 * kPi / 256;
            const double E = ma_to_ecc_anomaly(ma, e);
            // One more round of the iteration moves it by no more than the stopping bound.
            EXPECT_NEAR(E, M + e * std::sin(E), 1e-12) << e << " " << ma;
            EXPECT_NEAR(E - e * std::sin(E), M, 1e-11) << e << " " << ma;
        }
    }
    double E1 = 0, E2 = 0;
    ma_to_ecc_anomaly(0.7, 64, 128, E1, E2);
    EXPECT_DOUBLE_EQ(E1, ma_to_ecc_anomaly(64, 0.7));
    EXPECT_NEAR(E2, kPi, 1e-12);  // the apogee
    // A hand-edited window beyond 256 stays on the orbit's last point.
    EXPECT_DOUBLE_EQ(ma_to_ecc_anomaly(300, 0.7), ma_to_ecc_anomaly(256, 0.7));
}

TEST(OrbitPlaneGeometry, ArcRunsCounterclockwiseThroughThePerigeeWhenItWraps) {
    const OrbitPlaneScale sc{28, 2500};
    const double a = 36000, e = 0.7;
    const double E1 = ma_to_ecc_anomaly(240, e), E2 = ma_to_ecc_anomaly(20, e);
    const std::vector<PlanePoint> arc = orbit_arc(sc, a, e, E1, E2);
    const PlanePoint perigee = orbit_point(sc, a, e, 0);
    EXPECT_NEAR(perigee.x, 2500 + a * (1 - e) / 28, 1e-9);
    EXPECT_DOUBLE_EQ(perigee.y, kOrbitAxisY);
    bool through_perigee = false;
    for (const PlanePoint& p : arc) through_perigee |= std::abs(p.x - perigee.x) < 1 && std::abs(p.y - perigee.y) < 20;
    EXPECT_TRUE(through_perigee);
    EXPECT_GT(arc.front().y, kOrbitAxisY);  // starts below the axis (after the apogee)
    EXPECT_LT(arc.back().y, kOrbitAxisY);   // ends above it
}

TEST(OrbitPlaneGeometry, AttitudeLines) {
    struct Case {
        double angle, x, y;
    };
    const Case cases[] = {
        {0, 3300, 1500},  {45, 3300, -800}, {-45, 3300, 3800}, {90, 1000, -800},
        {270, 1000, 3800}, {-90, 1000, 3800},
    };
    for (const Case& c : cases) {
        const PlanePoint p = attitude_line_end(1000, 1500, c.angle);
        EXPECT_NEAR(p.x, c.x, 1e-9) << c.angle;
        EXPECT_NEAR(p.y, c.y, 1e-9) << c.angle;
    }
}
