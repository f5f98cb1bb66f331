#include <gtest/gtest.h>

#include <cmath>

#include "mainwindow/radar_view.h"
#include "orbit/geodesy.h"

using namespace torv;

TEST(RadarView, ProjectionZenithHorizonAndBelow) {
    const double W = 3000, H = 3000;
    const struct {
        double az, el, x, y;
    } cases[] = {
        {0, 90, 1500, 1500},       // the zenith at the centre
        {0, 0, 1500, 0},           // north on the horizon, up
        {90, 0, 3000, 1500},       // east to the right
        {180, 30, 1500, 2500},     // 30 degrees up in the south
        {270, -10, -166.667, 1500},  // below the horizon: outside the circle by 1/9 of its radius
    };
    for (const auto& c : cases) {
        const RadarPoint p = radar_point(W, H, deg_to_rad(c.az), c.el);
        EXPECT_NEAR(p.x, c.x, 1e-3) << c.az << " " << c.el;
        EXPECT_NEAR(p.y, c.y, 1e-3) << c.az << " " << c.el;
    }
}

TEST(RadarView, CaptionsAndTheirSide) {
    const struct {
        double az, el;
        const char* az_text;
        const char* el_text;
        bool left;
    } cases[] = {
        {7.6, 5.34, "方位008", "仰角05.3", true}, {359.7, 12, "方位360", "仰角12.0", false},
        {0, 0, "方位000", "仰角00.0", true},      {90, 45, "方位090", "仰角45.0", true},
        {180, 1, "方位180", "仰角01.0", true},    {180.5, 1, "方位181", "仰角01.0", false},
        {359, 1, "方位359", "仰角01.0", false},
    };
    for (const auto& c : cases) {
        const RadarCaption r = radar_caption(c.az, c.el);
        EXPECT_EQ(r.az_text, c.az_text) << c.az;
        EXPECT_EQ(r.el_text, c.el_text) << c.az;
        EXPECT_EQ(r.left, c.left) << c.az;
        EXPECT_EQ(r.leader_dx, c.left ? -920 : 920);
        EXPECT_EQ(r.text_dx, c.left ? -900 : 280);
    }
}
