#pragma once

// The Moon's geocentric ecliptic longitude, latitude and distance at T, the Julian years
// from J2000.0 of a UTC+9 reading (see body_time.h): a low-precision series of sine
// terms for the longitude, the latitude and the horizontal parallax.
namespace torv {

// longitude in degrees (0 <= longitude < 360), latitude in degrees (not reduced),
// distance from the Earth's centre in km.
void moon_position(double T, double& longitude, double& latitude, double& distance);

}  // namespace torv
