#include "orbit/body_horizon.h"

#include <algorithm>
#include <cmath>

#include "orbit/body_math.h"

namespace torv {

namespace {

double obliquity(double T) { return 23.439291 - 0.000130042 * T; }

}  // namespace

Equatorial sun_equatorial(double T, double lambda) {
    const double eps = obliquity(T);
    Equatorial eq;
    // arctan(tan λ cos ε) placed in -90..270 by the quadrant of λ. Taken with atan2 of
    // the sine and cosine, so λ = 180 exactly (where tan λ rounds to a hair below 0)
    // gives 180, not 0.
    double alpha = rad_to_deg(std::atan2(sin_deg(lambda) * cos_deg(eps), cos_deg(lambda)));
    if (alpha < -90) alpha += 360;
    eq.ra = alpha;
    eq.dec = rad_to_deg(arc_sin(sin_deg(eps) * sin_deg(lambda)));
    return eq;
}

Equatorial moon_equatorial(double T, double lambda, double beta) {
    const double eps = obliquity(T);
    const double X = cos_deg(lambda) * cos_deg(beta);
    const double Y = cos_deg(beta) * sin_deg(lambda) * cos_deg(eps) - sin_deg(beta) * sin_deg(eps);
    const double Z = cos_deg(beta) * sin_deg(lambda) * sin_deg(eps) + sin_deg(beta) * cos_deg(eps);
    Equatorial eq;
    eq.ra = quadrant_angle_deg(Y, X);
    eq.dec = rad_to_deg(std::atan2(Z, std::sqrt(X * X + Y * Y)));
    return eq;
}

BodyView body_az_el(double T, const BodyClock& clock, double station_lon, double station_lat, double dec, double ra,
                    double D) {
    const int seconds = 3600 * clock.body_hour + 60 * clock.body_minute + clock.body_second;
    double theta = 325.4606 + 360.007700536 * T + 0.00000003879 * T * T + 360.0 * seconds / 86400 + station_lon;
    theta = lower_below_360(theta);
    const double H = theta - ra;

    BodyView v;
    v.sub_lon = station_lon - H;
    v.sub_lon = lower_below_360(v.sub_lon);
    v.sub_lat = dec;
    v.height = D - kBesselAKm;
    v.dist = body_distance(D, kBesselAKm, v.sub_lat, v.sub_lon, station_lat, station_lon);

    const double phi = station_lat;
    const double N = sin_deg(dec) * cos_deg(phi) - sin_deg(phi) * cos_deg(dec) * cos_deg(H);
    // atan2 also answers on the north-south line (N = 0): east 90, west 270; 360 is 0.
    v.az = std::fmod(rad_to_deg(std::atan2(-cos_deg(dec) * sin_deg(H), N)) + 360, 360);
    // The true elevation also on the meridian and in the zenith.
    v.el = rad_to_deg(arc_sin(sin_deg(phi) * sin_deg(dec) + cos_deg(phi) * cos_deg(dec) * cos_deg(H)));
    return v;
}

double body_distance(double d1, double d2, double lat1, double lon1, double lat2, double lon2) {
    const double cos_gamma = sin_deg(lat1) * sin_deg(lat2) + cos_deg(lat1) * cos_deg(lat2) * cos_deg(lon2 - lon1);
    // Rounding can leave a hair below 0 for two equal points.
    return std::sqrt(std::max(0.0, d1 * d1 + d2 * d2 - 2 * d1 * d2 * cos_gamma));
}

}  // namespace torv
