#include "mainwindow/body_maps.h"

#include <gtest/gtest.h>

#include "support/map_fixture.h"

using namespace torv;

namespace {

constexpr platform::ColorValue kMarsColour = 4227327, kSunColour = 65535, kMoonColour = 16777088;

struct BodyFixture : MapFixture {
    BodyFixture() {
        settings.kasei_color = kMarsColour;
        settings.sun_color = kSunColour;
        settings.moon_color = kMoonColour;
        bodies.mars_height = 7.8e7;
        bodies.sun_height = 1.496e8;
        bodies.moon_height = 3.8e5;
    }
    void only_mars(double lon, double lat, int16_t mode) {
        settings.kasei_disp = mode;
        bodies.mars_sub_lon = lon;
        bodies.mars_sub_lat = lat;
    }
    bool green_at(platform::PictureBox& box, int x, int y) { return box.image().pixelColor(x, y) == QColor(0, 255, 0); }
};

}  // namespace

TEST(BodyMaps, SubPointOnEveryMapWithTheLongitudeRewrittenOnceForTheMapStartingAt20W) {
    struct Case {
        const char* start_tizu;
        double lon, x, shared_lon, local_x, partner_x;
    };
    const Case cases[] = {
        {"0", 350, 20, -10, 350, -10},
        {"0", 342, 4, -18, 342, 342},
        {"1", 350, 700, 350, 350, 350},
        {"0", 100, 240, 100, 100, 100},
    };
    for (const Case& c : cases) {
        BodyFixture f;
        f.settings.start_tizu = c.start_tizu;
        f.only_mars(c.lon, 5, 1);
        set_local_zoom_scale(f.local_zoom, c.local_x, 5);
        set_local_zoom_scale(f.partner_zoom, c.partner_x, 5);
        draw_bodies(f.ctx, f.bodies, BodyIcons{});
        draw_bodies(f.ctx, f.bodies, BodyIcons{});  // the rewritten value is not rewritten again
        EXPECT_DOUBLE_EQ(f.bodies.mars_sub_lon, c.shared_lon) << c.lon;
        const BodyMarkers& t = f.view.body_markers;
        EXPECT_DOUBLE_EQ(t.body_map_x[kMars], c.x) << c.lon;
        EXPECT_DOUBLE_EQ(t.body_map_y[kMars], 10) << c.lon;
        EXPECT_DOUBLE_EQ(t.body_lon[kMars], c.shared_lon) << c.lon;
        EXPECT_DOUBLE_EQ(t.body_lat[kMars], 5) << c.lon;
        EXPECT_EQ(f.main_map.Point(c.x, 10), kMarsColour) << c.lon;
        EXPECT_TRUE(colour_near(f.main_map, c.x + 7, 10, kBlack)) << c.lon;  // the black rim
        EXPECT_EQ(f.world_zoom.Point(c.x, 10), kMarsColour) << c.lon;
        // The dot on the zoom maps sits 0.9 degree west of the sub-point.
        EXPECT_EQ(f.local_zoom.Point(c.local_x - 0.9, 5), kMarsColour) << c.lon;
        EXPECT_EQ(f.partner_zoom.Point(c.partner_x - 0.9, 5), kMarsColour) << c.lon;

        // A map window draws the bodies from the table alone, at the same places.
        for (auto [box, map, x] : {std::tuple{&f.local_zoom, ZoomMap::Local, c.local_x},
                                   std::tuple{&f.partner_zoom, ZoomMap::Partner, c.partner_x}}) {
            box->Cls();
            draw_bodies_on_zoom_map(*box, map, 396, 396, t, f.settings, BodyIcons{});
            EXPECT_EQ(box->Point(x - 0.9, 5), kMarsColour) << c.lon;
        }
    }
}

TEST(BodyMaps, IconsHangFromTheirCornerPixelsAndAMissingIconDrawsTheDot) {
    BodyFixture f;
    f.only_mars(180, 0, 2);  // x 360, y 0
    set_local_zoom_scale(f.local_zoom, 180, 0);
    draw_bodies(f.ctx, f.bodies, green_icons());
    // Enlarged world map: (360 x 903 / 720 - 10, 180 x 453 / 360 - 10) = (441.5, 216.5), rounded to even.
    EXPECT_TRUE(f.green_at(f.world_zoom, 442, 216));
    EXPECT_TRUE(f.green_at(f.world_zoom, 471, 245));
    EXPECT_FALSE(f.green_at(f.world_zoom, 441, 216));
    EXPECT_FALSE(f.green_at(f.world_zoom, 442, 215));
    // Local zoom map (165..195 E, 15 N..15 S over 396 pixels): (15 x 13.2 - 15, 15 x 13.2 - 10) = (183, 188).
    EXPECT_TRUE(f.green_at(f.local_zoom, 183, 188));
    EXPECT_FALSE(f.green_at(f.local_zoom, 182, 188));
    EXPECT_FALSE(f.green_at(f.local_zoom, 183, 187));
    EXPECT_EQ(f.main_map.Point(360, 0), kMarsColour);  // the main map always shows the dot

    for (int16_t mode : {2, 3}) {  // the icon file was missing at start-up
        BodyFixture g;
        g.only_mars(180, 0, mode);
        set_local_zoom_scale(g.local_zoom, 180, 0);
        draw_bodies(g.ctx, g.bodies, BodyIcons{});
        EXPECT_EQ(g.world_zoom.Point(360, 0), kMarsColour) << mode;
        EXPECT_EQ(g.local_zoom.Point(179.1, 0), kMarsColour) << mode;
    }
}

TEST(BodyMaps, VisibilityCircleByModeAndHeight) {
    struct Case {
        int16_t mode;
        double height;
        bool marker, ring;
    };
    const Case cases[] = {
        {0, 1.496e8, false, false}, {1, 1.496e8, true, true},  {2, 1.496e8, true, true},
        {3, 1.496e8, true, false},  {1, 0, true, false},       {1, -5, true, false},
    };
    for (const Case& c : cases) {
        BodyFixture f;
        f.view.body_markers.body_map_x[kSun] = 123;  // where it was drawn before
        f.settings.sun_disp = c.mode;
        f.bodies.sun_sub_lat = 0;
        f.bodies.sun_sub_lon = 0;
        f.bodies.sun_height = c.height;
        draw_bodies(f.ctx, f.bodies, BodyIcons{});
        EXPECT_EQ(f.main_map.Point(0.5, 0) == kSunColour, c.marker) << c.mode << " " << c.height;
        EXPECT_DOUBLE_EQ(f.view.body_markers.body_map_x[kSun], c.marker ? 0 : 123) << c.mode;
        // Nearly a great circle: it runs through the poles along 90 E and 90 W.
        EXPECT_EQ(colour_near(f.main_map, 180, 60, kSunColour, 2), c.ring) << c.mode << " " << c.height;
        EXPECT_EQ(colour_near(f.main_map, 540, -60, kSunColour, 2), c.ring) << c.mode << " " << c.height;
    }
}

TEST(BodyMaps, MarsThenSunThenMoonSoTheMoonLiesOnTop) {
    BodyFixture f;
    for (int16_t* mode : {&f.settings.sun_disp, &f.settings.moon_disp, &f.settings.kasei_disp}) *mode = 3;
    f.bodies.mars_sub_lon = f.bodies.sun_sub_lon = f.bodies.moon_sub_lon = 100;
    f.bodies.mars_sub_lat = f.bodies.sun_sub_lat = f.bodies.moon_sub_lat = 20;
    draw_bodies(f.ctx, f.bodies, BodyIcons{});
    EXPECT_EQ(f.main_map.Point(200, 40), kMoonColour);
    for (int i : {kSun, kMoon, kMars}) EXPECT_DOUBLE_EQ(f.view.body_markers.body_map_x[i], 200) << i;
}
