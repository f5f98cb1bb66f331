// Time arguments of the Sun, Moon and Mars theories.
#include "orbit/body_time.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "support/date_at.h"

namespace {

using namespace torv;

struct J2000Case {
    DateTime reading;
    double K;  // whole-day part; T = (K + (seconds of day + 64) / 86400) / 365.25
    int year, month;
};

TEST(BodyTime, J2000Argument) {
    const J2000Case cases[] = {
        {at(2000, 1, 1, 20, 58, 56), -0.875, 1999, 13},
        {at(2000, 3, 1, 0, 0, 0), 59.125, 2000, 3},
        {at(2000, 1, 2, 0, 0, 0), 0.125, 1999, 13},
        {at(1999, 2, 28, 6, 0, 0), -307.875, 1998, 14},
    };
    for (const J2000Case& c : cases) {
        BodyClock clock;
        const double T = j2000_time_arg(c.reading, clock);
        const DateParts p = split_datetime(c.reading);
        const double seconds = 3600.0 * p.hour + 60.0 * p.minute + p.second;
        EXPECT_DOUBLE_EQ(T, (c.K + (seconds + 64) / 86400) / 365.25);
        EXPECT_EQ(clock.body_year, c.year);
        EXPECT_EQ(clock.body_month, c.month);
        EXPECT_EQ(clock.body_hour, p.hour);
        EXPECT_EQ(clock.body_minute, p.minute);
        EXPECT_EQ(clock.body_second, p.second);
    }
    BodyClock clock;
    EXPECT_EQ(j2000_time_arg(at(2000, 1, 1, 20, 58, 56), clock), 0.0);
}

TEST(BodyTime, MarsArgument) {
    BodyClock clock;
    EXPECT_DOUBLE_EQ(mars_epoch_time_arg(at(1975, 1, 1, 0, 0), clock), 1 / 365.25);
    EXPECT_DOUBLE_EQ(mars_epoch_time_arg(at(2000, 1, 1, 0, 0), clock), 9132 / 365.25);
    EXPECT_EQ(clock.body_year, 2000);  // no January rule here
    EXPECT_EQ(clock.body_month, 1);
    EXPECT_DOUBLE_EQ(mars_epoch_time_arg(at(1999, 12, 31, 6, 0), clock), 25.0);
    EXPECT_EQ(clock.body_hour, 6);
}

TEST(BodyTime, MinutesFromAStart) {
    BodyClock a, b;
    const DateTime start = at(2005, 6, 1, 0, 0);
    EXPECT_DOUBLE_EQ(time_arg_at(start, 1440, a), j2000_time_arg(at(2005, 6, 2, 0, 0), b));
    EXPECT_EQ(a.body_day, 2);
    time_arg_at(start, 1439, a);
    EXPECT_EQ(a.body_hour, 23);
    EXPECT_EQ(a.body_minute, 59);
}

// A local reading goes to UTC+9 by 9 - JISA hours, a fractional JISA exactly.
TEST(BodyTime, ReadingMovesToUtcPlus9) {
    struct Case {
        double jisa;
        DateTime local, utc9;
    };
    const Case cases[] = {
        {9, at(2000, 1, 1, 20, 58, 56), at(2000, 1, 1, 20, 58, 56)},
        {0, at(2000, 1, 1, 11, 58, 56), at(2000, 1, 1, 20, 58, 56)},
        {5.5, at(2000, 1, 1, 15, 28, 56), at(2000, 1, 1, 18, 58, 56)},
        {-3.5, at(2000, 1, 1, 0, 0, 0), at(2000, 1, 1, 12, 30, 0)},
        {10, at(2000, 1, 1, 0, 30, 0), at(1999, 12, 31, 23, 30, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(to_utc9(c.local, c.jisa), c.utc9, 1e-9) << "JISA " << c.jisa;
    }
    EXPECT_EQ(to_utc9(at(2000, 1, 1, 20, 58, 56), 9), at(2000, 1, 1, 20, 58, 56));
}

// The clock, unless a time control is active: then the shown time.
TEST(BodyTime, NowFollowsClockOrDisplayTime) {
    platform::clock_fix({2000, 1, 1, 11, 58, 56});
    TimeState ts;
    set_time_diff(ts, 0);
    ts.display_time = at(2000, 1, 2, 11, 58, 56);
    BodyClock clock;
    EXPECT_EQ(time_arg_now(ts, clock), 0.0);
    EXPECT_EQ(clock.body_hour, 20);

    const double next_day = 1 / 365.25;
    ts.time_day_offset = 1;
    EXPECT_NEAR(time_arg_now(ts, clock), next_day, 1e-12);
    ts.time_day_offset = 0;
    ts.time_accel_steps = 1;
    EXPECT_NEAR(time_arg_now(ts, clock), next_day, 1e-12);
    ts.time_accel_steps = 0;
    ts.time_minute_offset_on = 1;
    EXPECT_NEAR(time_arg_now(ts, clock), next_day, 1e-12);
    ts.time_minute_offset_on = 0;
    ts.time_half_days = 1;  // not a control the bodies follow
    EXPECT_EQ(time_arg_now(ts, clock), 0.0);

    // Mars reads the same instant: 2000-01-01 20:58:56 in UTC+9.
    EXPECT_NEAR(time_arg_mars(ts, clock), (9132 + (20 * 3600 + 58 * 60 + 56) / 86400.0) / 365.25, 1e-12);
    platform::clock_release();
}

}  // namespace
