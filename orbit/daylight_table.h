#pragma once
#include <array>

#include "common/datetime.h"
#include "orbit/bodies.h"

// Day and night at the own station, minute by minute, for the 24-hour chart's band and
// the week tables' background.
namespace torv {

constexpr int kDaylightMinutes = 1440;

// Entry m is the minute m minutes after the start of the table (0..1440, both ends
// computed): 1.0 when the Sun's centre is at or above the horizon, else 0.0.
using DaylightTable = std::array<float, kDaylightMinutes + 1>;

// The start of the table as a UTC+9 reading: 00:00 (12:00 when shift is 1) local time
// of the local day on which when (a local date-time) falls.
DateTime daylight_table_start(DateTime when, int shift, double time_diff);

// Fills the table for the local day of when (see daylight_table_start) and puts its
// start, as a UTC+9 reading, into when. Touches no shared body state.
void sun_daylight_table(DateTime& when, int shift, double time_diff, const OwnStation& st,
                        DaylightTable& daylight_table);

}  // namespace torv
