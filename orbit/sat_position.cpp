#include "orbit/sat_position.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>

#include "common/number_text.h"
#include "common/debug_log.h"
#include "orbit/trig.h"

namespace torv {

namespace {

constexpr int kMaxKeplerSteps = 50;  // one to three from the start below; the cap only guards garbage
// A Newton step dE leaves an error of about K dE^2 (K from the equation's curvature), and
// of order dE^3 beyond that: a step this small whose K dE^2 is below the last digit of E
// lands on the root itself.
constexpr double kKeplerSmallStep = 1e-6;
constexpr double kKeplerLastDigit = 1e-16;
constexpr double kIssDopplerRate = 0.017495;
constexpr double kNo44DopplerRate = -0.005;
constexpr double kLightSpeedKmS = 300000.0;
constexpr double kDopplerStepSeconds = 3.0;

// The cube root Kepler's start needs, to about 1e-13: a first guess from the exponent's
// bits (within about 3 %) and two of Halley's steps, each cubing the error. glibc's cbrt
// (through frexp and ldexp) cost as much as the rest of the start.
double start_cube_root(double w) {
    const double y = std::fabs(w);
    if (!(y >= DBL_MIN && y <= DBL_MAX)) return std::cbrt(w);  // zero, subnormal, infinite or not a number
    constexpr uint64_t kBias = 0x2A9F789300000000;  // two thirds of the exponent bias, less 0.033
    double r = std::bit_cast<double>(std::bit_cast<uint64_t>(y) / 3 + kBias);
    for (int step = 0; step < 2; ++step) {
        const double r3 = r * r * r;
        r *= (r3 + 2.0 * y) / (2.0 * r3 + y);
    }
    return std::copysign(r, w);
}

// Below this eccentricity the series start is closer than the cubic one and needs no
// roots: within e^4 / 3 of the root, so that one Newton step lands on it up to e = 0.02.
constexpr double kSeriesStartLimit = 0.03;

// A start for Kepler's equation for a mean anomaly m between -pi and pi: the root's
// series in e to the third power at low eccentricity (the orbits of most amateur
// satellites), else Mikkola's cubic approximation, within about 1e-3 rad of the root at
// every eccentricity.
double kepler_start(double m, double e) {
    if (e < kSeriesStartLimit) {
        const auto [s, c] = sin_cos(m);
        // e sin m + e^2/2 sin 2m + e^3/8 (3 sin 3m - sin m), with sin 3m = 3s - 4s^3
        return m + e * s * (1.0 + e * c + e * e * (1.0 - 1.5 * s * s));
    }
    const double d = 4.0 * e + 0.5;
    const double alpha = (1.0 - e) / d;
    const double beta = 0.5 * m / d;
    const double z = start_cube_root(beta + std::copysign(std::sqrt(beta * beta + alpha * alpha * alpha), beta));
    double s = z - alpha / z;
    const double s2 = s * s;
    s -= 0.078 * s2 * s2 * s / (1.0 + e);
    return m + e * s * (3.0 - 4.0 * s * s);
}

double base_revolutions(const SatElements& el, double t) {
    return el.mean_motion * t + el.motion_derivative * t * t;
}

void store_constants(OrbitState& o) {
    o.bessel_a = kBesselA;
    o.bessel_e2 = kBesselE2;
    o.pi = 4.0 * std::atan(1.0);
}

// Tells the operator through the display, when the computation has one.
void tell(OrbitContext& ctx, const std::string& text) {
    if (ctx.display) ctx.display->notice(text);
}

// Tells a failure of the looked-up set of name once: the same set failing the same way
// again (the next satellite of a track, the next tick) is not told again.
void tell_failure(OrbitContext& ctx, const std::string& name, const std::string& text) {
    const SatElements& el = ctx.orbit.sat_elements;
    if (ctx.orbit.failures_told.insert({name, el.epoch_year, el.epoch_day, text}).second) tell(ctx, text);
}

// The set of name, trimmed in place, with its orbit made ready; its numbers are also
// stored as the set last looked up. Null when it cannot be computed.
const ElementTable::NamedSet* lookup(OrbitContext& ctx, std::string& name) {
    name = trim(name);
    const NamedSetLookup found = lookup_named_set(ctx.elements, name);
    ctx.orbit.sat_elements = found.set->orbit.el;
    ctx.orbit.sat_rev_no = found.set->orbit.el.rev_no;
    if (found.how != ElementLookup::Unusable) return found.set;
    tell_failure(ctx, name, unusable_elements_message(name));
    return nullptr;
}

// A looked-up set's orbit with the computation's mean-motion term.
SatOrbit with_extra_rate(const ElementTable::NamedSet& set, double extra_rate) {
    SatOrbit orbit = set.orbit;
    orbit.extra_rate = extra_rate;
    return orbit;
}

// Whether a computation is the current instant's: the real-time rule builds its instant.
// Only such a computation shows and publishes the selected satellite; the tracks, the
// chart rows, the Doppler step's range 3 s ahead and every other look-ahead compute at
// instants of their own choosing and never touch the live labels and items.
bool live(const OrbitContext& ctx) { return ctx.time.realtime_flag == 1; }

// The instant of a computation: the real-time rule when it is on; then calc_mjd. Only
// the rule reads the clock, so a computation at a chosen instant never asks for it.
double instant_mjd(OrbitContext& ctx, bool position) {
    TimeState& ts = ctx.time;
    if (live(ctx) && apply_realtime_rule(ts, clock_local_now(ts), position) && position && ctx.display)
        ctx.display->show_time_labels(ts.display_time, ts.calc_time);
    return datetime_to_mjd(ts.calc_time);
}

// The own station's frame, made again only when the station has moved.
const StationFrame& own_station_frame(OrbitContext& ctx) {
    const OwnStation& s = ctx.station;
    std::optional<StationFrame>& frame = ctx.orbit.own_station_frame;
    if (!frame || frame->lon != s.station_lon || frame->lat != s.station_lat || frame->height != s.station_height)
        frame = make_station_frame(s.station_lon, s.station_lat, s.station_height);
    return *frame;
}

// The mean-motion term of a computation of name at mjd, shown for the selected satellite
// when the computation is live.
MotionTerm motion_term(OrbitContext& ctx, const std::string& name, const ElementTable::NamedSet& set, double mjd,
                       bool live) {
    const SatElements& el = set.orbit.el;
    const double t = mjd - set.orbit.epoch_mjd + 1.0;
    const MotionTerm term = motion_term_of(name, el, set.motion_rate, t, ctx.corrections);
    if (term.trace_failed) tell(ctx, kTestLogFailedMessage);
    if (live && name == ctx.selected_sat && ctx.display) ctx.display->show_motion_term(term.dL, el.inclination, t);
    return term;
}

void store_orbit_fields(CalcResult& c, const SatPosition& p, double a, double e) {
    c.calc_days_since_epoch = p.t;
    c.calc_semi_major_axis = a;
    c.calc_ecc = e;
    c.calc_mean_anomaly = p.mean_anomaly;
    c.calc_mean_anomaly_rad = p.mean_anomaly_rad;
    c.calc_radius = p.radius;
    c.calc_plane_x = p.plane_x;
    c.calc_plane_y = p.plane_y;
}

void store_sub_radians(CalcResult& c, const SatPosition& p) {
    c.calc_sub_lat_rad = deg_to_rad(p.sub.lat);
    c.calc_sub_lon_rad = deg_to_rad(p.sub.lon);
    c.calc_sub_radius = p.sub_radius;
}

}  // namespace

std::string unusable_elements_message(const std::string& name) {
    return name + " の軌道要素が正しくないため、この人工衛星は計算できません。";
}

EccentricAnomaly solve_kepler(double M, double e) {
    // The start is taken for M reduced to one turn and carried back to M's own turn.
    const double m = M - 2.0 * kPi * nearest_integer(M * (0.5 / kPi));
    double E = M + (kepler_start(m, e) - m);
    for (int step = 0; step < kMaxKeplerSteps; ++step) {
        const auto [sin_E, cos_E] = sin_cos(E);
        const double inv_f_prime = 1.0 / (1.0 - e * cos_E);  // f(E) = E - e sin E - M
        const double dE = (E - e * sin_E - M) * inv_f_prime;
        E -= dE;
        const double K = 0.5 * e * std::fabs(sin_E) * inv_f_prime;
        if (std::fabs(dE) <= kKeplerSmallStep && K * dE * dE <= kKeplerLastDigit) {
            // The sine and cosine carried over the last small step.
            const double cos_dE = 1.0 - 0.5 * dE * dE;
            return {E, sin_E * cos_dE - cos_E * dE, cos_E * cos_dE + sin_E * dE};
        }
    }
    const SinCos last = sin_cos(E);
    return {E, last.sin, last.cos};
}

double position_extra_rate(const std::string& name, const SatElements& el, double a,
                           const SatCorrectionTable& corrections) {
    return motion_term_factor(name, el.inclination, corrections) * j2_motion_rate(el, a);
}

double doppler_extra_rate(const std::string& name, const SatElements& el, double a,
                          const SatCorrectionTable& corrections) {
    if (name == "ISS" || name == "ISSDG") return kIssDopplerRate;
    if (name == "NO-44") return kNo44DopplerRate;
    return position_extra_rate(name, el, a, corrections);
}

SatPosition mean_place(const SatOrbit& o, double mjd) {
    const SatElements& el = o.el;
    SatPosition p;
    p.t = mjd - o.epoch_mjd + 1.0;
    p.revolutions = base_revolutions(el, p.t) + o.extra_rate * p.t;
    p.orbit_number = el.rev_no + p.revolutions;
    p.mean_anomaly = (p.revolutions - std::floor(p.revolutions)) * 360.0 + el.mean_anomaly;
    p.mean_anomaly_rad = deg_to_rad(p.mean_anomaly);
    return p;
}

SatPosition propagate(const SatOrbit& o, const StationFrame& st, double mjd) {
    SatPosition p = mean_place(o, mjd);
    place_from_anomaly(o, st, mjd, solve_kepler(p.mean_anomaly_rad, o.el.eccentricity), p);
    return p;
}

void place_from_anomaly(const SatOrbit& o, const StationFrame& st, double mjd, const EccentricAnomaly& ecc,
                        SatPosition& p) {
    const double e = o.el.eccentricity;

    // Place in the orbit.
    p.ecc_anomaly = ecc.E;
    const double sinE = ecc.sin_E, cosE = ecc.cos_E;
    double nu = angle_of(o.sqrt_1_e2 * sinE, cosE - e);
    if (nu < 0) nu += 2.0 * kPi;
    p.true_anomaly = rad_to_deg(nu);
    p.radius = o.a * (1.0 - e * cosE);
    p.plane_x = o.a * (cosE - e);            // r cos nu
    p.plane_y = o.a * o.sqrt_1_e2 * sinE;    // r sin nu

    // Orbit plane to Earth-fixed axes: the perigee ω and the node Ω drift by J2; the
    // node's longitude east of Greenwich is Ω less the sidereal time θ.
    const double omega = o.perigee + o.perigee_rate * p.t;
    const double Omega = o.node + o.node_rate * p.t;
    const double theta = deg_to_rad(sidereal_time_deg(mjd));
    const auto [sw, cw] = sin_cos(omega);
    const auto [sL, cL] = sin_cos(Omega - theta);
    const double x = p.plane_x, y = p.plane_y;
    p.xe = (cw * cL - o.cos_i * sL * sw) * x - (o.cos_i * sL * cw + sw * cL) * y;
    p.ye = (o.cos_i * cL * sw + cw * sL) * x - (sw * sL - o.cos_i * cL * cw) * y;
    p.ze = o.sin_i * sw * x + o.sin_i * cw * y;

    // Sub-satellite point; the view is taken to the point above it on a sphere.
    p.sub = xyz_to_geodetic(p.xe, p.ye, p.ze);
    p.sub_radius = p.sub.height + kBesselAKm;
    p.view = view_of(p, st);
    p.ok = std::isfinite(p.sub.lat) && std::isfinite(p.sub.lon) && std::isfinite(p.sub.height) &&
           std::isfinite(p.view.az) && std::isfinite(p.view.el) && std::isfinite(p.view.range);
}

TopoView view_of(const SatPosition& p, const StationFrame& st) {
    const double rs = p.sub_radius;
    return view_from(st, rs * p.sub.cos_lat * p.sub.cos_lon, rs * p.sub.cos_lat * p.sub.sin_lon, rs * p.sub.sin_lat);
}

bool sat_position_disp(OrbitContext& ctx, std::string& name) {
    OrbitState& o = ctx.orbit;
    CalcResult& c = o.calc;
    const ElementTable::NamedSet* set = lookup(ctx, name);
    if (!set) {
        c.calc_az = 0;
        c.calc_el = -kPi / 2;  // a skipped satellite never looks visible
        return false;
    }
    const SatElements& el = o.sat_elements;
    const double a = set->orbit.a;
    c.calc_semi_major_axis = a;
    store_constants(o);
    const StationFrame& st = own_station_frame(ctx);

    const bool shown = live(ctx);
    const double mjd = instant_mjd(ctx, true);
    ctx.time.calc_mjd = mjd;
    const MotionTerm term = motion_term(ctx, name, *set, mjd, shown);
    if (ctx.display) ctx.display->clear_drawing_surface();

    const SatPosition p = propagate(with_extra_rate(*set, term.factor * term.dL), st, mjd);
    store_orbit_fields(c, p, a, el.eccentricity);
    c.calc_true_anomaly = p.true_anomaly;
    if (!p.ok) {
        tell_failure(ctx, name, kZenithMessage);
        return false;
    }
    c.calc_sub_lat = p.sub.lat;
    c.calc_sub_lon = p.sub.lon;
    c.calc_sub_height = p.sub.height;
    store_sub_radians(c, p);
    c.calc_az = p.view.az;
    c.calc_el = p.view.el;
    c.calc_mean_anomaly = lower_below_360(c.calc_mean_anomaly);

    if (shown && name == ctx.selected_sat) {
        o.selected_az = c.calc_az;
        o.selected_el = c.calc_el;
        if (ctx.display)
            ctx.display->show_selected({name, c.calc_az, c.calc_el, p.view.range, p.orbit_number,
                                        c.calc_mean_anomaly, el});
    }
    return true;
}

bool sat_view_from_station(OrbitContext& ctx, std::string& name, double lon, double lat, double height,
                           double /*hours*/, double& az, double& el) {
    if (trim(name) != ctx.selected_sat) return false;
    const ElementTable::NamedSet* set = lookup(ctx, name);
    if (!set) return false;
    store_constants(ctx.orbit);
    const bool shown = live(ctx);
    const double mjd = instant_mjd(ctx, false);
    const MotionTerm term = motion_term(ctx, name, *set, mjd, shown);
    const SatPosition p =
        propagate(with_extra_rate(*set, term.factor * term.dL), make_station_frame(lon, lat, height), mjd);
    if (!p.ok) {
        tell_failure(ctx, name, kZenithMessage);
        return false;
    }
    az = rad_to_deg(p.view.az);
    el = rad_to_deg(p.view.el);
    if (shown && ctx.display) ctx.display->show_station_view(az, el);
    return true;
}

bool calc_slant_range(OrbitContext& ctx, std::string& name, double& range) {
    const ElementTable::NamedSet* set = lookup(ctx, name);
    if (!set) return false;
    OrbitState& o = ctx.orbit;
    const SatElements& el = o.sat_elements;
    const double a = set->orbit.a;
    store_constants(o);
    const StationFrame& st = own_station_frame(ctx);
    const double mjd = instant_mjd(ctx, false);
    ctx.time.calc_mjd = mjd;
    motion_term(ctx, name, *set, mjd, live(ctx));  // the term's labels; the Doppler rule may override it

    const SatPosition p = propagate(with_extra_rate(*set, doppler_extra_rate(name, el, a, ctx.corrections)), st, mjd);
    store_orbit_fields(o.calc, p, a, el.eccentricity);
    if (!p.ok) {
        tell_failure(ctx, name, kRangeFailedMessage);
        return false;
    }
    store_sub_radians(o.calc, p);
    range = p.view.range;
    return true;
}

bool update_doppler_factor(OrbitContext& ctx, DopplerState& doppler) {
    TimeState& ts = ctx.time;
    ts.realtime_flag = 0;
    ts.calc_time = local_to_utc(ts, simulated_local_time(ts, clock_local_now(ts)));
    std::string name = ctx.selected_sat;
    double r0 = 0, r1 = 0;
    bool ok = calc_slant_range(ctx, name, r0);
    if (ok) {
        ts.calc_time = add_seconds(ts.calc_time, kDopplerStepSeconds);
        ok = calc_slant_range(ctx, name, r1);
    }
    ts.realtime_flag = 1;
    if (!ok) {
        // A range that fails for a moment keeps the satellite's last rate and factor; a
        // satellite that cannot be computed at all gets no shift, never the factor of
        // the satellite selected before it.
        if (!ctx.orbit.sat_elements.usable) doppler = DopplerState{};
        return false;
    }
    doppler.range_rate = (r1 - r0) / kDopplerStepSeconds;
    doppler.doppler_factor = kLightSpeedKmS / (kLightSpeedKmS + doppler.range_rate);
    return true;
}

}  // namespace torv
