#include "orbit/mars_position.h"

#include <cmath>

#include "orbit/body_math.h"

namespace torv {

namespace {

// The Sun's longitude terms (sine, A in degrees).
constexpr PeriodicTerm kSunLongitudeTerms[18] = {
    {0.02, 353.06, 719.981},
    {-0.0048, 248.64, -19.341},
    {0.002, 285, 329.64},
    {0.0018, 334.2, -4452.67},
    {0.0018, 293.7, -0.2},
    {0.0015, 242.4, 450.37},
    {0.0013, 211.1, 225.18},
    {0.0008, 208, 659.29},
    {0.0007, 53.5, 90.38},
    {0.0007, 12.1, -30.35},
    {0.0006, 239.1, 337.18},
    {0.0005, 10.1, -1.5},
    {0.0005, 99.1, -22.81},
    {0.0004, 264.8, 315.56},
    {0.0004, 233.8, 299.3},
    {-0.0004, 198.1, 720.02},
    {0.0003, 349.6, 1079.97},
    {0.0003, 241.2, -44.43},
};

// The Sun's distance terms (cosine, parts of the base-10 logarithm in AU).
constexpr PeriodicTerm kSunDistanceTerms[4] = {
    {-0.000091, 353.1, 719.98},
    {0.000013, 205.8, 4452.67},
    {0.000007, 62, 450.4},
    {0.000007, 105, 329.6},
};

// Nutation in longitude (sine, degrees).
constexpr PeriodicTerm kMarsNutationTerms[2] = {
    {-0.0048, 248.6, -19.34},
    {-0.0004, 198, 720},
};

// Mars's longitude terms (sine, degrees).
constexpr PeriodicTerm kMarsLongitudeTerms[26] = {
    {0.6225, 187.45, 383.797},
    {0.0503, 101.31, 574.196},
    {0.0146, 62.31, 0.198},
    {0.0071, 71.8, 161.05},
    {0.0061, 230.2, 130.71},
    {0.0046, 15.1, 765.59},
    {0.0045, 147.5, 322.11},
    {0.0039, 279.3, -22.81},
    {0.0024, 207.7, 168.59},
    {0.002, 140.1, 145.78},
    {0.0018, 224.7, 10.98},
    {0.0014, 221.8, -45.62},
    {0.001, 91.4, -30.34},
    {0.0009, 268, 100.4},
    {0.0009, 343, 352.5},
    {0.0007, 71, 123},
    {0.0007, 203, 291.8},
    {0.0006, 62, 513.5},
    {0.0005, 289, 957},
    {0.0005, 13, 167},
    {0.0004, 318, -60.7},
    {0.0004, 318, 179.2},
    {0.0004, 85, 8.9},
    {0.0004, 57, 483.2},
    {0.0004, 7, -214.2},
    {0.0003, 1, 100.2},
};

// Mars's radius terms (cosine, parts of the base-10 logarithm in AU).
constexpr PeriodicTerm kMarsRadiusTerms[8] = {
    {-0.002825, 187.54, 382.797},
    {-0.000249, 101.31, 574.196},
    {-0.000024, 15.1, 765.59},
    {0.000023, 251.7, 161.05},
    {0.000022, 327.6, 322.11},
    {0.000017, 50.2, 130.71},
    {0.000007, 27, 168.6},
    {0.000006, 320, 145.8},
};

}  // namespace

// The Sun's main anomaly has phase 356.531 here and 356.53 in the distance: both as given.
void sun_position_mars_epoch(double T, double& lambda_s, double& R_s) {
    const double a = (1.9159 - 0.00005 * T) * sin_deg(356.531 + 359.991 * T) + (279.036 + 360.00769 * T);
    const double S = sine_sum(kSunLongitudeTerms, T);
    lambda_s = reduce_360(a + S + 0.0057);

    const double S2 = cosine_sum(kSunDistanceTerms, T);
    const double q = S2 + ((0.0000002 * T - 0.007261) * cos_deg(356.53 + 359.991 * T) + 0.00003);
    R_s = std::pow(10.0, q);
}

void mars_heliocentric(double T, double& lambda, double& beta, double& r) {
    const double P = (10.6886 + 0.0001 * T) * sin_deg(273.768 + 191.399 * T) + sine_sum(kMarsLongitudeTerms, T);
    const double L = -0.0149 * sin_deg(40.01 + 382.819 * T + 2 * P) + sine_sum(kMarsNutationTerms, T) + 249.3542 +
                     191.41696 * T;
    lambda = reduce_360(P + L);
    beta = rad_to_deg(arc_sin(0.03227 * sin_deg(191.409 * T + 200 + P)));

    const double q =
        (0.183844 - (0.040421 + 0.00000039 * T) * cos_deg(273.768 + 191.399 * T)) + cosine_sum(kMarsRadiusTerms, T);
    r = std::pow(10.0, q);
}

MarsEquatorial mars_geocentric(double T, double lambda, double beta, double r, double lambda_s, double R_s) {
    const double x = r * cos_deg(beta) * cos_deg(lambda) + R_s * cos_deg(lambda_s);
    const double y = r * cos_deg(beta) * sin_deg(lambda) + R_s * sin_deg(lambda_s);
    const double z = r * sin_deg(beta);

    MarsEquatorial eq;
    eq.mars_distance = std::sqrt(x * x + y * y + z * z);

    // Geocentric longitude in -90 < λg <= 270 (plus 180 when x < 0); atan2 also
    // answers for Mars exactly at geocentric longitude 90 or 270, where x = 0.
    double lambda_g = rad_to_deg(std::atan2(y, x));
    if (lambda_g < -90) lambda_g += 360;
    const double beta_g = rad_to_deg(arc_sin(z / eq.mars_distance));

    // Aberration.
    const double lambda_p =
        lambda_g + (-0.0057 / R_s * cos_deg(lambda_g - lambda_s) - 0.0071 / r * cos_deg(lambda_g - lambda));
    const double eps = 23.44253 - 0.00013 * T + 0.00256 * cos_deg(249 - 19.3 * T) + 0.00015 * cos_deg(720 * T + 198);

    eq.mars_ra = quadrant_angle_deg(cos_deg(beta_g) * sin_deg(lambda_p) * cos_deg(eps) - sin_deg(eps) * sin_deg(beta_g),
                                    cos_deg(lambda_p) * cos_deg(beta_g));
    eq.mars_dec = rad_to_deg(
        arc_sin(sin_deg(lambda_p) * sin_deg(eps) * cos_deg(beta_g) + cos_deg(eps) * sin_deg(beta_g)));
    return eq;
}

}  // namespace torv
