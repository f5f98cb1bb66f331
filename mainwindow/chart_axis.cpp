#include "mainwindow/chart_axis.h"

#include <cmath>

namespace torv {

namespace {
double day_fraction(DateTime t) { return t - std::floor(t); }
}  // namespace

DisplayMarker display_marker(const ChartTime& c, DateTime t, DateTime display_time) {
    const double f = day_fraction(t);
    const bool picked = c.time_minute_offset_on == 1;
    if (c.time_day_offset != 0) return {'E', chart_x(f), picked, false, false};
    if (c.chart_shift == 0) return {'A', chart_x(f), true, true, true};
    if (f > 0.5) return {'B', chart_x(f - 0.5), true, true, false};
    // A shifted chart in the morning: the marker stands in the right half. On the day the
    // shift went on the morning lies before the chart's start.
    if (split_datetime(display_time).day == c.chart_shift_day) return {'C', chart_x(f + 0.5), picked, true, false};
    return {'D', chart_x(f + 0.5), true, false, true};
}

RealTimeMarker real_time_marker(const ChartTime& c, DateTime clock_local) {
    const double f = day_fraction(clock_local);
    const bool simulated = c.time_accel_steps != 0 || c.time_minute_offset_on != 0;
    if (c.time_day_offset != 0) return {chart_x(f), false};
    if (c.chart_shift == 0) return {chart_x(f), simulated};
    if (f > 0.5) return {chart_x(f - 0.5), simulated};
    return {chart_x(f), false};
}

}  // namespace torv
