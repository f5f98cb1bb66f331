#include "mainwindow/doppler_display.h"

#include <gtest/gtest.h>

using namespace torv;

TEST(DopplerTexts, RecedingSatelliteAtFiveKmPerSecond) {
    const double k = 300000.0 / (5 + 300000.0);
    const DopplerTexts t = doppler_texts(5, k, {1, 2, 4});
    EXPECT_EQ(t.text14, "0.999983333611106");
    EXPECT_EQ(t.label25, "5.00 Km/S");
    EXPECT_EQ(t.text7, "5000.00");
    ASSERT_TRUE(t.rows[0] && t.rows[1] && t.rows[2]);
    EXPECT_EQ(t.rows[0]->value, "-2.43 KHZ");
    EXPECT_EQ(t.rows[0]->band, "146M");
    EXPECT_EQ(t.rows[1]->value, "-7.27 KHZ");
    EXPECT_EQ(t.rows[1]->band, "436M");
    EXPECT_EQ(t.rows[2]->value, "-40.02 KHZ");
    EXPECT_EQ(t.rows[2]->band, "2.4G");
}

TEST(DopplerTexts, ApproachingAndStillSatellites) {
    const DopplerTexts approaching = doppler_texts(-5.123, 300000.0 / (300000.0 - 5.123), {3, 5, 2});
    EXPECT_EQ(approaching.label25, "-5.12 Km/S");
    EXPECT_EQ(approaching.text7, "-5123.00");
    EXPECT_EQ(approaching.rows[0]->band, "1.2G");
    EXPECT_EQ(approaching.rows[1]->band, "29M");
    EXPECT_EQ(approaching.rows[0]->value.front(), '2');  // a positive shift
    const DopplerTexts still = doppler_texts(0, 1.0, {1, 2, 4});
    EXPECT_EQ(still.text14, "1");
    EXPECT_EQ(still.label25, "0.00 Km/S");
    for (const auto& row : still.rows) EXPECT_EQ(row->value, "0.00 KHZ");
}

TEST(DopplerTexts, BandCodeOutsideOneToFiveLeavesTheRow) {
    const DopplerTexts t = doppler_texts(1, 300000.0 / 300001.0, {0, 6, 5});
    EXPECT_FALSE(t.rows[0]);
    EXPECT_FALSE(t.rows[1]);
    EXPECT_TRUE(t.rows[2]);
}
