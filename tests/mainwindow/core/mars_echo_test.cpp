#include "mainwindow/mars_echo.h"

#include <gtest/gtest.h>

using namespace torv;

namespace {
const DateTime kClick = make_datetime({2018, 1, 21, 12, 0, 0});
DateTime after(double seconds) { return add_seconds(kClick, seconds); }
}  // namespace

TEST(MarsEcho, CountsDownTheRoundTripWarnsOnceAndClears) {
    MarsEchoState s;
    mars_echo_start(s, 78'000'000, kClick);  // 520 s there and back
    EXPECT_EQ(s.mars_echo_state, 1);
    EXPECT_EQ(mars_echo_caption(s, kClick), "残り08分40秒");

    MarsEchoTick t = mars_echo_tick(s, after(339));
    EXPECT_EQ(t.caption, "残り03分01秒");
    EXPECT_FALSE(t.warn);
    t = mars_echo_tick(s, after(341));
    EXPECT_TRUE(t.warn);
    EXPECT_EQ(s.mars_echo_state, 2);
    EXPECT_FALSE(mars_echo_tick(s, after(342)).warn);  // the sound plays once

    t = mars_echo_tick(s, after(520));  // the echo is back at this very instant: not yet over
    EXPECT_FALSE(t.cleared);
    t = mars_echo_tick(s, after(520.9));
    EXPECT_TRUE(t.cleared);
    EXPECT_EQ(s.mars_echo_state, 0);
    EXPECT_FALSE(mars_echo_tick(s, after(600)).caption);  // idle: the label is left alone
}

TEST(MarsEcho, ShortOrLateCountsAndRestarts) {
    struct Case {
        double distance_km, tick_s;
        bool warn, cleared;
    };
    const Case cases[] = {
        {27'000'000, 0.9, true, false},     // 180 s round trip: warned at the first tick
        {15'000'000, 0.9, true, false},     // 100 s: the warning time is already past
        {78'000'000, 700, false, true},     // a tick blocked for minutes: cleared, no warning
    };
    for (const Case& c : cases) {
        MarsEchoState s;
        mars_echo_start(s, c.distance_km, kClick);
        const MarsEchoTick t = mars_echo_tick(s, after(c.tick_s));
        EXPECT_EQ(t.warn, c.warn) << c.distance_km;
        EXPECT_EQ(t.cleared, c.cleared) << c.distance_km;
    }
    MarsEchoState s;
    mars_echo_start(s, 78'000'000, kClick);
    mars_echo_tick(s, after(400));  // warned
    mars_echo_start(s, 78'000'000, after(400));
    EXPECT_EQ(s.mars_echo_state, 1);  // a second click starts afresh
    EXPECT_EQ(mars_echo_caption(s, after(400)), "残り08分40秒");
}
