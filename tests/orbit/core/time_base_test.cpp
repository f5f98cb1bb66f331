#include "orbit/time_base.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "support/date_at.h"

using namespace torv;

namespace {

TimeState realtime_state(double jisa) {
    TimeState ts;
    ts.realtime_flag = 1;
    set_time_diff(ts, jisa);
    return ts;
}
}  // namespace

TEST(TimeBase, RealTimeWithoutControlsIsClockMinusOffset) {
    TimeState ts = realtime_state(9);
    EXPECT_EQ(ts.local_to_utc_text, "-9");
    DateTime clock = at(2005, 1, 27, 10, 25);
    ASSERT_TRUE(apply_realtime_rule(ts, clock, true));
    EXPECT_EQ(ts.display_time, clock);
    EXPECT_EQ(ts.calc_time, at(2005, 1, 27, 1, 25));
}

TEST(TimeBase, TimeControlsMoveTheInstant) {
    struct Case {
        int16_t days, accel;
        const char* ritu;
        int16_t minutes, minutes_on;
        DateTime expected_local;
    };
    DateTime clock = at(2005, 1, 27, 10, 0);
    const Case cases[] = {
        {0, 3, "2", 0, 0, at(2005, 1, 27, 10, 6)},
        {0, 0, "2", 30, 0, clock},
        {0, 0, "2", 30, 1, at(2005, 1, 27, 10, 30)},
        {1, 0, "2", 0, 0, at(2005, 1, 28, 10, 0)},
        {-1, 2, "1.25", 0, 0, at(2005, 1, 26, 10, 2)},  // 2.5 minutes -> 2 (halves to even)
    };
    for (const Case& c : cases) {
        TimeState ts = realtime_state(9);
        ts.time_day_offset = c.days;
        ts.time_accel_steps = c.accel;
        ts.kasoku_ritu = c.ritu;
        ts.time_minute_offset = c.minutes;
        ts.time_minute_offset_on = c.minutes_on;
        apply_realtime_rule(ts, clock, true);
        EXPECT_EQ(ts.display_time, c.expected_local);
        EXPECT_EQ(ts.calc_time, add_hours(c.expected_local, -9));
    }
}

TEST(TimeBase, FractionalOffsetIsAppliedExactly) {
    DateTime clock = at(2005, 1, 27, 12, 0);
    TimeState west = realtime_state(-5.75);
    EXPECT_EQ(west.local_to_utc_text, "5.75");
    apply_realtime_rule(west, clock, true);
    EXPECT_EQ(west.calc_time, at(2005, 1, 27, 17, 45));

    TimeState india = realtime_state(5.5);
    apply_realtime_rule(india, clock, true);
    EXPECT_EQ(india.calc_time, at(2005, 1, 27, 6, 30));
    EXPECT_EQ(utc_to_local(india, india.calc_time), clock);

    TimeState nf = realtime_state(-3.5);
    EXPECT_EQ(local_to_utc(nf, clock), at(2005, 1, 27, 15, 30));
    // A partner station 5.5 hours east of UTC seen from JST.
    TimeState jst = realtime_state(9);
    EXPECT_EQ(station_local_time(jst, clock, 5.5), at(2005, 1, 27, 8, 30));
}

TEST(TimeBase, ChosenInstantIsUsedAsStored) {
    TimeState ts = realtime_state(9);
    ts.realtime_flag = 0;
    ts.calc_time = at(2005, 1, 27, 1, 25);
    ts.display_time = 123;
    EXPECT_FALSE(apply_realtime_rule(ts, at(2010, 1, 1, 0, 0), true));
    EXPECT_EQ(ts.calc_time, at(2005, 1, 27, 1, 25));
    EXPECT_EQ(ts.display_time, 123);
}

TEST(TimeBase, KeepDisplayOnlyWhenAsked) {
    TimeState ts = realtime_state(9);
    apply_realtime_rule(ts, at(2005, 1, 27, 10, 0), false);
    EXPECT_EQ(ts.display_time, 0);
}

// The clock gives the true instant; the station's local reading is that instant moved by
// its time difference, and the real-time rule turns it back into the same instant.
TEST(TimeBase, LocalReadingIsTheTrueInstantMovedByTheTimeDifference) {
    platform::clock_fix({2005, 1, 27, 1, 25, 7});
    const DateTime utc = at(2005, 1, 27, 1, 25, 7);
    EXPECT_EQ(clock_utc_now(), utc);
    struct Case {
        double jisa;
        DateTime local;
    } const cases[] = {{9, at(2005, 1, 27, 10, 25, 7)},
                       {0, utc},
                       {-5, at(2005, 1, 26, 20, 25, 7)},
                       {5.5, at(2005, 1, 27, 6, 55, 7)},
                       {-3.5, at(2005, 1, 26, 21, 55, 7)}};
    for (const Case& c : cases) {
        TimeState ts = realtime_state(c.jisa);
        EXPECT_EQ(clock_local_now(ts), c.local) << c.jisa;
        const platform::ClockReading r = clock_local_reading(ts);
        EXPECT_EQ(at(r.year, r.month, r.day, r.hour, r.minute, r.second), c.local) << c.jisa;
        apply_realtime_rule(ts, clock_local_now(ts), true);
        EXPECT_EQ(ts.calc_time, utc) << c.jisa;
        EXPECT_EQ(ts.display_time, c.local) << c.jisa;
    }
    platform::clock_release();
}

TEST(TimeBase, ModifiedJulianDay) {
    EXPECT_DOUBLE_EQ(mjd_of_date(1899, 12, 30), 15018.0);
    EXPECT_DOUBLE_EQ(mjd_of_date(2000, 1, 1), 51544.0);
    EXPECT_DOUBLE_EQ(mjd_of_date(2005, 1, 1) - mjd_of_date(2005, 1, 0), 1.0);
    EXPECT_DOUBLE_EQ(mjd_of_date(2004, 13, 1), mjd_of_date(2005, 1, 1));
    int16_t y = 2005, m = 1, d = 1;
    double mjd = 0;
    date_to_mjd(y, m, d, mjd);
    EXPECT_DOUBLE_EQ(mjd, 53371.0);
    EXPECT_DOUBLE_EQ(datetime_to_mjd(at(2005, 1, 27, 1, 25)), 53397.0 + (85.0 / 1440.0));
    EXPECT_DOUBLE_EQ(mjd_to_datetime(53397.0), date_serial(2005, 1, 27));
}

TEST(TimeBase, SiderealTime) {
    EXPECT_NEAR(sidereal_time_deg(51544.5), 280.4603, 5e-5);
    // The fallback satellite's worked example instant: 27 January 2005 01:25 UTC.
    EXPECT_NEAR(sidereal_time_deg(datetime_to_mjd(at(2005, 1, 27, 1, 25))), 147.6802, 5e-5);
}
