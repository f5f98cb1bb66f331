#pragma once
#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "common/station_table.h"
#include "orbit/element_table.h"
#include "orbit/geodesy.h"
#include "orbit/mean_motion.h"
#include "orbit/sat_display.h"
#include "orbit/sat_elements.h"
#include "orbit/sat_orbit.h"
#include "orbit/time_base.h"

// Where a satellite is: a Kepler ellipse from the two-line elements with the mean
// motion's derivative, a J2 drift of node and perigee and the J2 mean-motion term of
// named satellites; Earth-fixed through Greenwich sidereal time; sub-satellite point on
// the Bessel ellipsoid; the view from a station. Not SGP4: the constants and sign rules
// here are part of the results the rest of the program and the operators rely on.
namespace torv {

// Results of the last satellite computation. (Its instant and modified Julian day are
// calc_time and calc_mjd of TimeState.)
struct CalcResult {
    double calc_days_since_epoch = 0;  // t, days
    double calc_semi_major_axis = 0;   // a, km
    double calc_ecc = 0;
    double calc_mean_anomaly = 0;      // degrees, 0 <= M < 360 after a position computation
    double calc_mean_anomaly_rad = 0;  // before the reduction below 360 degrees
    double calc_radius = 0;            // km from the Earth's centre
    double calc_plane_x = 0, calc_plane_y = 0;  // km in the orbit plane, x towards perigee
    double calc_true_anomaly = 0;      // degrees, 0 <= nu < 360
    double calc_sub_lat = 0, calc_sub_lon = 0;  // degrees of the sub-satellite point
    double calc_sub_height = 0;        // km above the ellipsoid
    double calc_sub_lat_rad = 0, calc_sub_lon_rad = 0;
    double calc_sub_radius = 0;        // height + equatorial radius, km
    double calc_az = 0, calc_el = 0;   // radians
};

// Shared state of the satellite computations.
struct OrbitState {
    SatElements sat_elements;  // the set last looked up
    int32_t sat_rev_no = 0;
    CalcResult calc;
    double selected_az = 0, selected_el = 0;  // copies for the selected satellite
    double bessel_a = 0, bessel_e2 = 0, pi = 0;  // stored by every computation
    double calc_squint = 0;
    // The failures the operator was told of, each once per set and kind: a set that
    // cannot be computed fails at every satellite, track point and tick otherwise.
    struct ToldFailure {
        std::string name;
        double epoch_year = 0, epoch_day = 0;  // the set, among the sets a name has had
        std::string message;                   // the kind of failure
        auto operator<=>(const ToldFailure&) const = default;
    };
    std::set<ToldFailure> failures_told;
    std::optional<StationFrame> own_station_frame;  // made from OwnStation when it changes
};

// Everything a satellite computation reads and writes, held by the application.
struct OrbitContext {
    const ElementTable& elements;
    const SatCorrectionTable& corrections;
    const OwnStation& station;
    const std::string& selected_sat;
    TimeState& time;
    OrbitState& orbit;
    SatDisplay* display = nullptr;  // none: nothing is shown
};

// ---- Pure computation -------------------------------------------------------------

// The mean-motion term rate of a position computation: factor x dL.
double position_extra_rate(const std::string& name, const SatElements& el, double a,
                           const SatCorrectionTable& corrections);
// The Doppler range's own rule: ISS and ISSDG +0.017495 rev/day, NO-44 -0.005 rev/day,
// otherwise the position rate.
double doppler_extra_rate(const std::string& name, const SatElements& el, double a,
                          const SatCorrectionTable& corrections);

// One satellite at one instant, seen from one station.
struct SatPosition {
    double t = 0, revolutions = 0;
    double mean_anomaly = 0;      // degrees, below 720 (not yet reduced)
    double mean_anomaly_rad = 0;
    double ecc_anomaly = 0;       // E, radians
    double true_anomaly = 0;      // degrees
    double radius = 0, plane_x = 0, plane_y = 0;
    double xe = 0, ye = 0, ze = 0;  // Earth-fixed, km
    Geodetic sub;
    double sub_radius = 0;
    TopoView view;                // from the station to the sub-point's sphere point
    double orbit_number = 0;
    bool ok = false;              // the Earth-fixed stage gave finite numbers
};

SatPosition propagate(const SatOrbit& orbit, const StationFrame& station, double mjd);

// Kepler's equation M = E - e sin E (radians, 0 <= e < 1) solved for the eccentric anomaly
// by Newton's method from a start close to the root, to the root itself in one to three
// steps at any eccentricity; E keeps M's turn. With E's sine and cosine.
struct EccentricAnomaly {
    double E = 0, sin_E = 0, cos_E = 1;
};
EccentricAnomaly solve_kepler(double M, double e);

// The two halves of propagate around Kepler's equation: the instant's place before it
// (t, revolutions, orbit number, mean anomaly), and the rest of the position from the
// eccentric anomaly.
SatPosition mean_place(const SatOrbit& orbit, double mjd);
void place_from_anomaly(const SatOrbit& orbit, const StationFrame& station, double mjd,
                        const EccentricAnomaly& E, SatPosition& p);

// The view of a computed position from a station: to the point above the sub-satellite
// point on a sphere, as the position's own view is taken.
TopoView view_of(const SatPosition& p, const StationFrame& station);

// ---- The routines the windows call ------------------------------------------------

// Computes name (trimmed in place) at the current instant into ctx.orbit.calc. In
// real-time mode (time.realtime_flag 1) the instant is the clock moved by the time
// controls, display_time is updated and the time labels shown; otherwise calc_time is
// used as stored. The selected satellite also gets selected_az/el and the result display,
// in real-time mode only: a computation at a chosen instant (a track, a chart row, a
// look-ahead) never writes the live values.
// A name without element set is computed from the fallback set. Returns false (and
// CalcResult keeps the previous values) when the satellite's set is unusable or the
// computation failed; either is told once per set and kind of failure.
bool sat_position_disp(OrbitContext& ctx, std::string& name);

// The selected satellite seen from another station (degrees); az and el are left alone
// when name is not the selected satellite or the computation fails; shown in real-time
// mode only. hours is not used.
// Writes no CalcResult field (only calc_time in real-time mode).
bool sat_view_from_station(OrbitContext& ctx, std::string& name, double lon, double lat, double height,
                           double hours, double& az, double& el);

// Slant range (km) to the satellite at the current instant, for the Doppler factor; the
// range is left alone on failure ("計算不能！"). Overwrites the orbit fields of
// CalcResult (the mean anomaly is not reduced below 360) but not the sub-point or view.
bool calc_slant_range(OrbitContext& ctx, std::string& name, double& range);

// The Doppler factor of the selected satellite: two slant ranges 3 s apart at the clock
// moved by the time controls. When a range fails the previous values are kept, except
// for a satellite whose element set cannot be computed at all: rate 0, factor 1.
struct DopplerState {
    double range_rate = 0;        // km/s
    double doppler_factor = 1.0;  // 300000 / (300000 + range rate)
};
bool update_doppler_factor(OrbitContext& ctx, DopplerState& doppler);

// Message texts.
inline const char* const kZenithMessage = "観測点の真上に衛星が来たので、アークタンジェントの計算が出来ません。";
inline const char* const kRangeFailedMessage = "計算不能！";
std::string unusable_elements_message(const std::string& name);

}  // namespace torv
