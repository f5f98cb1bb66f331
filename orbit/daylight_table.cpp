#include "orbit/daylight_table.h"

#include <cmath>

namespace torv {

DateTime daylight_table_start(DateTime when, int shift, double time_diff) {
    // The local date, not the date of the UTC+9 reading: west of UTC+9 an evening
    // reading is already the next day there.
    DateTime d = std::floor(when);
    if (shift == 1) d += 0.5;
    return to_utc9(d, time_diff);
}

void sun_daylight_table(DateTime& when, int shift, double time_diff, const OwnStation& st,
                        DaylightTable& daylight_table) {
    when = daylight_table_start(when, shift, time_diff);
    BodyState minute;  // the table's own Sun, apart from the one the views show
    for (int m = 0; m <= kDaylightMinutes; ++m) {
        minute.body_time_arg = time_arg_at(when, m, minute.clock);
        update_sun(minute, st);
        daylight_table[m] = minute.sun_el >= 0 ? 1.0f : 0.0f;
    }
}

}  // namespace torv
