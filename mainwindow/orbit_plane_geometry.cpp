#include "mainwindow/orbit_plane_geometry.h"

#include <algorithm>
#include <cmath>

namespace torv {

namespace {
const double kPi = 4 * std::atan(1.0);
constexpr double kArcStep = 1.0;  // degrees of eccentric anomaly per arc segment
}  // namespace

OrbitPlaneScale orbit_plane_scale(double a, double e) {
    if (a <= 10000) return {7, 1500};
    if (a <= 30000) return {20, 2200};
    if (e >= 0.2) return {28, 2500};
    return {35, 1500};
}

double ma_to_ecc_anomaly(double ma256, double e) {
    const double M = std::min(ma256, 256.0) * 360 / 256 / 180 * kPi;
    double E = M + e * std::sin(M);
    for (;;) {
        const double next = M + e * std::sin(E);
        if (std::abs(E - next) <= 1e-12) return next;
        E = next;
    }
}

void ma_to_ecc_anomaly(double e, double ma_start, double ma_end, double& E1, double& E2) {
    E1 = ma_to_ecc_anomaly(ma_start, e);
    E2 = ma_to_ecc_anomaly(ma_end, e);
}

PlanePoint orbit_point(const OrbitPlaneScale& sc, double a, double e, double E) {
    const double centre_x = sc.cx - e * a / sc.s;
    const double A = a / sc.s, B = a * std::sqrt(1 - e * e) / sc.s;
    return {centre_x + A * std::cos(E), kOrbitAxisY - B * std::sin(E)};
}

std::vector<PlanePoint> orbit_arc(const OrbitPlaneScale& sc, double a, double e, double E1, double E2) {
    if (E2 < E1) E2 += 2 * kPi;
    const double step = kArcStep * kPi / 180;
    const int n = std::max(1, static_cast<int>(std::ceil((E2 - E1) / step)));
    std::vector<PlanePoint> points;
    points.reserve(n + 1);
    for (int i = 0; i <= n; ++i) points.push_back(orbit_point(sc, a, e, E1 + (E2 - E1) * i / n));
    return points;
}

PlanePoint attitude_line_end(double x0, double y0, double angle_deg) {
    if (angle_deg == 90) return {x0, y0 - kAttitudeLineLength};
    if (std::fmod(angle_deg, 360.0) == 270 || std::fmod(angle_deg, 360.0) == -90) return {x0, y0 + kAttitudeLineLength};
    return {x0 + kAttitudeLineLength, y0 - kAttitudeLineLength * std::tan(angle_deg * kPi / 180)};
}

}  // namespace torv
