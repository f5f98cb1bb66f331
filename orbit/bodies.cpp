#include "orbit/bodies.h"

#include "orbit/mars_position.h"
#include "orbit/moon_position.h"
#include "orbit/sun_position.h"

namespace torv {

namespace {

constexpr double kKmPerAu = 1.4959787e8;

// The horizon view of a body at the state's time, stored into that body's fields.
void az_el(BodyState& bs, const OwnStation& st, const Equatorial& eq, double D, BodyIndex body, double& az,
           double& el, double& sub_lat, double& sub_lon, double& height) {
    const BodyView v = body_az_el(bs.body_time_arg, bs.clock, st.station_lon, st.station_lat, eq.dec, eq.ra, D);
    az = v.az;
    el = v.el;
    sub_lat = v.sub_lat;
    sub_lon = v.sub_lon;
    height = v.height;
    bs.body_dist[body] = v.dist;
}

}  // namespace

void update_sun(BodyState& bs, const OwnStation& st) {
    double lambda = 0;
    sun_position(bs.body_time_arg, lambda, bs.sun_distance);
    const Equatorial eq = sun_equatorial(bs.body_time_arg, lambda);
    bs.sun_ra = eq.ra;
    bs.sun_dec = eq.dec;
    az_el(bs, st, eq, bs.sun_distance, kSun, bs.sun_az, bs.sun_el, bs.sun_sub_lat, bs.sun_sub_lon, bs.sun_height);
}

void update_moon(BodyState& bs, const OwnStation& st) {
    double lambda = 0, beta = 0;
    moon_position(bs.body_time_arg, lambda, beta, bs.moon_distance);
    const Equatorial eq = moon_equatorial(bs.body_time_arg, lambda, beta);
    bs.moon_ra = eq.ra;
    bs.moon_dec = eq.dec;
    az_el(bs, st, eq, bs.moon_distance, kMoon, bs.moon_az, bs.moon_el, bs.moon_sub_lat, bs.moon_sub_lon,
          bs.moon_height);
}

// The sidereal time of the Mars view takes body_time_arg as the Moon left it, with the
// clock components of the Mars reading.
void update_mars(BodyState& bs, double T_mars, const OwnStation& st) {
    double lambda_s = 0, R_s = 0, lambda = 0, beta = 0;
    sun_position_mars_epoch(T_mars, lambda_s, R_s);
    mars_heliocentric(T_mars, lambda, beta, bs.mars_helio_radius);
    const MarsEquatorial m = mars_geocentric(T_mars, lambda, beta, bs.mars_helio_radius, lambda_s, R_s);
    bs.mars_ra = m.mars_ra;
    bs.mars_dec = m.mars_dec;
    bs.mars_distance = m.mars_distance;
    az_el(bs, st, Equatorial{m.mars_ra, m.mars_dec}, bs.mars_distance * kKmPerAu, kMars, bs.mars_az, bs.mars_el,
          bs.mars_sub_lat, bs.mars_sub_lon, bs.mars_height);
}

void sun_moon_mars_update(BodyState& bs, const TimeState& ts, const OwnStation& st) {
    bs.body_time_arg = time_arg_now(ts, bs.clock);
    update_sun(bs, st);
    bs.body_time_arg = time_arg_now(ts, bs.clock);
    update_moon(bs, st);
    const double T_mars = time_arg_mars(ts, bs.clock);
    update_mars(bs, T_mars, st);
}

}  // namespace torv
