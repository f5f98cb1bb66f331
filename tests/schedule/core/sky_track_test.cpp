#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "schedule/sky_track.h"

using namespace torv;

namespace {

// A day of elevations (index 0..1440, index 0 holding 0 as the tables do): down (-0.2)
// everywhere except the given minutes, which are up (0.3) or exactly on the horizon (0).
struct Day {
    std::vector<double> el = std::vector<double>(1441, -0.2);
    Day() { el[0] = 0; }
    Day& up(int first, int last) {
        for (int m = first; m <= last; ++m) el[static_cast<size_t>(m)] = 0.3;
        return *this;
    }
    Day& on_horizon(int m) {
        el[static_cast<size_t>(m)] = 0;
        return *this;
    }
};

struct PassCase {
    const char* what;
    Day day;
    int c;
    TrackRange expected;
};

}  // namespace

TEST(NearestPass, RunsFromTheMinuteBeforeRisingOrTheFirstMinuteUpToTheFirstMinuteDown) {
    const PassCase cases[] = {
        {"coming pass", Day().up(600, 610), 500, {600, 611}},
        {"pass in progress", Day().up(600, 610), 605, {599, 611}},
        {"up since the chart began", Day().up(1, 30), 20, {1, 31}},
        {"no further pass in the day", Day().up(100, 110), 1200, {1439, 1439}},
        {"pass running past the day's end", Day().up(1430, 1440), 1000, {1430, 1439}},
        {"current minute on the horizon, rising", Day().on_horizon(700).up(701, 710), 700, {700, 700}},
        {"midnight: from minute 1", Day().up(50, 60), 0, {50, 61}},
        {"passes after a later one are not taken", Day().up(300, 305).up(900, 905), 200, {300, 306}},
    };
    for (const PassCase& k : cases) {
        const TrackRange r = find_nearest_pass(k.day.el, k.c);
        EXPECT_EQ(r.start, k.expected.start) << k.what;
        EXPECT_EQ(r.end, k.expected.end) << k.what;
    }
}

TEST(NearestPass, ASetEndingOnTheHorizonEndsThere) {
    Day day;
    day.up(600, 604).on_horizon(605);
    const TrackRange r = find_nearest_pass(day.el, 602);
    EXPECT_EQ(r.start, 599);
    EXPECT_EQ(r.end, 605);
}

TEST(ChartMinute, CountsFromMidnightOrFromNoonWhenShifted) {
    EXPECT_EQ(chart_minute_of(13, 0, false), 780);
    EXPECT_EQ(chart_minute_of(12, 30, true), 30);
    EXPECT_EQ(chart_minute_of(0, 5, true), 725);
    EXPECT_EQ(chart_minute_of(11, 59, true), 1439);
    EXPECT_EQ(chart_minute_of(0, 0, false), 0);
}

TEST(TrackJoins, NoSegmentAcrossNorth) {
    EXPECT_FALSE(track_joins(359, 1));
    EXPECT_FALSE(track_joins(0.5, 359));
    EXPECT_TRUE(track_joins(355, 5));  // exactly 350 apart still joins
    EXPECT_TRUE(track_joins(120, 121.5));
    EXPECT_TRUE(track_joins(200, 200));  // a satellite standing still
}

TEST(TimeMarks, EveryFiveMinutesLowEveryHourHighClockTimesWhenShifted) {
    constexpr double kLow = 6790, kHigh = 26000;
    const struct {
        int m;
        double a;
        bool shift;
        const char* text;  // nullptr: no mark
    } cases[] = {
        {125, kLow, false, "02:05"}, {127, kLow, false, nullptr}, {60, kLow, false, "01:00"},
        {120, kHigh, false, "02:00"}, {125, kHigh, false, nullptr}, {1435, kLow, false, "23:55"},
        {725, kLow, true, "00:05"},  {60, kLow, true, "13:00"},     {780, kHigh, true, "01:00"},
        {5, 10000, false, "00:05"},  // 10000 km is not yet high
    };
    for (const auto& k : cases) {
        const auto text = time_mark_text(k.m, k.a, k.shift);
        if (!k.text) EXPECT_FALSE(text.has_value()) << k.m;
        else {
            ASSERT_TRUE(text.has_value()) << k.m;
            EXPECT_EQ(*text, k.text) << k.m;
        }
    }
}

TEST(Ao40Squint, ColouredOnlyWhenKnownAndWithinTheLimit) {
    EXPECT_TRUE(ao40_squint_colored(5, 10));
    EXPECT_TRUE(ao40_squint_colored(10, 10));
    EXPECT_FALSE(ao40_squint_colored(15, 10));
    EXPECT_FALSE(ao40_squint_colored(-1, 10));  // no usable attitude
}

TEST(SkyState, DayFromTenDegreesDuskAboveTheHorizonNightBelow) {
    const std::pair<double, SkyState> cases[] = {{45, SkyState::Day},   {10, SkyState::Day},
                                                 {9.9, SkyState::Dusk}, {0.1, SkyState::Dusk},
                                                 {0, SkyState::Night},  {-20, SkyState::Night}};
    for (const auto& [el, state] : cases) EXPECT_EQ(sky_state_of(el), state) << el;
}
