#pragma once
#include <vector>

// The orbit-plane view's geometry, in twips of its picture (origin top-left, y
// downward): the orbit drawn to scale around the Earth with the major axis on the line
// y = 1500 and the perigee to the right, so the satellite moves counterclockwise.
namespace torv {

constexpr double kOrbitAxisY = 1500;
constexpr double kAttitudeLineLength = 2300;

// Drawing scale s (km per twip) and the x of the Earth's centre, from the semi-major
// axis a (km) and the eccentricity e.
struct OrbitPlaneScale {
    double s = 7;
    double cx = 1500;
};
OrbitPlaneScale orbit_plane_scale(double a, double e);

// Eccentric anomaly (radians) of a mean anomaly in 1/256-revolution units, by
// Kepler's equation iterated until two rounds agree within 1e-12. A value above 256
// (only a hand-edited settings file gives one) counts as 256.
double ma_to_ecc_anomaly(double ma256, double e);
// Both ends of a transponder-on window at once, as the arc takes them.
void ma_to_ecc_anomaly(double e, double ma_start, double ma_end, double& E1, double& E2);

struct PlanePoint {
    double x = 0, y = 0;
};

// The point of eccentric anomaly E on the orbit ellipse of semi-major axis a (km) and
// eccentricity e, drawn at scale sc.
PlanePoint orbit_point(const OrbitPlaneScale& sc, double a, double e, double E);

// The arc of the ellipse from eccentric anomaly E1 to E2 counterclockwise (the way the
// satellite moves, through the perigee when E2 < E1), as points one degree apart.
std::vector<PlanePoint> orbit_arc(const OrbitPlaneScale& sc, double a, double e, double E1, double E2);

// The far end of an attitude line from (x0, y0) for an angle in degrees: 2300 twips to
// the right and up by the angle's tangent; straight up 2300 twips at 90 degrees and
// straight down at 270 (or -90), where the tangent is undefined.
PlanePoint attitude_line_end(double x0, double y0, double angle_deg);

}  // namespace torv
