#include "mainwindow/mars_echo.h"

#include <cmath>
#include <cstdio>

#include "common/number_text.h"

namespace torv {

double round_trip_seconds(double distance_km) { return round_half_even(2 * distance_km / kRadioSpeedKmPerS); }

void mars_echo_start(MarsEchoState& s, double distance_km, DateTime now) {
    const double trip = round_trip_seconds(distance_km);
    s.mars_echo_state = 1;
    s.mars_echo_warn_time = add_seconds(now, round_half_even(2 * distance_km / kRadioSpeedKmPerS - kMarsEchoWarningS));
    s.mars_echo_time = add_seconds(now, trip);
}

std::string mars_echo_caption(const MarsEchoState& s, DateTime now) {
    // The time left read as a time of day: its minutes and seconds, to the second.
    const DateParts p = split_datetime(s.mars_echo_time - now);
    char text[64];
    std::snprintf(text, sizeof text, "残り%02d分%02d秒", p.minute, p.second);
    return text;
}

MarsEchoTick mars_echo_tick(MarsEchoState& s, DateTime now) {
    MarsEchoTick t;
    if (s.mars_echo_state == 0) return t;
    t.caption = mars_echo_caption(s, now);
    if (s.mars_echo_time < now) {
        t.cleared = true;
        s.mars_echo_state = 0;
    }
    if (s.mars_echo_warn_time < now && s.mars_echo_state == 1) {
        s.mars_echo_state = 2;
        t.warn = true;
    }
    return t;
}

}  // namespace torv
