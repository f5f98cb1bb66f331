// One update of the Sun, the Moon and Mars for the own station.
#include "orbit/bodies.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/clock.h"
#include "support/date_at.h"

namespace {

using namespace torv;

torv::OwnStation station(double lon, double lat) {
    torv::OwnStation st;
    st.station_lon = lon;
    st.station_lat = lat;
    return st;
}

const OwnStation kTokyo = station(139.7, 35.7);

// The bodies at an instant (UTC) for a station whose local time is jisa hours ahead.
BodyState update_at(const platform::ClockReading& utc, double jisa, const OwnStation& st = kTokyo) {
    platform::clock_fix(utc);
    TimeState ts;
    set_time_diff(ts, jisa);
    BodyState bs;
    sun_moon_mars_update(bs, ts, st);
    platform::clock_release();
    return bs;
}

TEST(Bodies, SunAtLocalNoonInMidsummer) {
    // Tokyo's solar noon on 21 June 2005 is about 11:43 local time, 02:43 UTC.
    const BodyState bs = update_at({2005, 6, 21, 2, 43, 0}, 9);
    EXPECT_NEAR(bs.sun_el, 90 - 35.7 + 23.44, 0.2);
    EXPECT_NEAR(bs.sun_az, 180, 3);
    EXPECT_NEAR(bs.sun_sub_lat, 23.44, 0.01);
    EXPECT_NEAR(bs.sun_sub_lon, 139.7, 1);
    EXPECT_NEAR(bs.body_dist[kSun], bs.sun_height, 1e3);  // nearly overhead: 12,000 km less
    EXPECT_NEAR(bs.sun_distance, 1.5203e8, 0.0005e8);        // near aphelion
}

TEST(Bodies, EachBodyFilled) {
    const BodyState bs = update_at({2000, 1, 1, 11, 58, 56}, 9);
    EXPECT_EQ(bs.body_time_arg, 0.0);  // the Moon's J2000 argument
    EXPECT_EQ(bs.clock.body_year, 2000);  // the Mars reading, without the January rule
    EXPECT_EQ(bs.clock.body_month, 1);
    EXPECT_NEAR(bs.moon_distance, 4.023621e5, 0.05);
    EXPECT_NEAR(bs.sun_distance, 1.471038e8, 50);
    EXPECT_NEAR(bs.moon_sub_lat, bs.moon_dec, 0);
    EXPECT_NEAR(bs.mars_height, bs.mars_distance * 1.4959787e8 - 6377.397155, 1e-6);
    for (double el : {bs.sun_el, bs.moon_el, bs.mars_el}) {
        EXPECT_GE(el, -90);
        EXPECT_LE(el, 90);
    }
    for (double az : {bs.sun_az, bs.moon_az, bs.mars_az}) {
        EXPECT_GE(az, 0);
        EXPECT_LT(az, 360);
    }
    // Mars at about 1.85 AU from the Earth, in the evening sky of the station.
    EXPECT_NEAR(bs.mars_distance, 1.845, 0.01);
    EXPECT_GT(bs.body_dist[kMars], 2.7e8);
}

// One instant gives the same sky whatever the station's time difference.
TEST(Bodies, SameSkyUnderEveryOffset) {
    const BodyState jst = update_at({2005, 6, 21, 12, 0, 0}, 9);
    const BodyState utc = update_at({2005, 6, 21, 12, 0, 0}, 0);
    const BodyState ist = update_at({2005, 6, 21, 12, 0, 0}, 5.5);
    for (const BodyState* other : {&utc, &ist}) {
        EXPECT_EQ(other->sun_az, jst.sun_az);
        EXPECT_EQ(other->sun_el, jst.sun_el);
        EXPECT_EQ(other->moon_az, jst.moon_az);
        EXPECT_EQ(other->moon_el, jst.moon_el);
        EXPECT_EQ(other->mars_az, jst.mars_az);
        EXPECT_EQ(other->mars_el, jst.mars_el);
        EXPECT_EQ(other->body_dist, jst.body_dist);
    }
}

TEST(Bodies, FollowTheShownTimeWhileATimeControlIsActive) {
    platform::clock_fix({2005, 6, 21, 3, 0, 0});  // noon in Tokyo
    TimeState ts;
    set_time_diff(ts, 9);
    ts.display_time = at(2005, 6, 22, 0, 0);
    BodyState now, shown;
    sun_moon_mars_update(now, ts, kTokyo);
    ts.time_day_offset = 1;
    sun_moon_mars_update(shown, ts, kTokyo);
    platform::clock_release();
    EXPECT_GT(now.sun_el, 0);
    EXPECT_LT(shown.sun_el, 0);  // midnight
    EXPECT_EQ(shown.clock.body_day, 22);
}

}  // namespace
