#include "orbit/element_stamps.h"

#include <gtest/gtest.h>

using namespace torv;

namespace {

TEST(ElementStamps, StampTextAndItsReading) {
    EXPECT_EQ(stamp_text({2025, 5, 3, 7, 8, 9}), "2025/05/03 07:08:09");
    const auto t = parse_stamp("2025/05/03 07:08:09");
    ASSERT_TRUE(t);
    EXPECT_EQ(*t, make_datetime({2025, 5, 3, 7, 8, 9}));
    for (const char* bad : {"0000000000", "000000000000", "2025/02/30 00:00:00", "2025/13/01 00:00:00",
                            "2025/05/03 24:00:00", "2025-05-03 07:08:09", "2025/05/03", ""})
        EXPECT_FALSE(parse_stamp(bad)) << bad;
}

TEST(ElementStamps, StaleFromTenCalendarDaysOn) {
    const platform::ClockReading today{2025, 5, 13, 0, 0, 1};
    struct Case {
        const char* stamp;
        int16_t stale;
    };
    const Case cases[] = {
        {"2025/05/03 23:59:59", 1},  // ten days before, whatever the time of day
        {"2025/05/04 00:00:00", 0},  // nine days
        {"2025/05/13 00:00:00", 0},
        {"000000000000", 1},         // missing stamp
        {"0000000000", 1},
        {"9E99/05/13 00:00:00", 1},  // a damaged year is no date: as old as a missing stamp
        {"-1E9/05/13 00:00:00", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(elements_stale_flag(c.stamp, today), c.stale) << c.stamp;
}

TEST(ElementStamps, AUsableStampIsTheNeverUpdatedTextOrOneAtMostTwoDaysAhead) {
    const platform::ClockReading now{2025, 5, 13, 12, 0, 0};
    const std::pair<const char*, bool> cases[] = {
        {"000000000000", true},  // never updated, as each reader keeps it
        {"0000000000", true},
        {"2025/05/13 12:00:00", true},
        {"2001/01/01 00:00:00", true},
        {"2025/05/15 12:00:00", true},  // a change of the time difference moves the clock this far
        {"2025/05/15 12:00:01", false},
        {"2099/12/31 23:59:59", false},
        {"2025/02/30 00:00:00", false},  // no date
        {"1E300", false},
        {"", false},
        {"00000000", false},
    };
    for (const auto& [stamp, usable] : cases) EXPECT_EQ(usable_stamp(stamp, now), usable) << stamp;
}

TEST(ElementStamps, CaptionTooltipAndFixedFileStamp) {
    ElementUpdateState st;
    EXPECT_EQ(element_date_caption(st), "000000000000  ORB04008");
    take_stamp_from_line1(st, "1 28375U 04025K   25120.50000000  .00000123  00000-0  12345-4 0  9996",
                          {2025, 5, 3, 12, 0, 0});
    EXPECT_EQ(st.kidoukousin_orbit, "25120");
    EXPECT_EQ(element_date_caption(st), "2025/05/03 12:00:00  ORB25120");
    EXPECT_EQ(element_date_tooltip("0"), "クリックすると軌道要素更新へ移動");
    EXPECT_EQ(element_date_tooltip("1"), "クリックすると軌道要素更新へ移動");
    EXPECT_EQ(element_date_tooltip("2"), "torv_solid.elmの軌道要素ファイルを参照中");
    EXPECT_EQ(element_date_tooltip("3"), "");
}

}  // namespace
