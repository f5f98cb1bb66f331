#include "orbit/body_time.h"

#include <cmath>

namespace torv {

namespace {

void store_components(const DateParts& p, BodyClock& clock) {
    clock = BodyClock{p.year, p.month, p.day, p.hour, p.minute, p.second};
}

}  // namespace

DateTime to_utc9(DateTime local, double time_diff) {
    if (time_diff == 9) return local;
    return add_hours(local, 9 - time_diff);
}

DateTime body_reading(const TimeState& ts, DateTime clock_local) {
    const bool simulated = ts.time_accel_steps != 0 || ts.time_minute_offset_on != 0 || ts.time_day_offset != 0;
    return to_utc9(simulated ? ts.display_time : clock_local, ts.time_diff);
}

double j2000_time_arg(DateTime reading_utc9, BodyClock& clock) {
    const DateParts p = split_datetime(reading_utc9);
    store_components(p, clock);
    if (clock.body_month <= 2) {
        clock.body_year -= 1;
        clock.body_month += 12;
    }
    const double Y = clock.body_year, M = clock.body_month, D = p.day;
    const double y = Y - 2000;
    const double K = 365 * y + 30 * M + D - 33.875 + std::floor(3 * (M + 1) / 5) + std::floor(y / 4);
    return (K + (3600.0 * p.hour + 60.0 * p.minute + p.second + 64) / 86400) / 365.25;
}

double mars_epoch_time_arg(DateTime reading_utc9, BodyClock& clock) {
    const DateParts p = split_datetime(reading_utc9);
    store_components(p, clock);
    const double M = p.month;
    const double yy = p.year - 1900;
    const double q = yy / 4;
    const double f = q - std::floor(q);
    const double A = std::floor(1461 * q);
    const double B = std::floor((M + 7) / 10);
    const double C = std::floor(1 - f);
    const double E = std::floor((M + 4.4) * 0.44);
    const double days = 31 * M + A + p.day + (B - 1) * C - B * E - 27424;
    return (days + p.minute / 1440.0 + p.hour / 24.0 + p.second / 86400.0) / 365.25;
}

double time_arg_now(const TimeState& ts, BodyClock& clock) {
    return j2000_time_arg(body_reading(ts, clock_local_now(ts)), clock);
}

double time_arg_mars(const TimeState& ts, BodyClock& clock) {
    return mars_epoch_time_arg(body_reading(ts, clock_local_now(ts)), clock);
}

double time_arg_at(DateTime start_utc9, double minutes, BodyClock& clock) {
    return j2000_time_arg(add_minutes(start_utc9, std::nearbyint(minutes)), clock);
}

}  // namespace torv
