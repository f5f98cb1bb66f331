#include <gtest/gtest.h>

#include "common/datetime.h"

using namespace torv;

TEST(DateTime, DayCountsFromTheEpoch) {
    EXPECT_DOUBLE_EQ(date_serial(1899, 12, 30), 0);
    EXPECT_DOUBLE_EQ(date_serial(1900, 1, 1), 2);
    EXPECT_DOUBLE_EQ(date_serial(2000, 1, 1), 36526);
    EXPECT_DOUBLE_EQ(date_serial(2005, 1, 27), 38379);
    // Months and days run over into the next ones.
    EXPECT_DOUBLE_EQ(date_serial(2004, 13, 1), date_serial(2005, 1, 1));
    EXPECT_DOUBLE_EQ(date_serial(2005, 3, 0), date_serial(2005, 2, 28));
    EXPECT_DOUBLE_EQ(date_serial(2004, 0, 1), date_serial(2003, 12, 1));
}

TEST(DateTime, SplitsBackToTheSecond) {
    const DateParts in{2005, 1, 27, 1, 25, 0};
    const DateParts out = split_datetime(make_datetime(in));
    EXPECT_EQ(out.year, 2005);
    EXPECT_EQ(out.month, 1);
    EXPECT_EQ(out.day, 27);
    EXPECT_EQ(out.hour, 1);
    EXPECT_EQ(out.minute, 25);
    EXPECT_EQ(out.second, 0);
    // 23:59:59.6 rounds into the next day.
    const DateParts next = split_datetime(date_serial(2000, 2, 28) + 86399.6 / 86400.0);
    EXPECT_EQ(next.month, 2);
    EXPECT_EQ(next.day, 29);
    EXPECT_EQ(next.hour, 0);
}

TEST(DateTime, StepsAreExactIncludingFractionalHours) {
    const DateTime t = make_datetime({2026, 12, 10, 9, 0, 0});
    const DateParts utc = split_datetime(add_hours(t, -5.5));
    EXPECT_EQ(utc.hour, 3);
    EXPECT_EQ(utc.minute, 30);
    // Ten thousand one-minute steps land exactly on the minute.
    DateTime s = t;
    for (int i = 0; i < 10080; ++i) s = add_minutes(s, 1);
    EXPECT_EQ(to_milliseconds(s), to_milliseconds(add_days(t, 7)));
}

TEST(DateTime, Weekday) {
    EXPECT_EQ(weekday(date_serial(1899, 12, 30)), 7);  // Saturday
    EXPECT_EQ(weekday(date_serial(2026, 12, 10)), 5);  // Thursday
    EXPECT_EQ(weekday(date_serial(2000, 1, 2)), 1);    // Sunday
}
