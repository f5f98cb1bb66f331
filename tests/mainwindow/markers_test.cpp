#include <gtest/gtest.h>

#include "mainwindow/footprint.h"
#include "mainwindow/sat_markers.h"
#include "mainwindow/station_markers.h"
#include "support/map_fixture.h"

using namespace torv;

namespace {

// A satellite picture of one colour; black would be transparent.
StdPicture green_picture() {
    StdPicture p{StdPicture::Bitmap, QImage(30, 30, QImage::Format_RGB32)};
    p.image.fill(QColor(0, 255, 0));
    return p;
}

void place(MapFixture& f, double lon, double lat, const std::string& name, int16_t slot = 0) {
    f.orbit.calc.calc_sub_lon = lon;
    f.orbit.calc.calc_sub_lat = lat;
    f.orbit.calc.calc_sub_height = 800;
    f.view.draw_sat_name = name;
    f.maps.draw_slot = slot;
}

}  // namespace

TEST(SatMarkers, IssPictureCornersOfTheWorkedExamples) {
    EXPECT_EQ(iss_corner_world_zoom(360, 0), QPoint(434, 216));
    MapFixture f;
    set_asia_zoom_scale(f.local_zoom);
    EXPECT_EQ(iss_corner_zoom(f.local_zoom, 135, 46, 623, 613), QPoint(296, 290));
}

TEST(SatMarkers, IssPicturePaintedOnlyForIssNames) {
    const StdPicture picture = green_picture();
    for (const std::string name : {"ISS", "ISSDG", "ISSTR"}) {
        MapFixture f;
        f.ctx.surfaces.world_zoom_iss = f.ctx.surfaces.local_zoom_iss = &picture;
        f.local_zoom.resize(623, 613);
        set_asia_zoom_scale(f.local_zoom);
        f.view.local_zoom_px_width = 623;
        f.view.local_zoom_px_height = 613;
        f.world_zoom.Cls();
        f.local_zoom.Cls();
        place(f, 180, 0, name);
        double colour = kYellow;
        plot_satellite_marker(f.ctx, colour);
        const bool iss = name != "ISSTR";
        EXPECT_EQ(f.world_zoom.image().pixelColor(436, 218) == QColor(0, 255, 0), iss) << name;
        place(f, 135, 46, name);
        plot_satellite_marker(f.ctx, colour);
        EXPECT_EQ(f.local_zoom.image().pixelColor(298, 292) == QColor(0, 255, 0), iss) << name;
    }
}

TEST(SatMarkers, MarkerOnEveryMapAndInTheTable) {
    MapFixture f;
    set_local_zoom_scale(f.local_zoom, 350, 0);
    set_local_zoom_scale(f.partner_zoom, -10, 0);
    int radar_calls = 0, body_calls = 0;
    f.ctx.sky.plot_radar = [&](double& c) { radar_calls += c == kYellow; };
    f.ctx.sky.plot_sun_moon_mars = [&] { ++body_calls; };
    place(f, -10, 5, "SO-50", 3);
    double colour = kYellow;
    plot_satellite_marker(f.ctx, colour);
    EXPECT_EQ(f.view.markers.map_marker_name[3], "SO-50");
    EXPECT_DOUBLE_EQ(f.view.markers.map_marker_x[3], 700);
    EXPECT_DOUBLE_EQ(f.view.markers.map_marker_y[3], 10);
    EXPECT_EQ(f.main_map.Point(700, 10), kYellow);
    EXPECT_TRUE(colour_near(f.main_map, 693, 10, kBlack));  // the black rim at radius 7
    EXPECT_EQ(f.world_zoom.Point(700, 10), kYellow);
    EXPECT_TRUE(reddish_text_in(f.world_zoom, 710, 12, 720, 2));  // the name 5 degrees east
    EXPECT_EQ(f.local_zoom.Point(350, 5), kYellow);   // west longitudes plus 360 on the local map
    EXPECT_EQ(f.partner_zoom.Point(-10, 5), kYellow);  // kept from -15 on on the partner map
    EXPECT_EQ(radar_calls, 1);
    EXPECT_EQ(body_calls, 1);
}

TEST(SatMarkers, EmptyNameDrawsNothingAndKeepsTheTableEntry) {
    MapFixture f;
    for (platform::PictureBox* b : {&f.main_map, &f.world_zoom, &f.local_zoom, &f.partner_zoom}) b->Cls();
    const QImage blank = f.main_map.image().copy();
    f.view.markers.map_marker_name[2] = "AO-7";
    std::string empty;
    double lat = 35, lon = 135, h = 800, colour = kYellow;
    place(f, lon, lat, "", 2);
    disp(f.ctx, lat, lon, h, colour, empty);
    EXPECT_EQ(f.main_map.image(), blank);
    EXPECT_EQ(f.view.markers.map_marker_name[2], "AO-7");
    EXPECT_EQ(f.view.markers.map_marker_name[kOwnStationMarker], "");
}

TEST(SatMarkers, DispDrawsStationsMarkerAndFootprint) {
    MapFixture f;
    f.main_map.Cls();
    std::string name = "SO-50";
    double lat = 10, lon = 100, h = 800, colour = kYellow;
    place(f, lon, lat, name);
    disp(f.ctx, lat, lon, h, colour, name);
    EXPECT_EQ(f.main_map.Point(270.3, 69), kRed);   // own station
    EXPECT_EQ(f.main_map.Point(200, 20), kYellow);  // marker
    const auto outline = footprint_outline(lat, lon, h, "1");
    EXPECT_TRUE(colour_near(f.main_map, 2 * (*outline)[60].lon, 2 * (*outline)[60].lat, kYellow));
}

TEST(StationMarkers, OwnStationEntryAndRedMarkerOnEveryMap) {
    MapFixture f;
    plot_stations(f.ctx);
    EXPECT_EQ(f.view.markers.map_marker_name[kOwnStationMarker], "観測地:JA3XXX");
    EXPECT_NEAR(f.view.markers.map_marker_x[kOwnStationMarker], 270.3, 1e-12);
    EXPECT_DOUBLE_EQ(f.view.markers.map_marker_y[kOwnStationMarker], 69);
    EXPECT_EQ(f.main_map.Point(270.3, 69), kRed);
    EXPECT_EQ(f.world_zoom.Point(270.3, 69), kRed);
    EXPECT_EQ(f.local_zoom.Point(135.15, 34.5), kRed);
    EXPECT_EQ(f.partner_zoom.Point(135.15, 34.5), kRed);
    EXPECT_TRUE(colour_near(f.main_map, 270.3 + 5, 69, kWhite));  // the white rim at radius 6
}

TEST(StationMarkers, PartnersOnTheirChosenMapsPickedOneCyan) {
    MapFixture f;
    auto partner = [&](int i, const char* name, double lon, double lat, int16_t sel) {
        f.partners.partner_name[i] = name;
        f.partners.partner_lon[i] = lon;
        f.partners.partner_lat[i] = lat;
        f.partners.partner_map_sel[i] = sel;
    };
    partner(0, "W1AW", -72.7, 41.7, 0);
    partner(2, "JA1XX", 139.7, 35.7, 0);
    partner(3, "JA6XX", 130.4, 33.6, 1);
    plot_stations(f.ctx);
    EXPECT_EQ(f.main_map.Point(world_map_x(-72.7, "1"), 83.4), kBlue);
    EXPECT_EQ(f.world_zoom.Point(279.4, 71.4), kBlue);
    EXPECT_NE(f.local_zoom.Point(139.7, 35.7), kBlue);
    EXPECT_EQ(f.local_zoom.Point(130.4, 33.6), kBlue);
    EXPECT_EQ(f.partner_zoom.Point(130.4, 33.6), kBlue);
    EXPECT_NE(f.main_map.Point(260.8, 67.2), kBlue);

    f.view.partner_selected = 1;
    f.view.partner_index = 2;
    plot_stations(f.ctx);
    EXPECT_EQ(f.main_map.Point(279.4, 71.4), kCyan);
    EXPECT_EQ(f.main_map.Point(world_map_x(-72.7, "1"), 83.4), kBlue);
}

TEST(StationMarkers, WestOfTheMapStartOnTheZoomMaps) {
    for (const char* start : {"1", "0"}) {
        MapFixture f;
        f.settings.start_tizu = start;
        set_local_zoom_scale(f.local_zoom, 0, 50);
        set_local_zoom_scale(f.partner_zoom, 350, 50);
        f.partners.partner_name[0] = "G3XX";
        f.partners.partner_lon[0] = -10;
        f.partners.partner_lat[0] = 51;
        f.partners.partner_map_sel[0] = 1;
        f.station.station_lon = -10;
        f.station.station_lat = 45;
        plot_stations(f.ctx);
        const bool from_zero = std::string(start) == "1";
        EXPECT_EQ(f.partner_zoom.Point(350, 51) == kBlue, from_zero) << start;
        EXPECT_EQ(f.local_zoom.Point(-10, 51) == kBlue, !from_zero) << start;
        EXPECT_EQ(f.local_zoom.Point(-10, 45), kRed) << start;  // the own station is never moved
    }
}
