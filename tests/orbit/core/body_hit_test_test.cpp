#include "orbit/body_hit_test.h"

#include <gtest/gtest.h>

using namespace torv;

TEST(BodyHitTest, WindowsAreTenUnitsSquareWithInclusiveBoundsAndMapEdges) {
    struct Case {
        double bx, by;
        float x, y;
        const char* start_tizu;
        int16_t hits;
    };
    const Case cases[] = {
        {100, 50, 105, 55, "1", 2},      // exactly 5 units off in both directions
        {100, 50, 95, 45, "1", 2},
        {100, 50, 100, 56, "1", 1},      // right x, y 6 units off
        {100, 50, 106, 50, "1", 1},      // right y only
        {100, 50, 200, 0, "1", 0},
        {-0.5, 0, 3, 0, "1", 1},         // x window 0..8 with the map starting at 0
        {0, 0, 3, 0, "1", 2},
        {-19, 0, -16, 0, "0", 2},        // x window -20..-11 with the map starting at 20 W
        {-20.5, 0, -16, 0, "0", 1},
        {0, -180, 0, -178, "1", 2},      // y window -180..-173 near the bottom edge
        {0, -180.5, 0, -178, "1", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(marker_hits(c.bx, c.by, c.x, c.y, c.start_tizu), c.hits) << c.bx << "," << c.by << " at " << c.x << "," << c.y;
}

TEST(BodyHitTest, WorldAndLocalTestTheirOwnPositions) {
    BodyMarkers m;
    m.body_map_x = {10, 200, 400};
    m.body_map_y = {20, 40, 60};
    m.body_lon = {135, 140, 150};
    m.body_lat = {35, 36, 37};
    int16_t hits = -1;
    body_hit_test_world(m, "1", 1, hits, 202, 41);
    EXPECT_EQ(hits, 2);
    body_hit_test_world(m, "1", 2, hits, 202, 41);
    EXPECT_EQ(hits, 0);
    body_hit_test_local(m, "1", 0, hits, 139.5f, 30);
    EXPECT_EQ(hits, 2);
    body_hit_test_local(m, "1", 2, hits, 139.5f, 30);
    EXPECT_EQ(hits, 0);
}

TEST(BodyHitTest, ComparesInSinglePrecision) {
    // 105.00000001 is 105 in single precision, so the bound holds.
    EXPECT_EQ(marker_hits(105.00000001, 0, 100, 0, "1"), 2);
}
