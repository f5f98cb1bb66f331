#pragma once
#include "orbit/body_time.h"

// From ecliptic to equatorial coordinates, and from equatorial coordinates to the view
// from the own station: azimuth and elevation, the point of the Earth below the body,
// its height and its distance from the station. Angles in degrees throughout.
namespace torv {

struct Equatorial {
    double ra = 0;   // right ascension, degrees, not reduced to 0..360
    double dec = 0;  // declination, degrees
};

// Where a body stands for the station and above the Earth.
struct BodyView {
    double az = 0;       // from north through east, 0 <= az < 360
    double el = 0;       // above the horizon when 0 or more
    double sub_lat = 0;  // the point below the body: latitude (= declination)
    double sub_lon = 0;  // and longitude east, only reduced from above (may be negative)
    double height = 0;   // km above a sphere of the Earth's equatorial radius
    double dist = 0;     // km from the point of that sphere below the station
};

// The Sun (ecliptic latitude 0) at ecliptic longitude λ, 0 <= λ < 360; T in Julian years
// from J2000.0. The right ascension lies in -90..270.
Equatorial sun_equatorial(double T, double lambda);

// The Moon at ecliptic longitude λ and latitude β. The right ascension lies in 90..450.
Equatorial moon_equatorial(double T, double lambda, double beta);

// The view of a body at declination δ, right ascension α and geocentric distance D (km)
// from the station, at the instant of T (J2000 argument) and the clock components of
// that body's reading (UTC+9).
BodyView body_az_el(double T, const BodyClock& clock, double station_lon, double station_lat, double dec, double ra,
                    double D);

// Distance between a point at d1 from the Earth's centre towards (lat1, lon1) and a
// point at d2 towards (lat2, lon2); angles in degrees, distances in one unit.
double body_distance(double d1, double d2, double lat1, double lon1, double lat2, double lon2);

}  // namespace torv
