#pragma once
#include <array>

#include "common/station_table.h"
#include "orbit/body_horizon.h"
#include "orbit/body_time.h"
#include "orbit/time_base.h"

// The Sun, the Moon and Mars for the own station: the state the maps, the sky view,
// the tool tips and the export items read, and the chains that bring it up to date.
// Each body's chain (time argument, theory, equatorial coordinates, horizon) runs to
// its end before the next body's time argument, because the hour angle reads the clock
// components that time argument has just written.
namespace torv {

enum BodyIndex { kSun = 0, kMoon = 1, kMars = 2 };

// Degrees and km unless stated.
struct BodyState {
    double body_time_arg = 0;  // J2000 argument of the last Sun or Moon reading
    BodyClock clock;           // components of the last reading (Mars after an update)

    double sun_distance = 0;  // from the Earth's centre
    double sun_ra = 0, sun_dec = 0, sun_az = 0, sun_el = 0;
    double sun_sub_lat = 0, sun_sub_lon = 0, sun_height = 0;

    double moon_distance = 0;
    double moon_ra = 0, moon_dec = 0, moon_az = 0, moon_el = 0;
    double moon_sub_lat = 0, moon_sub_lon = 0, moon_height = 0;

    double mars_helio_radius = 0;  // from the Sun, astronomical units
    double mars_distance = 0;      // from the Earth's centre, astronomical units
    double mars_ra = 0, mars_dec = 0, mars_az = 0, mars_el = 0;
    double mars_sub_lat = 0, mars_sub_lon = 0, mars_height = 0;

    std::array<double, 3> body_dist{};  // from the station, by BodyIndex
};

// The chains of one body at the time argument already stored in the state
// (body_time_arg and clock; for Mars also its own 1975 argument T_mars).
void update_sun(BodyState& bs, const OwnStation& st);
void update_moon(BodyState& bs, const OwnStation& st);
void update_mars(BodyState& bs, double T_mars, const OwnStation& st);

// One update of all three bodies at the current or simulated time (the clock is read
// afresh for each body), in the order Sun, Moon, Mars.
void sun_moon_mars_update(BodyState& bs, const TimeState& ts, const OwnStation& st);

}  // namespace torv
