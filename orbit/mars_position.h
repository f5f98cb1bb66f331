#pragma once

// Mars in three steps from one time argument T, the Julian years since 1975 January 0.0
// of a UTC+9 reading (time_arg_mars): the Sun by a series of its own, Mars around the
// Sun, and Mars seen from the Earth in equatorial coordinates.
namespace torv {

struct MarsEquatorial {
    double mars_ra = 0;        // right ascension, degrees, 90 <= ra < 450 (not reduced)
    double mars_dec = 0;       // declination, degrees
    double mars_distance = 0;  // from the Earth's centre, astronomical units
};

// The Sun's geocentric ecliptic longitude λs (degrees, 0 <= λs < 360) and distance Rs (AU).
void sun_position_mars_epoch(double T, double& lambda_s, double& R_s);

// Mars's heliocentric ecliptic longitude λ (degrees, 0 <= λ < 360), latitude β (degrees)
// and radius r (AU).
void mars_heliocentric(double T, double& lambda, double& beta, double& r);

// Mars seen from the Earth's centre.
MarsEquatorial mars_geocentric(double T, double lambda, double beta, double r, double lambda_s, double R_s);

}  // namespace torv
