#include "dialogs/station_values.h"

#include <gtest/gtest.h>

using namespace torv;

TEST(StationValues, PortStringsInTheirStoredForms) {
    EXPECT_EQ(cat_port_string(false, "COM1", "9600"), " 0:COM1:9600:");
    EXPECT_EQ(cat_port_string(true, "COM3", "57600"), " 1:COM3:57600:");
    EXPECT_EQ(cat_port_string(false, "COM1", "9600", "60", "E0"), " 0:COM1:9600:60:E0");
}

TEST(StationValues, OnlySwitchedOnTransceiversCanShareAPort) {
    // A fresh settings file: the FT-847 and the IC-910 both on COM1, both switched off.
    EXPECT_FALSE(ports_conflict({{false, "COM1"}, {false, "COM1"}, {false, "COM3"}, {false, "COM1"}}));
    EXPECT_FALSE(ports_conflict({{true, "COM1"}, {false, "COM1"}, {true, "COM3"}, {false, "COM1"}}));
    EXPECT_TRUE(ports_conflict({{true, "COM1"}, {true, "COM1"}, {false, "COM3"}, {false, "COM2"}}));
    EXPECT_TRUE(ports_conflict({{false, "COM1"}, {false, "COM1"}, {true, "COM2"}, {true, "COM2"}}));  // the FT-736 too
}

TEST(StationValues, CentreLongitudeInEitherStoredForm) {
    EXPECT_EQ(centre_lon_west_negative(200), -160);
    EXPECT_EQ(centre_lon_west_negative(135), 135);
    EXPECT_EQ(centre_lon_west_negative(-160), -160);
    EXPECT_EQ(centre_lon_east_of_zero(-160), 200);
    EXPECT_EQ(centre_lon_east_of_zero(135), 135);
}
