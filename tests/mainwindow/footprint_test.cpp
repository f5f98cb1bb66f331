#include "mainwindow/footprint.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/map_fixture.h"

using namespace torv;

namespace {

bool image_unchanged_after(platform::PictureBox& box, const std::function<void()>& draw) {
    box.Cls();
    const QImage before = box.image().copy();
    draw();
    return box.image() == before;
}

}  // namespace

TEST(Footprint, OutlineAroundTheSubPoint) {
    const auto outline = footprint_outline(35, 135, 800, "1");
    ASSERT_TRUE(outline);
    const double beta = std::acos(6377.0 / 7177.0) * 180 / kPi;
    EXPECT_NEAR(beta, 27.3, 0.05);
    // The first point is due north of the sub-point, the last one closes the outline.
    EXPECT_NEAR((*outline)[0].lat, 35 + beta, 1e-9);
    EXPECT_NEAR((*outline)[0].lon, 135, 1e-9);
    EXPECT_NEAR((*outline)[120].lat, (*outline)[0].lat, 1e-9);
    EXPECT_NEAR((*outline)[120].lon, (*outline)[0].lon, 1e-9);
    // Due south at azimuth 180; east of the sub-point at azimuth 90.
    EXPECT_NEAR((*outline)[60].lat, 35 - beta, 1e-9);
    EXPECT_GT((*outline)[30].lon, 135);
    // Map longitudes of a sub-point west of the map's start are moved by the map rule.
    const auto west = footprint_outline(0, -100, 800, "0");
    EXPECT_NEAR((*west)[0].lon, 280, 1e-9);
}

TEST(Footprint, NoCircleAtOrBelowTheGround) {
    for (double h : {0.0, -5.0, std::nan("")}) EXPECT_FALSE(footprint_outline(35, 135, h, "1")) << h;
    MapFixture f;
    f.view.local_zoom_open = f.view.partner_zoom_open = 1;
    double colour = kYellow;
    EXPECT_TRUE(image_unchanged_after(f.main_map, [&] { draw_footprint(f.ctx, 35, 135, 0, colour); }));
}

TEST(Footprint, EdgeCrossingIsSplitIntoPiecesMeetingBothEdges) {
    const auto outline = footprint_outline(0, 10, 800, "1");  // map longitude 10, reaching west of 0
    int splits = 0;
    std::array<MapLine, 2> lines;
    for (int i = 1; i < kFootprintPoints; ++i) {
        const FootprintPoint &prev = (*outline)[i - 1], &cur = (*outline)[i];
        if (world_map_lines(prev, cur, lines) != 2) continue;
        ++splits;
        const double ym = prev.lat + cur.lat;  // 2 x the mean latitude
        EXPECT_DOUBLE_EQ(lines[0].y2, ym);
        EXPECT_DOUBLE_EQ(lines[1].y1, ym);
        EXPECT_EQ(lines[0].x2 + lines[1].x1, 720);  // one piece ends on an edge, the next starts on the other
        EXPECT_DOUBLE_EQ(lines[0].x1, 2 * prev.lon);
        EXPECT_DOUBLE_EQ(lines[1].x2, 2 * cur.lon);
    }
    EXPECT_EQ(splits, 2);  // out across the left edge and back

    MapFixture f;
    f.main_map.Cls();
    double colour = kYellow;
    draw_footprint(f.ctx, 0, 10, 800, colour);
    // One piece near the left edge around 10 E, one at the right edge; nothing across the middle.
    const double beta2 = 2 * std::acos(6377.0 / 7177.0) * 180 / kPi;
    EXPECT_TRUE(colour_near(f.main_map, 20, beta2, kYellow));
    auto on_edge = [&](double x) {
        for (double y = -60; y <= 60; y += 1)
            if (colour_near(f.main_map, x, y, kYellow, 0)) return true;
        return false;
    };
    EXPECT_TRUE(on_edge(719));
    EXPECT_TRUE(on_edge(0));
    for (double x = 100; x < 660; x += 20) EXPECT_FALSE(colour_near(f.main_map, x, 0, kYellow)) << x;
}

TEST(Footprint, ZoomMapsOnlyWhileTheirWindowsAreOpen) {
    MapFixture f;
    double colour = kYellow;
    EXPECT_TRUE(image_unchanged_after(f.local_zoom, [&] { draw_footprint(f.ctx, 35, 135, 800, colour); }));
    EXPECT_TRUE(image_unchanged_after(f.partner_zoom, [&] { draw_footprint(f.ctx, 35, 135, 800, colour); }));
    f.view.local_zoom_open = f.view.partner_zoom_open = 1;
    f.local_zoom.Cls();
    f.partner_zoom.Cls();
    draw_footprint(f.ctx, 35, 135, 200, colour);  // beta about 14 degrees
    const auto outline = footprint_outline(35, 135, 200, "1");
    const FootprintPoint& south = (*outline)[60];
    EXPECT_TRUE(colour_near(f.local_zoom, south.lon, south.lat, kYellow, 2));
    EXPECT_TRUE(colour_near(f.partner_zoom, south.lon, south.lat, kYellow, 2));
}

TEST(Footprint, PartnerMapCentredNearZeroShowsWestAsNegative) {
    MapFixture f;
    f.view.partner_zoom_open = 1;
    set_local_zoom_scale(f.partner_zoom, 5, 50);
    f.partner_zoom.Cls();
    plot_footprint_local(f.ctx, 0, 355, 50, kYellow);  // a dot at map longitude 355, shown at -5
    EXPECT_TRUE(colour_near(f.partner_zoom, -5, 50, kYellow));
    EXPECT_DOUBLE_EQ(f.maps.partner_prev_x, -5);
    plot_footprint_local_wide(f.ctx, 0, 355, 50, kYellow);  // kept at 355: off this map
    EXPECT_DOUBLE_EQ(f.maps.partner_prev_x, 355);
}

TEST(Footprint, LocalZoomSkipsTheSeamAndHatchesTowardsTheSatellite) {
    MapFixture f;
    f.view.local_zoom_open = 1;
    f.local_zoom.Cls();
    const QImage blank = f.local_zoom.image().copy();
    plot_footprint_asia(f.ctx, 3, 125, 30, kYellow, 125 + 300, 31);  // a jump of 300 degrees: nothing
    EXPECT_EQ(f.local_zoom.image(), blank);

    f.orbit.calc.calc_sub_lon = 140;
    f.view.draw_sat_color = kCyan;
    f.maps.local_zoom_hatch = 1;
    plot_footprint_asia(f.ctx, 3, 125, 30, kYellow, 124, 31);
    EXPECT_TRUE(colour_near(f.local_zoom, 124.5, 30.5, kYellow));
    EXPECT_TRUE(colour_near(f.local_zoom, 133, 30, kCyan));  // the hatching line runs to 140 E

    // A point 200 degrees or more west of the satellite gets no hatching line.
    f.local_zoom.Cls();
    f.orbit.calc.calc_sub_lon = -30;  // 330
    hatch_footprint(f.ctx, f.local_zoom, 130, 30);
    EXPECT_FALSE(colour_near(f.local_zoom, 135, 30, kCyan));
}
