#pragma once
#include <cstdint>

#include "common/datetime.h"

// The 24-hour chart's time axis, in twips of the chart picture: the chart starts at
// x = 960, a minute takes 3.5, an hour 210, the 24 hours end at x = 6000. Where the
// display-time and real-time markers stand, and which halves of the half-day bar lie
// on the current date.
namespace torv {

constexpr double kChartLeft = 960, kChartRight = 6000;
constexpr double kChartMinuteWidth = (kChartRight - kChartLeft) / 1440;  // 3.5
constexpr double kChartHourWidth = 60 * kChartMinuteWidth;                // 210
constexpr double kHalfDayBarWidth = 5150;                                 // Picture5, twips
// The seven rows lie 455 apart from y = 170 to 3020. The chart picture is drawn in twips
// across; downwards its height counts as this many, so that all seven rows show
// however tall the layout makes it.
constexpr double kChartScaleHeight = 3100;

// x of a time of day given as a fraction f of a day from the chart start.
inline double chart_x(double f) { return kChartLeft + (kChartRight - kChartLeft) * f; }

// The hours after the chart start of the 16 one-hour lines (those not on the three-hour grid).
constexpr int kOneHourLines = 16;
constexpr int kOneHourLineHours[kOneHourLines] = {1, 2, 4, 5, 7, 8, 10, 11, 13, 14, 16, 17, 19, 20, 22, 23};

// What the chart's time controls say.
struct ChartTime {
    int16_t time_day_offset = 0;
    int16_t time_accel_steps = 0;
    int16_t time_minute_offset_on = 0;
    int16_t chart_shift = 0;
    int16_t chart_shift_day = 0;
};

// The display-time marker and the half-day bar of one chart tick; case 'A'..'E'.
struct DisplayMarker {
    char chart_case = 'A';
    double x = kChartLeft;
    bool visible = true;
    bool left_today = true, right_today = true;  // bar halves on the current date
};

// t is the marker time (the display time, or the clock in real time), local.
DisplayMarker display_marker(const ChartTime& c, DateTime t, DateTime display_time);

// The real-time marker: shown only while the display time is simulated and the chart
// shows the current date.
struct RealTimeMarker {
    double x = kChartLeft;
    bool visible = false;
};
RealTimeMarker real_time_marker(const ChartTime& c, DateTime clock_local);

// Whether the marker time is the display time (simulated) rather than the clock.
inline bool marker_time_simulated(const ChartTime& c) { return c.time_accel_steps > 0 || c.time_minute_offset_on == 1; }

}  // namespace torv
