#include "mainwindow/chart_pick.h"

#include <gtest/gtest.h>

using namespace torv;

TEST(ChartPick, DayTips) {
    struct Case {
        int16_t day_offset, shift;
        bool same_day;
        const char* left;
        const char* right;
    };
    const Case cases[] = {
        {0, 0, true, "本日", "本日"},   {0, 0, false, "本日", "本日"}, {0, 1, true, "本日", "翌日"},
        {0, 1, false, "前日", "本日"},  {2, 1, true, "2日後", "3日後"}, {2, 1, false, "2日後", "3日後"},
        {3, 0, true, "3日後", "3日後"}, {12, 0, true, "12日後", "12日後"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chart_day_tip(true, c.day_offset, c.shift, c.same_day), c.left) << c.day_offset << c.shift;
        EXPECT_EQ(chart_day_tip(false, c.day_offset, c.shift, c.same_day), c.right) << c.day_offset << c.shift;
    }
}

TEST(ChartPick, ClickedMinuteBecomesTheOffsetFromTheClock) {
    struct Case {
        double x, now_min;
        int16_t shift;
        std::optional<int16_t> offset;
    };
    const Case cases[] = {
        {960, 600, 0, -600},     // 10:00:00, the chart's start: midnight
        {6000, 600, 0, 840},     // its end: the next midnight
        {960, 600, 1, 120},      // shifted: the chart starts at noon
        {2010, 600.5, 0, -300},  // 10:00:30 and minute 300: -300.5 goes to the even minute
        {2013.5, 600.5, 0, -300},  // minute 301 less 600.5: -299.5 also to the even minute
        {959, 600, 0, std::nullopt},
        {6001, 600, 0, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(picked_minute_offset(c.x, c.now_min, c.shift), c.offset) << c.x;
}
