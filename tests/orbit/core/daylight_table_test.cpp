// Day and night at the station, minute by minute.
#include "orbit/daylight_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/date_at.h"

namespace {

using namespace torv;

torv::OwnStation station(double lon, double lat) {
    torv::OwnStation st;
    st.station_lon = lon;
    st.station_lat = lat;
    return st;
}

// The first and last daylight minute of a table.
struct DaySpan {
    int sunrise = -1, sunset = -1;
};
DaySpan day_span(const DaylightTable& t) {
    DaySpan s;
    for (int m = 0; m < static_cast<int>(t.size()); ++m) {
        if (t[m] == 1.0f) {
            if (s.sunrise < 0) s.sunrise = m;
            s.sunset = m;
        }
    }
    return s;
}

TEST(DaylightTable, StartOfTheLocalDay) {
    struct Case {
        DateTime when;
        int shift;
        double jisa;
        DateTime start;  // UTC+9 reading
    };
    const Case cases[] = {
        {at(2005, 6, 21, 15, 0), 0, 9, at(2005, 6, 21, 0, 0)},
        {at(2005, 6, 21, 15, 0), 1, 9, at(2005, 6, 21, 12, 0)},
        {at(2005, 6, 21, 10, 0), 0, 0, at(2005, 6, 21, 9, 0)},
        // West of UTC+9 in the evening the UTC+9 date is already the next day; the table
        // still describes the local day.
        {at(2005, 6, 21, 20, 0), 0, 0, at(2005, 6, 21, 9, 0)},
        {at(2005, 6, 21, 23, 59), 1, -5, at(2005, 6, 22, 2, 0)},
        // East of it just after midnight the UTC+9 date is still the day before.
        {at(2005, 6, 21, 0, 30), 0, 10, at(2005, 6, 20, 23, 0)},
        {at(2005, 6, 21, 20, 0), 0, 5.5, at(2005, 6, 21, 3, 30)},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(daylight_table_start(c.when, c.shift, c.jisa), c.start, 1e-9)
            << "JISA " << c.jisa << " shift " << c.shift;
    }
}

TEST(DaylightTable, TokyoMidsummer) {
    DaylightTable table;
    table.fill(-1);
    DateTime when = at(2005, 6, 21, 15, 0);
    sun_daylight_table(when, 0, 9, station(139.7, 35.7), table);
    EXPECT_EQ(when, at(2005, 6, 21, 0, 0));
    EXPECT_TRUE(std::all_of(table.begin(), table.end(), [](float v) { return v == 0.0f || v == 1.0f; }));
    // The almanac's 4:25 and 19:00 count the upper limb with refraction; the centre on
    // the geometric horizon rises about five minutes later and sets five minutes earlier.
    const DaySpan s = day_span(table);
    EXPECT_NEAR(s.sunrise, 4 * 60 + 30, 3);
    EXPECT_NEAR(s.sunset, 18 * 60 + 55, 3);
    EXPECT_EQ(table[0], 0.0f);
    EXPECT_EQ(table[1440], 0.0f);

    // From noon: day at both ends, night around entry 720 (midnight).
    when = at(2005, 6, 21, 15, 0);
    sun_daylight_table(when, 1, 9, station(139.7, 35.7), table);
    EXPECT_EQ(when, at(2005, 6, 21, 12, 0));
    EXPECT_EQ(table[0], 1.0f);
    EXPECT_EQ(table[720], 0.0f);
    EXPECT_EQ(table[1440], 1.0f);
}

// Greenwich on UTC, asked in the evening (already the next day in UTC+9): the table is
// that local day, with the centre rising near 03:51 and setting near 20:13 UTC.
TEST(DaylightTable, LocalDayWestOfUtcPlus9) {
    DaylightTable table;
    DateTime when = at(2005, 6, 21, 20, 0);
    sun_daylight_table(when, 0, 0, station(0, 51.48), table);
    EXPECT_NEAR(when, at(2005, 6, 21, 9, 0), 1e-9);
    const DaySpan s = day_span(table);
    EXPECT_NEAR(s.sunrise, 3 * 60 + 51, 3);
    EXPECT_NEAR(s.sunset, 20 * 60 + 13, 3);
}

TEST(DaylightTable, PolarDayAndNight) {
    DaylightTable table;
    DateTime when = at(2005, 6, 21, 12, 0);
    sun_daylight_table(when, 0, 9, station(15, 80), table);
    EXPECT_TRUE(std::all_of(table.begin(), table.end(), [](float v) { return v == 1.0f; }));
    when = at(2005, 12, 21, 12, 0);
    sun_daylight_table(when, 0, 9, station(15, 80), table);
    EXPECT_TRUE(std::all_of(table.begin(), table.end(), [](float v) { return v == 0.0f; }));
}

}  // namespace
