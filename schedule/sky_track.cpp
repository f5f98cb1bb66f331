#include "schedule/sky_track.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace torv {

namespace {

constexpr int kPastTheDay = 1441;
constexpr int kHalfDayMinutes = 720;

// The first index from `from` on whose elevation passes the test, or kPastTheDay.
template <class Test>
int first_from(std::span<const double> el, int from, Test test) {
    for (int m = std::max(from, 0); m < static_cast<int>(el.size()); ++m)
        if (test(el[static_cast<size_t>(m)])) return m;
    return kPastTheDay;
}

bool up_or_rising(double e) { return e >= 0; }
bool down_or_setting(double e) { return e <= 0; }

}  // namespace

int chart_minute_of(int hour, int minute, bool chart_shift) {
    const int m = hour * 60 + minute;
    if (!chart_shift) return m;
    return hour < 12 ? m + kHalfDayMinutes : m - kHalfDayMinutes;
}

TrackRange find_nearest_pass(std::span<const double> el, int c) {
    const double now = el[static_cast<size_t>(c)];
    int start = 0, end = 0;
    if (now < 0) {
        start = first_from(el, c, up_or_rising);
        end = first_from(el, start + 1, down_or_setting);
    } else if (now > 0) {
        end = first_from(el, c, down_or_setting);
        start = 1;
        for (int m = c; m >= 1; --m)
            if (down_or_setting(el[static_cast<size_t>(m)])) {
                start = m;
                break;
            }
    } else {
        start = first_from(el, c == 0 ? 1 : c, up_or_rising);
        end = first_from(el, start, down_or_setting);
    }
    return {std::min(start, kTrackLastMinute), std::min(end, kTrackLastMinute)};
}

bool track_joins(double az_deg, double next_az_deg) { return std::abs(az_deg - next_az_deg) <= 350; }

std::optional<std::string> time_mark_text(int m, double semi_major_axis_km, bool chart_shift) {
    const bool hourly = semi_major_axis_km > 10000;
    if (m % (hourly ? 60 : 5) != 0) return std::nullopt;
    int h = m / 60;
    const int minutes = hourly ? 0 : m - 60 * h;
    if (chart_shift) h = h >= 12 ? h - 12 : h + 12;
    return format_number(h, "00") + ":" + format_number(minutes, "00");
}

bool ao40_squint_colored(double squint_deg, double squint_limit) {
    return squint_deg >= 0 && squint_limit >= squint_deg;
}

SkyState sky_state_of(double sun_el_deg) {
    if (sun_el_deg >= 10) return SkyState::Day;
    if (sun_el_deg > 0) return SkyState::Dusk;
    return SkyState::Night;
}

}  // namespace torv
