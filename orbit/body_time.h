#pragma once
#include "common/datetime.h"
#include "orbit/time_base.h"

// Time arguments of the Sun, Moon and Mars theories. The theories and the hour angles
// are set up for clock readings in UTC+9: a local reading is moved there by adding
// 9 - time_diff hours (exactly, also for a fractional offset).
namespace torv {

// The components of the last reading a time argument used. The hour angles read the
// hour, minute and second, so a body's hour angle is computed right after its own time
// argument. After a J2000 argument for a January or February reading, body_year holds
// the year minus 1 and body_month 13 or 14.
struct BodyClock {
    int body_year = 0, body_month = 0, body_day = 0;
    int body_hour = 0, body_minute = 0, body_second = 0;
};

// A local reading moved to UTC+9 (unchanged when time_diff is 9).
DateTime to_utc9(DateTime local, double time_diff);

// The reading of the bodies: display_time while a time control is active (acceleration,
// a picked minute, a day offset), else the clock; moved to UTC+9.
DateTime body_reading(const TimeState& ts, DateTime clock_local);

// Julian years from J2000.0 (with 64 s between dynamical and universal time) of a
// UTC+9 reading. Every year divisible by four is a leap year (right for 1901..2099).
double j2000_time_arg(DateTime reading_utc9, BodyClock& clock);

// Julian years from 1975 January 0.0 of a UTC+9 reading, for the Mars theory.
double mars_epoch_time_arg(DateTime reading_utc9, BodyClock& clock);

// The Sun and Moon argument of the current or simulated time, reading the PC clock.
double time_arg_now(const TimeState& ts, BodyClock& clock);

// The Mars argument of the current or simulated time, reading the PC clock.
double time_arg_mars(const TimeState& ts, BodyClock& clock);

// The Sun argument of start (already a UTC+9 reading) plus a whole number of minutes.
double time_arg_at(DateTime start_utc9, double minutes, BodyClock& clock);

}  // namespace torv
