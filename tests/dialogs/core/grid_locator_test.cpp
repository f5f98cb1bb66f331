#include "dialogs/grid_locator.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

using namespace torv;

TEST(GridLocator, ConvertsToTheSouthWestCornerOfTheSubsquare) {
    const struct {
        const char *text, *upper;
        double lon, lat;
        const char *lon_shown, *lat_shown;  // as the station dialog shows them
    } cases[] = {
        {"PM74TR", "PM74TR", 135.583333333, 34.708333333, "135.58", "34.71"},
        {"pm74tr", "PM74TR", 135.583333333, 34.708333333, "135.58", "34.71"},
        {"PM74TRZZ", "PM74TRZZ", 135.583333333, 34.708333333, "135.58", "34.71"},
        {"JJ00AA", "JJ00AA", 0, 0, ".00", ".00"},
        {"JJ00AD", "JJ00AD", 0, 0.125, ".00", ".13"},
        {"AA00AA", "AA00AA", -180, -90, "-180.00", "-90.00"},
        {"RR99XX", "RR99XX", 179.916666667, 89.958333333, "179.92", "89.96"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const GridLocatorResult r = grid_to_lonlat(c.text);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.upper, c.upper);
        EXPECT_NEAR(r.lon, c.lon, 1e-8);
        EXPECT_NEAR(r.lat, c.lat, 1e-8);
        EXPECT_EQ(format_number(r.lon, "###.00"), c.lon_shown);
        EXPECT_EQ(format_number(r.lat, "###.00"), c.lat_shown);
    }
    // The partner-station dialog shows a digit before the point.
    const GridLocatorResult q = grid_to_lonlat("pm74qr");
    EXPECT_EQ(q.upper, "PM74QR");
    EXPECT_EQ(format_number(q.lon, "##0.00"), "135.33");
    EXPECT_EQ(format_number(q.lat, "##0.00"), "34.71");
    EXPECT_EQ(format_number(0.5, "##0.00"), "0.50");
}

TEST(GridLocator, RefusesWithTheMessageOfTheFirstWrongPart) {
    const struct {
        const char *text, *message;
    } cases[] = {
        {"", kGridEmptyMessage},
        {"P", kGridFieldMessage},
        {"SM74TR", kGridFieldMessage},
        {"PS74TR", kGridFieldMessage},
        {"PM7A", kGridSquareMessage},
        {"PM7", kGridSquareMessage},
        // The square is two digits, never a signed or blank-padded number.
        {"PM-1TR", kGridSquareMessage},
        {"PM 7TR", kGridSquareMessage},
        {"PM74T", kGridSubsquareMessage},
        {"PM74YR", kGridSubsquareMessage},
        {"PM74TY", kGridSubsquareMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const GridLocatorResult r = grid_to_lonlat(c.text);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, c.message);
    }
    EXPECT_EQ(grid_to_lonlat("sm74tr").upper, "SM74TR");  // shown in capitals also after a failure
}
