#include "mainwindow/map_geometry.h"

#include <gtest/gtest.h>

#include "support/map_fixture.h"

using namespace torv;

TEST(MapGeometry, WorldMapPositionsForBothMapStarts) {
    struct Case {
        const char* start_tizu;
        double lon, x;
    };
    const Case cases[] = {
        {"1", 0, 0}, {"1", 135, 270}, {"1", -0.5, 719}, {"1", 180, 360},
        {"0", -20, 0}, {"0", 0, 40}, {"0", 135, 310}, {"0", -20.5, 719}, {"0", -180, 400}, {"X", 0, 40},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(world_map_x(c.lon, c.start_tizu), c.x) << c.start_tizu << " " << c.lon;
    EXPECT_DOUBLE_EQ(world_map_y(90), 180);
    EXPECT_DOUBLE_EQ(world_map_y(-90), -180);
}

TEST(MapGeometry, WorldGraticuleEveryThirtyDegrees) {
    MapFixture f;
    f.main_map.Cls();
    f.world_zoom.Cls();
    draw_map_graticules(f.ctx);
    // Parallels at 0 and 30 N, a meridian at 30 E; nothing between them.
    EXPECT_EQ(f.main_map.Point(100, 0), kWhite);
    EXPECT_EQ(f.main_map.Point(100, 60), kWhite);
    EXPECT_EQ(f.main_map.Point(60, 100), kWhite);
    EXPECT_NE(f.main_map.Point(100, 100), kWhite);
    EXPECT_EQ(f.world_zoom.Point(60, 100), kWhite);

    f.settings.start_tizu = "0";
    f.main_map.Cls();
    f.world_zoom.Cls();
    draw_map_graticules(f.ctx);
    EXPECT_EQ(f.main_map.Point(40, 100), kWhite);   // the 0 meridian
    EXPECT_NE(f.main_map.Point(60, 100), kWhite);
    EXPECT_EQ(f.main_map.Point(0, 100), kWhite);    // the left edge, main map only
    EXPECT_NE(f.world_zoom.Point(0, 100), kWhite);
}

TEST(MapGeometry, ZoomGridFromTheRoundedEdgesWithLabels) {
    MapFixture f;
    f.local_zoom.Cls();
    draw_zoom_grid(f.local_zoom);
    for (int lon = 120; lon < 150; lon += 5) EXPECT_TRUE(colour_near(f.local_zoom, lon, 33, kGreen)) << lon;
    for (int lat = 25; lat <= 50; lat += 5) EXPECT_TRUE(colour_near(f.local_zoom, 137, lat, kGreen)) << lat;
    EXPECT_FALSE(colour_near(f.local_zoom, 137, 33, kGreen));
    // Labels in red hang from the top edge beside each meridian.
    EXPECT_TRUE(reddish_text_in(f.local_zoom, 130, 50, 132, 49));
    EXPECT_FALSE(reddish_text_in(f.local_zoom, 132, 48, 134, 46));

    // A centre off the 5-degree lattice starts the grid at the rounded edge.
    set_local_zoom_scale(f.partner_zoom, 137.6, 35);
    f.partner_zoom.Cls();
    draw_zoom_grid(f.partner_zoom);
    EXPECT_TRUE(colour_near(f.partner_zoom, 123, 33, kGreen));  // the edge 122.6 rounds to 123
    EXPECT_TRUE(colour_near(f.partner_zoom, 148, 33, kGreen));
    EXPECT_FALSE(colour_near(f.partner_zoom, 125, 33, kGreen));

    set_asia_zoom_scale(f.local_zoom);
    f.local_zoom.Cls();
    draw_zoom_grid(f.local_zoom);
    EXPECT_TRUE(colour_near(f.local_zoom, 95, 33, kGreen));
    EXPECT_TRUE(colour_near(f.local_zoom, 137, 5, kGreen));
}
