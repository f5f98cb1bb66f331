#include "common/station_table.h"

#include <gtest/gtest.h>

#include "common/settings_keys.h"
#include "support/temp_ini.h"

using namespace torv;

TEST(StationTable, DefaultRecordForMissingKeys) {
    TempIni ini("[KYOKU-INFO]\r\n");
    PartnerStationTable t;
    load_station_list(t, ini.path);
    for (int i = 0; i < kPartnerRecords; ++i) {
        EXPECT_EQ(t.partner_name[i], "JA3");
        EXPECT_DOUBLE_EQ(t.partner_lon[i], 135.05);
        EXPECT_DOUBLE_EQ(t.partner_lat[i], 34.7);
        EXPECT_EQ(t.partner_height[i], 20);
        EXPECT_EQ(t.partner_time_diff[i], 9);
        EXPECT_EQ(t.partner_map_sel[i], 0);
        EXPECT_EQ(t.partner_has_map[i], "1");
        EXPECT_EQ(t.partner_map_file[i], "japan95.bmp");
        EXPECT_EQ(t.partner_map_lon[i], "135");
        EXPECT_EQ(t.partner_map_lat[i], "35");
        const PartnerRowState row = partner_row_state(t, i);
        EXPECT_FALSE(row.local_selected);
        EXPECT_TRUE(row.map_controls_enabled);
    }
    // Slot 5 is never filled.
    EXPECT_EQ(t.partner_name[5], "");
    EXPECT_EQ(t.partner_lon[5], 999);
    EXPECT_EQ(t.partner_lat[5], 999);
}

TEST(StationTable, StoredRecords) {
    TempIni ini(
        "[KYOKU-INFO]\r\n"
        "KYOKU1=,,,,,,0, 0,,,\r\n"                               // a cleared dialog row
        "KYOKU2=W1AW,-72.7,41.7,FN31,30,-5,1, 1,usa.bmp,-72,41\r\n"  // local map selected
        "KYOKU3=VK2ABC,151.2\r\n"                                 // fewer fields than written
        "KYOKU4=DL1XYZ,13.4,52.5,JO62,40,1,0, 0,,,\r\n"
        "KYOKU5=VU2AAA,77.6,12.9,MK82,900,5.5,0, 1,india.bmp,77.5,13,extra\r\n");
    PartnerStationTable t;
    load_station_list(t, ini.path);

    EXPECT_EQ(t.partner_name[0], "");
    EXPECT_EQ(t.partner_lon[0], 999);
    EXPECT_EQ(t.partner_lat[0], 999);
    EXPECT_EQ(t.partner_height[0], 0);
    EXPECT_EQ(t.partner_time_diff[0], 0);  // an empty time difference reads 0, not 9
    EXPECT_EQ(t.partner_has_map[0], "0");
    EXPECT_EQ(t.partner_map_lon[0], "");
    EXPECT_FALSE(partner_row_state(t, 0).map_controls_enabled);
    EXPECT_TRUE(partner_row_state(t, 0).has_map_box_enabled);

    EXPECT_EQ(t.partner_map_sel[1], 1);
    EXPECT_EQ(t.partner_time_diff[1], -5);
    const PartnerRowState local = partner_row_state(t, 1);
    EXPECT_TRUE(local.local_selected);
    EXPECT_FALSE(local.has_map_box_enabled);
    EXPECT_FALSE(local.map_controls_enabled);

    EXPECT_EQ(t.partner_name[2], "VK2ABC");
    EXPECT_DOUBLE_EQ(t.partner_lon[2], 151.2);
    EXPECT_EQ(t.partner_lat[2], 999);
    EXPECT_EQ(t.partner_time_diff[2], 0);
    EXPECT_EQ(t.partner_has_map[2], "0");
    EXPECT_EQ(t.partner_map_lat[2], "");

    EXPECT_EQ(t.partner_time_diff[4], 5.5);
    EXPECT_EQ(t.partner_map_lon[4], "77.5");
    EXPECT_EQ(t.partner_map_lat[4], "13");  // field 11: leading number of the rest
}

TEST(StationTable, AMapSelectionOtherThanWorldOrLocalReadsWorldAndIsToldOnce) {
    TempIni ini(
        "[KYOKU-INFO]\r\n"
        "KYOKU1=JA1AAA,139.7,35.7,,40,9,2, 1,japan95.bmp,135,35\r\n"
        "KYOKU2=JA2AAA,136.9,35.2,,10,9,1E300, 1,japan95.bmp,135,35\r\n"
        "KYOKU3=JA3AAA,135.5,34.7,,20,9,-1, 1,japan95.bmp,135,35\r\n"
        "KYOKU4=JA4AAA,132.5,34.4,,30,9,1, 0,,,\r\n"
        "KYOKU5=JA5AAA,133.5,33.6,,50,9,0.4, 0,,,\r\n");  // rounds to 0
    std::vector<std::string> told;
    set_unusable_setting_report([&](const std::string& name) { told.push_back(name); });
    PartnerStationTable t;
    load_station_list(t, ini.path);
    load_station_list(t, ini.path);  // the partner dialog loads them again
    set_unusable_setting_report(nullptr);
    EXPECT_EQ(told, (std::vector<std::string>{"[KYOKU-INFO] KYOKU1", "[KYOKU-INFO] KYOKU2", "[KYOKU-INFO] KYOKU3"}));
    const int16_t map_sel[] = {0, 0, 0, 1, 0};
    for (int i = 0; i < kPartnerRecords; ++i) EXPECT_EQ(t.partner_map_sel[i], map_sel[i]) << i;
    // The rest of a record is used as it stands.
    EXPECT_EQ(t.partner_name[0], "JA1AAA");
    EXPECT_EQ(t.partner_has_map[0], "1");
    EXPECT_TRUE(partner_row_state(t, 0).map_controls_enabled);
}

TEST(StationTable, SplitRecord) {
    const PartnerStationFields f = split_partner_record("A,B");
    EXPECT_EQ(f.field[0], "A");
    EXPECT_EQ(f.field[1], "B");
    for (int k = 2; k < 11; ++k) EXPECT_EQ(f.field[k], "");
    const PartnerStationFields g = split_partner_record("1,2,3,4,5,6,7,8,9,10,11,12");
    EXPECT_EQ(g.field[9], "10");
    EXPECT_EQ(g.field[10], "11,12");
}
