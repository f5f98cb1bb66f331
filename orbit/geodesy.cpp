#include "orbit/geodesy.h"

#include <algorithm>
#include <cmath>

namespace torv {

namespace {
constexpr double kSouthGuard = 1e-15;
constexpr int kMaxLatitudeSteps = 100;  // one or two from the start below; the cap only guards garbage input
// A Newton step this small (relative to 1 + |tan|) leaves an error far below the last digit:
// the equation's curvature is of the order of e^2.
constexpr double kLatitudeSmallStep = 1e-6;

// Bowring's closed-form tangent of the latitude of the point at distance p from the axis
// and Z from the equatorial plane (km): within about 1e-8 (times 1 + |tan|) of the root
// at any height, so that one Newton step lands on it.
double bowring_tangent(double p, double Z) {
    const double a = kBesselAKm, b = a * std::sqrt(1.0 - kBesselE2);
    const double u = Z * a, v = p * b;  // the parametric latitude's sine and cosine, times r
    const double inv_r = 1.0 / std::sqrt(u * u + v * v);
    const double s = u * inv_r, c = v * inv_r;
    return (Z + kBesselE2 / (1.0 - kBesselE2) * b * s * s * s) / (p - kBesselE2 * a * c * c * c);
}

// The tangent of the geodetic latitude: the root of tau = d + f tau / sqrt(1 + (1 - e^2) tau^2)
// (d = Z / p, f = a e^2 / p, 1 - e^2 rounded as the model takes it), by Newton's method.
double latitude_tangent(double p, double Z) {
    const double inv_p = 1.0 / p;
    const double d = Z * inv_p;
    const double f = kBesselAKm * kBesselE2 * inv_p;
    double tau = bowring_tangent(p, Z);
    for (int k = 0; k < kMaxLatitudeSteps; ++k) {
        const double q = 1.0 + kOneMinusE2Rounded * tau * tau;
        const double f_over_sqrt_q = f / std::sqrt(q);
        const double step = (tau - d - f_over_sqrt_q * tau) / (1.0 - f_over_sqrt_q / q);
        tau -= step;
        if (std::fabs(step) <= kLatitudeSmallStep * (1.0 + std::fabs(tau))) break;
    }
    return tau;
}
}  // namespace

double arc_sin(double x) { return std::asin(std::clamp(x, -1.0, 1.0)); }
double arc_cos(double x) { return std::acos(std::clamp(x, -1.0, 1.0)); }

StationFrame make_station_frame(double lon_deg, double lat_deg, double height_m) {
    StationFrame st;
    st.lon = lon_deg;
    st.lat = lat_deg;
    st.height = height_m;
    const double lambda = lon_deg * 2.0 * kPi / 360.0;
    const double phi = lat_deg * 2.0 * kPi / 360.0;
    st.sin_lat = std::sin(phi);
    st.cos_lat = std::cos(phi);
    st.sin_lon = std::sin(lambda);
    st.cos_lon = std::cos(lambda);
    const double N = kBesselA / std::sqrt(1.0 - kBesselE2 * st.sin_lat * st.sin_lat);
    st.x = (height_m + N) * st.cos_lat * st.cos_lon + kDatumShiftX;
    st.y = (height_m + N) * st.cos_lat * st.sin_lon + kDatumShiftY;
    st.z = ((1.0 - kBesselE2) * N + height_m) * st.sin_lat + kDatumShiftZ;
    st.x_km = st.x / 1000.0;
    st.y_km = st.y / 1000.0;
    st.z_km = st.z / 1000.0;
    return st;
}

Geodetic xyz_to_geodetic(double X, double Y, double Z) {
    Geodetic g;
    g.lon = rad_to_deg(angle_of(Y, X));
    if (g.lon == -180.0) g.lon = 180.0;  // Y = -0 on the negative X axis

    const double p = std::sqrt(X * X + Y * Y);
    const double a = kBesselAKm;
    if (p == 0.0) {  // on the polar axis
        g.lat = Z >= 0 ? 90.0 : -90.0;
        g.tan_lat = Z >= 0 ? INFINITY : -INFINITY;
        g.height = std::fabs(Z) - a * std::sqrt(1.0 - kBesselE2);
        g.sin_lat = Z >= 0 ? 1.0 : -1.0;
        g.cos_lat = 0;
        return g;
    }
    const double tau = latitude_tangent(p, Z);
    g.tan_lat = tau;
    const double sec_lat = std::sqrt(1.0 + tau * tau);
    g.cos_lat = 1.0 / sec_lat;
    g.sin_lat = tau * g.cos_lat;
    const double inv_p = 1.0 / p;
    g.cos_lon = X * inv_p;
    g.sin_lon = Y * inv_p;
    g.lat = rad_to_deg(std::atan(tau));
    if (tau == 0.0) {  // equatorial plane: the height quotient Z / tau has no value
        g.height = p - a;
    } else {
        g.height = (Z / tau - (1.0 - kBesselE2) * a / std::sqrt(1.0 + (1.0 - kBesselE2) * tau * tau)) * sec_lat;
    }
    return g;
}

void xyz_to_geodetic(double x_km, double y_km, double z_km, double& lat, double& lon, double& height) {
    const Geodetic g = xyz_to_geodetic(x_km, y_km, z_km);
    lat = g.lat;
    lon = g.lon;
    height = g.height;
}

double range_from(const StationFrame& st, double x, double y, double z) {
    const double dX = x - st.x_km, dY = y - st.y_km, dZ = z - st.z_km;
    return std::sqrt(dX * dX + dY * dY + dZ * dZ);
}

TopoView view_from(const StationFrame& st, double x, double y, double z) {
    const double dX = x - st.x_km, dY = y - st.y_km, dZ = z - st.z_km;
    TopoView v;
    v.range = std::sqrt(dX * dX + dY * dY + dZ * dZ);

    const double m = st.sin_lon * dY + st.cos_lon * dX;
    const double east = -st.sin_lon * dX + st.cos_lon * dY;
    double south = st.sin_lat * m - st.cos_lat * dZ;
    const double up = st.cos_lat * m + st.sin_lat * dZ;

    if (south == 0.0) south = kSouthGuard;
    double A = std::atan(-east / south);
    if (south < 0) A += kPi;
    if (A < 0) A += 2.0 * kPi;
    A += kPi;
    if (A >= 2.0 * kPi) A -= 2.0 * kPi;
    v.az = A;

    const double s = std::clamp(up / v.range, -1.0, 1.0);
    const double c = std::sqrt(1.0 - s * s);
    v.el = angle_of(s, c);
    return v;
}

}  // namespace torv
