#include "orbit/trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace torv;

// The sine and cosine are the library's to a few units in the last place of a value
// below one, whatever the angle's size up to the million radians they take: near
// multiples of pi/4 and pi/2 (where the quadrant changes), for tiny, negative and large
// angles, and for a hundred thousand angles drawn at random.
TEST(Trig, SineAndCosineAreTheLibrarys) {
    std::vector<double> angles = {0.0, -0.0, 1e-300, -1e-20, 1e-8, 0.5, -2.0, 3.0, 1e3, -12345.678, 999999.0};
    for (int k = -40; k <= 40; ++k) {
        const double x = k * 0.78539816339744830962;
        for (double nudge : {-1e-12, 0.0, 1e-12}) angles.push_back(x + nudge);
        angles.push_back(std::nextafter(x, 100.0));
        angles.push_back(std::nextafter(x, -100.0));
    }
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> small(-7.0, 7.0), large(-1e6, 1e6);
    for (int k = 0; k < 50000; ++k) {
        angles.push_back(small(rng));
        angles.push_back(large(rng));
    }
    for (double x : angles) {
        const SinCos sc = sin_cos(x);
        ASSERT_NEAR(sc.sin, std::sin(x), 3e-16) << x;
        ASSERT_NEAR(sc.cos, std::cos(x), 3e-16) << x;
    }
}

// Beyond the reduced range, and for values that are not numbers, the library answers.
TEST(Trig, FarAndNonFiniteAnglesAreTheLibrarys) {
    for (double x : {1e7, -3e15, 1e300}) {
        EXPECT_EQ(sin_cos(x).sin, std::sin(x)) << x;
        EXPECT_EQ(sin_cos(x).cos, std::cos(x)) << x;
    }
    for (double x : {INFINITY, -INFINITY, NAN}) {
        EXPECT_TRUE(std::isnan(sin_cos(x).sin)) << x;
        EXPECT_TRUE(std::isnan(sin_cos(x).cos)) << x;
    }
}


// The nearest integer, ties to the even one, for values up to 2^51 of both signs.
TEST(Trig, NearestIntegerRoundsTiesToEven) {
    const struct {
        double x, want;
    } cases[] = {{0.0, 0.0},   {0.49999999999999994, 0.0}, {0.5, 0.0}, {1.5, 2.0},         {2.5, 2.0},
                 {-2.5, -2.0}, {-7.6, -8.0},               {3.4999, 3.0}, {1e15 + 0.5, 1e15}, {-2251799813685247.5, -2251799813685248.0}};
    for (const auto& c : cases) EXPECT_EQ(nearest_integer(c.x), c.want) << c.x;
}
