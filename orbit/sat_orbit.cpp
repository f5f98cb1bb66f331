#include "orbit/sat_orbit.h"

#include <cmath>

#include "common/number_text.h"
#include "orbit/geodesy.h"
#include "orbit/time_base.h"

namespace torv {

double semi_major_axis(double mean_motion) { return kSemiMajorAxisFactor / std::cbrt(mean_motion * mean_motion); }

double epoch_mjd(const SatElements& el) {
    return mjd_of_date(static_cast<int>(round_half_even(el.epoch_year)), 1, 1) + el.epoch_day;
}

J2Rates j2_rates(double a, double inclination_deg) {
    const double q = a / kBesselAKm;
    const double k = kJ2DriftCoefficient / (q * q * std::pow(q, 1.5));
    const double i = deg_to_rad(inclination_deg);
    const double si = std::sin(i);
    J2Rates r;
    r.node = k * std::cos(i);
    const double perigee = k * (2.0 - 2.5 * si * si);
    r.perigee = inclination_deg <= 90.0 ? perigee : -perigee;
    return r;
}

void j2_node_perigee_drift(double& node, double& perigee, double inclination_deg, double t, double a) {
    const J2Rates r = j2_rates(a, inclination_deg);
    node += deg_to_rad(r.node * t);
    perigee += deg_to_rad(r.perigee * t);
}

SatOrbit make_sat_orbit(const SatElements& el, double extra_rate) {
    SatOrbit o;
    o.el = el;
    o.a = semi_major_axis(el.mean_motion);
    o.epoch_mjd = epoch_mjd(el);
    o.extra_rate = extra_rate;
    const J2Rates r = j2_rates(o.a, el.inclination);
    o.node = deg_to_rad(el.node);
    o.perigee = deg_to_rad(el.perigee);
    o.node_rate = deg_to_rad(r.node);
    o.perigee_rate = deg_to_rad(r.perigee);
    o.sin_i = std::sin(deg_to_rad(el.inclination));
    o.cos_i = std::cos(deg_to_rad(el.inclination));
    o.sqrt_1_e2 = std::sqrt(1.0 - el.eccentricity * el.eccentricity);
    return o;
}

double j2_motion_rate(const SatElements& el, double a) {
    const double n = el.mean_motion, e = el.eccentricity;
    const double si = std::sin(deg_to_rad(el.inclination));
    return 1.5 * kJ2 * n * kBesselAKm * kBesselAKm / (a * a * std::pow(1.0 - e * e, 1.5)) * (1.0 - 1.5 * si * si);
}

}  // namespace torv
