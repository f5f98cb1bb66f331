#include <gtest/gtest.h>

#include "mainwindow/map_readouts.h"

using namespace torv;

namespace {

// The tables of one map, every marker and body out of the way until a test places one.
struct Readouts : ::testing::Test {
    MapMarkerTable markers;
    PartnerStationTable partners;
    BodyMarkers bodies;
    std::array<double, 3> body_dist{149.6e6, 384400, 1.0e8};
    std::array<std::string, 3> body_names{"太陽", "月", "火星"};
    std::string start_tizu = "1";
    double last_x = 9999, last_y = 9999;
    std::string tip;

    void SetUp() override {
        markers.map_marker_x.fill(-999);
        markers.map_marker_y.fill(-999);
        bodies.body_map_x.fill(-999);
        bodies.body_map_y.fill(-999);
        bodies.body_lon.fill(-999);
        bodies.body_lat.fill(-999);
    }
    ReadoutTables tables() { return {markers, partners, bodies, body_dist, body_names, start_tizu}; }
    void place_marker(int i, const std::string& name, double x, double y) {
        markers.map_marker_name[i] = name;
        markers.map_marker_x[i] = x;
        markers.map_marker_y[i] = y;
    }
    void place_station(int i, const std::string& name, double lon, double lat, int16_t map_flag) {
        partners.partner_name[i] = name;
        partners.partner_lon[i] = lon;
        partners.partner_lat[i] = lat;
        partners.partner_map_sel[i] = map_flag;
    }
    std::string hover(const ReadoutParams& p, float x, float y) {
        map_hover(tables(), p, x, y, last_x, last_y, tip);
        return tip;
    }
};

}  // namespace

TEST_F(Readouts, BoxesIncludeTheirBoundsOnEveryMap) {
    place_marker(0, "FO-29", 300, 70);            // world units: 150 E, 35 N
    place_station(0, "JA1", 135.5, 35, 1);
    const struct {
        const char* what;
        float x;
        int16_t marker, station;
    } cases[] = {
        {"zoom, exactly 0.5", 135.0f, 0, 2},
        {"zoom, 0.51", 134.99f, 0, 1},
        {"world, exactly 5", 295.0f, 2, 0},
        {"world, 5.1", 294.9f, 1, 0},
    };
    for (const auto& c : cases) {
        int16_t marker = 0, station = 0;
        const bool world = c.x > 200;
        if (world) hit_sat_marker(markers, start_tizu, 0, marker, c.x, 70);
        else hit_station_marker_local(partners, 1, 0, station, c.x, 35);
        EXPECT_EQ(world ? marker : station, world ? c.marker : c.station) << c.what;
    }
}

TEST_F(Readouts, EachMapAnswersOnlyTheStationsItDraws) {
    place_station(0, "JA1", 135, 35, 0);  // world maps
    place_station(1, "JA2", 140, 40, 1);  // zoom maps
    place_station(2, "", 145, 30, 0);     // no station
    const struct {
        const ReadoutParams* p;
        float x, y;
        const char* tip;
    } cases[] = {
        {&kLocalZoomReadouts, 135, 35, ""},      {&kLocalZoomReadouts, 140, 40, "JA2"},
        {&kPartnerZoomReadouts, 135, 35, "JA1"}, {&kPartnerZoomReadouts, 140, 40, "JA2"},
        {&kMainMapReadouts, 270, 70, "JA1"},     {&kWorldZoomReadouts, 280, 80, ""},
        {&kPartnerZoomReadouts, 145, 30, ""},
    };
    for (const auto& c : cases) {
        tip.clear();
        last_x = last_y = 9999;
        EXPECT_EQ(hover(*c.p, c.x, c.y), c.tip) << c.x << "," << c.y;
    }
}

TEST_F(Readouts, AStationAt25WestLiesAt710OrAt670ByTheMapsStart) {
    place_station(0, "EA8", -25, 28, 0);
    for (const auto& [tizu, x] : {std::pair{"2", 710.0f}, std::pair{"1", 670.0f}}) {
        start_tizu = tizu;
        int16_t hit = 0;
        hit_station_marker(partners, start_tizu, 0, hit, x, 56);
        EXPECT_EQ(hit, 2) << tizu;
        hit_station_marker(partners, start_tizu, 0, hit, x - 6, 56);
        EXPECT_EQ(hit, 1) << tizu;
    }
}

TEST_F(Readouts, ZoomMapsFindASatelliteWhereTheyDrawIt) {
    start_tizu = "2";
    place_marker(3, "ISS", 340, 70);  // 150 E on a world map starting at 20 W
    EXPECT_EQ(hover(kLocalZoomReadouts, 150, 35), "ISS");
    tip.clear();
    last_x = last_y = 9999;
    EXPECT_EQ(hover(kLocalZoomReadouts, 170, 35), "");
    place_marker(4, "AO-7", 20, 10);  // 10 W
    EXPECT_DOUBLE_EQ(zoom_marker_point(20, 10, "2").lon, 350);
    EXPECT_EQ(hover(kPartnerZoomReadouts, 350, 5), "AO-7");
}

TEST_F(Readouts, TheTipStaysNearItsLastHitAndGoesBeyond) {
    // The marker lies at 150 E 35 N: (150, 35) on a zoom map, (300, 70) on a world map.
    const struct {
        const ReadoutParams* p;
        float x, y, kept, gone;
    } cases[] = {{&kLocalZoomReadouts, 150, 35, 150.6f, 150.8f}, {&kMainMapReadouts, 300, 70, 309, 311}};
    for (const auto& c : cases) {
        place_marker(0, "FO-29", 300, 70);
        EXPECT_EQ(hover(*c.p, c.x, c.y), "FO-29");
        markers.map_marker_x[0] = -999;
        EXPECT_EQ(hover(*c.p, c.kept, c.y), "FO-29") << c.kept;
        EXPECT_EQ(hover(*c.p, c.gone, c.y), "") << c.gone;
    }
}

TEST_F(Readouts, BodiesShowTheirDistanceAndRoundTrip) {
    EXPECT_EQ(body_tip_text("月", 1, 384400), "月距離：384400km 電波の往復時間:2.6秒");
    EXPECT_EQ(body_tip_text("太陽", 0, 149.6e6), "太陽距離：149600000km 電波の往復時間:16.6分");
    EXPECT_EQ(body_tip_text("火星", 2, 1.0e8), "火星距離：100000000km 電波の往復時間:11.1分");
}

TEST_F(Readouts, BodiesWinOverStationsAndStationsOverSatellites) {
    place_marker(0, "FO-29", 300, 70);
    place_marker(kOwnStationMarker, "観測地:JA3XYZ", 301, 70);
    place_station(1, "JA1", 151, 35, 0);
    EXPECT_EQ(hover(kMainMapReadouts, 300, 70), "JA1");
    bodies.body_map_x[1] = 299;
    bodies.body_map_y[1] = 69;
    EXPECT_EQ(hover(kMainMapReadouts, 300, 70), "月距離：384400km 電波の往復時間:2.6秒");
    // The partner zoom map tests no bodies.
    bodies.body_lon[1] = 150;
    bodies.body_lat[1] = 35;
    tip.clear();
    EXPECT_EQ(hover(kPartnerZoomReadouts, 150, 35), "FO-29");
}

TEST_F(Readouts, AClickActsOnTheFirstHitOfEachFamily) {
    place_marker(0, "FO-29", 300, 70);
    place_marker(kOwnStationMarker, "観測地:JA3XYZ", 302, 70);
    place_station(2, "JA1", 150.5, 35, 0);
    place_station(3, "JA2", 150.5, 35, 0);
    bodies.body_map_x[2] = 303;
    bodies.body_map_y[2] = 71;
    MapClick c = map_click(tables(), kMainMapReadouts, 301, 70, last_x, last_y);
    EXPECT_EQ(c.marker, 0);  // the satellite, not the own station beside it
    EXPECT_EQ(c.station, 2);
    EXPECT_TRUE(c.mars);
    EXPECT_EQ(last_x, 301);
    EXPECT_EQ(last_y, 70);

    // The Moon starts nothing; a click beside the markers leaves the last hit.
    bodies.body_map_x[1] = 400;
    bodies.body_map_y[1] = 0;
    c = map_click(tables(), kMainMapReadouts, 400, 0, last_x, last_y);
    EXPECT_EQ(c.marker, -1);
    EXPECT_EQ(c.station, -1);
    EXPECT_FALSE(c.mars);
    EXPECT_EQ(last_x, 301);
}

TEST_F(Readouts, TheOwnStationsClickKeepsTheTipNearIt) {
    place_marker(kOwnStationMarker, "観測地:JA3XYZ", 135.2 * 2, 34.5 * 2);
    const MapClick c = map_click(tables(), kMainMapReadouts, 270, 69, last_x, last_y);
    EXPECT_EQ(c.marker, kOwnStationMarker);
    tip = "観測地:JA3XYZ";
    markers.map_marker_x[kOwnStationMarker] = -999;
    EXPECT_EQ(hover(kMainMapReadouts, 275, 69), "観測地:JA3XYZ");
}

TEST(ReadoutsBeforeAnyDrawing, NoBodyAnswersUntilItIsPlotted) {
    const MapMarkerTable markers{};
    const PartnerStationTable partners;
    const BodyMarkers bodies;
    const std::array<double, 3> dist{1, 1, 1};
    const std::array<std::string, 3> names{"太陽", "月", "火星"};
    const std::string start_tizu = "1";
    double last_x = 9999, last_y = 9999;
    std::string tip;
    for (const ReadoutParams* p : {&kMainMapReadouts, &kLocalZoomReadouts}) {
        map_hover({markers, partners, bodies, dist, names, start_tizu}, *p, 0, 0, last_x, last_y, tip);
        EXPECT_EQ(tip, "");
    }
}
