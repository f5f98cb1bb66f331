#pragma once
#include <optional>
#include <span>
#include <string>

// The sky-track chart's decisions over the 24-hour chart's minute tables: which minutes
// of the day make the drawn track, where a track crosses north, which minutes get a
// time mark and how it reads, and which sky picture the Sun's height calls for. Plain
// functions: the window only draws what they say.
namespace torv {

// The last minute index a track starts a segment from: minute m joins m + 1.
constexpr int kTrackLastMinute = 1439;

struct TrackRange {
    int start = 1, end = kTrackLastMinute;
};

// The chart's minute index of a display time's hour and minute: H × 60 + M, or counted
// from 12:00 when the chart is shifted (12:30 is index 30).
int chart_minute_of(int hour, int minute, bool chart_shift);

// The minutes of the pass nearest to minute c, from one slot's elevations (index 0..1440;
// only their sign counts): a pass in progress from the minute before it rose, a coming
// one from its first minute up, each to its first minute down. A minute not found lies
// past the day: start and end are held to at most kTrackLastMinute.
TrackRange find_nearest_pass(std::span<const double> el, int c);

// Whether the track joins two minutes: not when the azimuth jumps by more than 350
// degrees, where the track crosses north from one edge of the chart to the other.
bool track_joins(double az_deg, double next_az_deg);

// The time mark of minute m, or none: every hour for a satellite whose semi-major axis
// exceeds 10000 km ("05:00"), else every five minutes ("05:35"); on the shifted chart
// the hours read as the clock of the 12:00-to-12:00 day.
std::optional<std::string> time_mark_text(int m, double semi_major_axis_km, bool chart_shift);

// Whether AO-40's segment from minute m takes the squint colour: its squint is known
// and within the operator's limit.
bool ao40_squint_colored(double squint_deg, double squint_limit);

// The sky behind the chart by the Sun's elevation (degrees): day from 10 degrees up,
// dusk above the horizon, night at or below it.
enum class SkyState { Day, Dusk, Night };
SkyState sky_state_of(double sun_el_deg);

}  // namespace torv
