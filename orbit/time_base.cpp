#include "orbit/time_base.h"

#include <cmath>

#include "common/number_text.h"

namespace torv {

void set_time_diff(TimeState& ts, double time_diff) {
    ts.time_diff = time_diff;
    ts.local_to_utc_text = num_text(-time_diff);
}

DateTime local_to_utc(const TimeState& ts, DateTime local) { return add_hours(local, val(ts.local_to_utc_text)); }

DateTime utc_to_local(const TimeState& ts, DateTime utc) { return add_hours(utc, -val(ts.local_to_utc_text)); }

DateTime station_local_time(const TimeState& ts, DateTime local, double station_time_diff) {
    return add_hours(local, val(ts.local_to_utc_text) + station_time_diff);
}

double mjd_of_date(int year, int month, int day) { return datetime_to_mjd(date_serial(year, month, day)); }

void date_to_mjd(int16_t& year, int16_t& month, int16_t& day, double& result) {
    result = mjd_of_date(year, month, day);
}

void step_time_days(TimeState& ts) { ts.calc_time = add_days(ts.calc_time, ts.time_day_offset); }

void step_time_half_days(TimeState& ts) {
    ts.calc_time = add_hours(ts.calc_time, 12.0 * ts.time_half_days);
}

void step_time_accel(TimeState& ts) {
    double minutes = ts.time_accel_steps * val(ts.kasoku_ritu);
    ts.calc_time = add_minutes(ts.calc_time, static_cast<double>(round_half_even(minutes)));
}

void step_time_minutes(TimeState& ts) {
    if (ts.time_minute_offset_on != 0) ts.calc_time = add_minutes(ts.calc_time, ts.time_minute_offset);
}

DateTime simulated_local_time(TimeState& ts, DateTime clock_local) {
    ts.calc_time = clock_local;
    step_time_days(ts);
    step_time_half_days(ts);
    step_time_accel(ts);
    step_time_minutes(ts);
    return ts.calc_time;
}

bool apply_realtime_rule(TimeState& ts, DateTime clock_local, bool keep_display) {
    if (ts.realtime_flag != 1) return false;
    DateTime local = simulated_local_time(ts, clock_local);
    if (keep_display) ts.display_time = local;
    ts.calc_time = local_to_utc(ts, local);
    return true;
}

DateTime clock_utc_now() {
    const platform::ClockReading c = platform::clock_utc_now();
    return make_datetime(DateParts{c.year, c.month, c.day, c.hour, c.minute, c.second});
}

DateTime clock_local_now(const TimeState& ts) { return utc_to_local(ts, clock_utc_now()); }

platform::ClockReading clock_local_reading(const TimeState& ts) {
    const DateParts p = split_datetime(clock_local_now(ts));
    return {p.year, p.month, p.day, p.hour, p.minute, p.second};
}

double sidereal_time_deg(double mjd) {
    double day = std::floor(mjd);
    double f = mjd - day;
    double T = (day - 15019.5) / 36525.0;
    double g = (23925.836 + 8640184.542 * T + 0.0929 * T * T) / 86400.0;
    g -= std::floor(g);
    double s = f + g + 0.00273791 * f;
    return (s - std::floor(s)) * 86400.0 * 15.0 / 3600.0;
}

}  // namespace torv
