#pragma once
#include <cstdint>
#include <string>

#include "common/datetime.h"
#include "platform/clock.h"

// The computation instant and the simulated local time. Every satellite computation
// runs at calc_time (UTC). In real-time mode the instant is the PC clock moved by the
// operator's time controls; otherwise the caller stores the instant it wants.
namespace torv {

// Modified Julian day of day count 0 (30 December 1899 00:00).
constexpr double kMjdOfDayZero = 15018.0;

struct TimeState {
    DateTime calc_time = 0;             // instant of the satellite computation, UTC
    DateTime display_time = 0;          // local time the main window shows
    int16_t realtime_flag = 0;          // 1 = clock and time controls; 0 = calc_time as stored
    int16_t time_day_offset = 0;        // whole days added to the clock
    int16_t time_half_days = 0;         // 12-hour steps added
    int16_t time_accel_steps = 0;       // acceleration steps taken
    std::string kasoku_ritu = "2";      // minutes per acceleration step
    int16_t time_minute_offset = 0;     // minutes added while time_minute_offset_on is 1
    int16_t time_minute_offset_on = 0;
    double time_diff = 9;               // hours of local time east of UTC
    std::string local_to_utc_text = "-9";  // -time_diff as text
    double calc_mjd = 0;                // modified Julian day of calc_time
};

// Sets time_diff and its companion text local_to_utc_text (general number text of
// -time_diff, "-9" for 9).
void set_time_diff(TimeState& ts, double time_diff);

// Local time to UTC and back by the configured offset. A fractional offset (India's
// 5.5 hours, Newfoundland's -3.5) is applied exactly, never rounded to whole hours.
DateTime local_to_utc(const TimeState& ts, DateTime local);
DateTime utc_to_local(const TimeState& ts, DateTime utc);

// Local time of another station whose offset from UTC is station_time_diff hours,
// from our own local time.
DateTime station_local_time(const TimeState& ts, DateTime local, double station_time_diff);

// Day counts and modified Julian days.
inline double datetime_to_mjd(DateTime t) { return t + kMjdOfDayZero; }
inline DateTime mjd_to_datetime(double mjd) { return mjd - kMjdOfDayZero; }

// Modified Julian day of 00:00 of a date; month and day roll over as in calendar date
// construction (month 13 is January of the next year, day 0 the last of the month before).
double mjd_of_date(int year, int month, int day);

// The same with the historic argument form: inputs by reference, result out.
void date_to_mjd(int16_t& year, int16_t& month, int16_t& day, double& result);

// The four steps of the simulated time; each changes calc_time in place.
void step_time_days(TimeState& ts);        // + time_day_offset days
void step_time_half_days(TimeState& ts);   // + 12 x time_half_days hours
void step_time_accel(TimeState& ts);       // + time_accel_steps x kasoku_ritu minutes, whole minutes
void step_time_minutes(TimeState& ts);     // + time_minute_offset minutes when switched on

// The simulated local time: a clock reading moved by the four steps, in that order.
// Leaves the result in calc_time and returns it.
DateTime simulated_local_time(TimeState& ts, DateTime clock_local);

// The real-time rule: calc_time = the clock moved by the time controls, then turned
// into UTC. When keep_display is set (the satellite position), display_time takes the
// local value. Does nothing when realtime_flag is not 1. Returns whether it ran.
bool apply_realtime_rule(TimeState& ts, DateTime clock_local, bool keep_display);

// The clock. The system clock gives the true instant (UTC); the station's local time
// is that instant moved by the configured time difference, the exact inverse of
// local_to_utc, so an instant built from the local reading is the clock's own instant
// whatever time zone the machine runs in. Every reader of the clock goes through these.
DateTime clock_utc_now();
DateTime clock_local_now(const TimeState& ts);
// The station's local reading split into its fields (element stamps, dates shown).
platform::ClockReading clock_local_reading(const TimeState& ts);

// Greenwich sidereal time in degrees, 0 <= theta < 360, at a modified Julian day (UTC).
double sidereal_time_deg(double mjd);

}  // namespace torv
