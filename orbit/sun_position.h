#pragma once

// The Sun's geocentric ecliptic longitude and distance at T, the Julian years from
// J2000.0 of a UTC+9 reading (see body_time.h): a low-precision series good to a few
// hundredths of a degree, used for the Sun marker, the sky view and the daylight table.
namespace torv {

// longitude in degrees (0 <= longitude < 360), distance in km.
void sun_position(double T, double& longitude, double& distance);

}  // namespace torv
