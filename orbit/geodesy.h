#pragma once
#include <cmath>

// The Earth model of the satellite computation: the Bessel ellipsoid, the station
// shifted by a fixed datum offset, Earth-fixed coordinates to geodetic ones, and the
// view from a station to a point. Angles in degrees at the interfaces unless named _rad.
namespace torv {

constexpr double kPi = 3.14159265358979323846;   // the value of 4 x arctan(1)
constexpr double kBesselA = 6377397.155;          // equatorial radius, m
constexpr double kBesselAKm = 6377.397155;        // the same in km
constexpr double kBesselE2 = 0.006674372230614;   // squared eccentricity
constexpr double kOneMinusE2Rounded = 0.99332563; // 1 - e^2 as the latitude iteration uses it
constexpr double kDatumShiftX = -136.0;           // m, applied to the station only
constexpr double kDatumShiftY = 521.0;
constexpr double kDatumShiftZ = 681.0;

// By a factor rather than a quotient: a division costs several multiplications, and the
// satellite computation converts half a dozen angles per instant.
inline double deg_to_rad(double deg) { return deg * (kPi / 180.0); }
inline double rad_to_deg(double rad) { return rad * (180.0 / kPi); }

// An angle in degrees lowered by whole turns while it is 360 or more (nothing is added
// below 0). The same value as subtracting 360 again and again, taken in one exact step,
// so an angle from a damaged element line or setting cannot keep a loop running.
inline double lower_below_360(double deg) { return deg >= 360.0 ? std::fmod(deg, 360.0) : deg; }

// The angle of the point (x, y) from the x axis, -pi..pi, as atan2 gives it (to the last
// digit), through the arctangent of y / x: glibc's atan costs less than half its atan2,
// and the satellite computation takes four such angles per instant.
inline double angle_of(double y, double x) {
    if (x > 0) return std::atan(y / x);
    if (x < 0) return std::atan(y / x) + (std::signbit(y) ? -kPi : kPi);
    return std::atan2(y, x);  // on the y axis, or not a number
}

// Inverse sine and cosine in radians; the argument is clamped to [-1, 1] so that a
// value a rounding step beyond +-1 gives +-pi/2 (0, pi) instead of a fault.
double arc_sin(double x);
double arc_cos(double x);

// A station with everything the view needs: its Earth-fixed position in m (datum
// shift applied) and the sines and cosines of its latitude and longitude.
struct StationFrame {
    double lon = 0, lat = 0, height = 0;  // as given: degrees, degrees, m
    double x = 0, y = 0, z = 0;           // Earth-fixed, m
    double x_km = 0, y_km = 0, z_km = 0;  // the same in km
    double sin_lat = 0, cos_lat = 1, sin_lon = 0, cos_lon = 1;
};
StationFrame make_station_frame(double lon_deg, double lat_deg, double height_m);

// Geodetic latitude, longitude (-180 < lon <= 180, east positive) and height above the
// ellipsoid of an Earth-fixed point in km. Points on the polar axis, on the plane X = 0
// and in the equatorial plane are computed in closed form; elsewhere the latitude equation
// is solved by Newton's method from Bowring's closed-form latitude. Also returns
// tan(latitude) and the sines and cosines of both angles.
struct Geodetic {
    double lat = 0, lon = 0, height = 0;  // degrees, degrees, km
    double tan_lat = 0;
    double sin_lat = 0, cos_lat = 1, sin_lon = 0, cos_lon = 1;
};
Geodetic xyz_to_geodetic(double x_km, double y_km, double z_km);

// Historic form: results through the out-arguments.
void xyz_to_geodetic(double x_km, double y_km, double z_km, double& lat, double& lon, double& height);

// Azimuth (from north through east, 0 <= az < 2 pi), elevation (radians) and range (km)
// of an Earth-fixed point in km seen from a station. The elevation's sine is clamped,
// so the zenith gives pi/2.
struct TopoView {
    double az = 0, el = 0, range = 0;
};
TopoView view_from(const StationFrame& st, double x_km, double y_km, double z_km);

// Slant range only, km.
double range_from(const StationFrame& st, double x_km, double y_km, double z_km);

}  // namespace torv
