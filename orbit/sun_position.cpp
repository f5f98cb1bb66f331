#include "orbit/sun_position.h"

#include <cmath>

#include "orbit/body_math.h"

namespace torv {

namespace {

// Longitude terms, A in degrees.
constexpr PeriodicTerm kSunLongitudeTerms[18] = {
    {0.02, 355.05, 719.981},
    {0.0048, 234.95, 19.341},
    {0.002, 247.1, 329.64},
    {0.0018, 297.8, 4452.67},
    {0.0018, 251.3, 0.2},
    {0.0015, 343.2, 450.37},
    {0.0013, 81.4, 225.18},
    {0.0008, 132.5, 659.29},
    {0.0007, 153.3, 90.38},
    {0.0007, 206.8, 30.35},
    {0.0006, 29.8, 337.18},
    {0.0005, 207.4, 1.5},
    {0.0005, 291.2, 22.81},
    {0.0004, 234.9, 315.56},
    {0.0004, 157.3, 299.3},
    {0.0004, 21.1, 720.02},
    {0.0003, 352.5, 1079.97},
    {0.0003, 329.7, 44.43},
};

// Terms of the base-10 logarithm of the distance in units of 1.496e8 km.
constexpr PeriodicTerm kSunDistanceTerms[5] = {
    {0.000091, 265.1, 719.98},
    {0.00003, 90, 0},
    {0.000013, 27.8, 4452.67},
    {0.000007, 254, 450.4},
    {0.000007, 156, 329.6},
};

}  // namespace

void sun_position(double T, double& longitude, double& distance) {
    const double a = 1.9146 - 0.00005 * T;
    longitude = (280.4603 + 360.00769 * T) + a * sin_deg(357.538 + 359.991 * T);
    longitude = sine_sum(kSunLongitudeTerms, T, longitude);
    longitude = reduce_360(longitude);

    const double b = 0.007256 - 0.0000002 * T;
    double q = b * sin_deg(267.54 + 359.991 * T);
    q = sine_sum(kSunDistanceTerms, T, q);
    distance = std::pow(10.0, q) * 1.496 * 1e8;
}

}  // namespace torv
