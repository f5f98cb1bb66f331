#pragma once

#include "orbit/sat_elements.h"

// An element set made ready for propagation: the numbers of the satellite computation
// that do not depend on the instant. The element table keeps one with each parsed set.
namespace torv {

constexpr double kSemiMajorAxisFactor = 42241.09773;  // a = this / n^(2/3) km, n in rev/day
constexpr double kJ2DriftCoefficient = -9.97;          // degrees per day at a = Re
constexpr double kJ2 = 108263.5e-8;

// Everything of a set that does not depend on the instant. extra_rate is the
// mean-motion term (rev/day) added to the revolutions.
struct SatOrbit {
    SatElements el;
    double a = 0;            // km
    double epoch_mjd = 0;
    double extra_rate = 0;   // rev/day
    double node = 0, perigee = 0;            // at epoch, rad
    double node_rate = 0, perigee_rate = 0;  // J2 drift, rad/day, sign rule applied
    double sin_i = 0, cos_i = 1;
    double sqrt_1_e2 = 1;
};

double semi_major_axis(double mean_motion);
double epoch_mjd(const SatElements& el);

// The J2 drift rates of node and perigee in degrees per day. The perigee rate changes
// sign above 90 degrees of inclination (the model's own rule); no (1 - e^2)^2 factor.
struct J2Rates {
    double node = 0, perigee = 0;
};
J2Rates j2_rates(double a, double inclination_deg);

// Node and perigee (radians) moved by t days, for semi-major axis a (km).
void j2_node_perigee_drift(double& node, double& perigee, double inclination_deg, double t, double a);

SatOrbit make_sat_orbit(const SatElements& el, double extra_rate);

// dL, the J2 change of the mean motion in revolutions per day, for semi-major axis a (km).
double j2_motion_rate(const SatElements& el, double a);

}  // namespace torv
