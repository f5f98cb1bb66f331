#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "mainwindow/main_settings.h"
#include "mainwindow/sat_groups.h"
#include "mainwindow/settings_save.h"
#include "platform/msg_box.h"
#include "support/temp_ini.h"

using namespace torv;

namespace {
MainSettings read(const std::string& ini_text, OwnStation& st, TimeState& ts, SettingsProblems& p) {
    TempIni ini(ini_text);
    return read_main_settings(ini.path, st, ts, p);
}
}  // namespace

TEST(MainSettings, AnEmptyFileGivesTheDefaults) {
    OwnStation st;
    TimeState ts;
    SettingsProblems p;
    const MainSettings s = read("", st, ts, p);
    EXPECT_TRUE(p.values.empty());
    EXPECT_DOUBLE_EQ(st.station_lon, 135.15);
    EXPECT_DOUBLE_EQ(st.station_lat, 34.5);
    EXPECT_DOUBLE_EQ(st.station_height, 45);
    EXPECT_EQ(ts.local_to_utc_text, "-9");
    EXPECT_EQ(s.sun_disp, 0);
    EXPECT_EQ(s.moon_disp, 0);
    EXPECT_EQ(s.kasei_disp, 0);
    EXPECT_EQ(s.kiseki_disp, 1);
    EXPECT_EQ(s.jikan_disp, 0);
    EXPECT_EQ(s.eisei_blink, 1);
    EXPECT_DOUBLE_EQ(s.ao40.start, 0.1);
    EXPECT_DOUBLE_EQ(s.ao40.end, 0);
    for (const CatPortSetting* c : {&s.ft847_cat, &s.ic910_cat, &s.ts2000_cat, &s.ft736_cat}) EXPECT_EQ(c->enable, "0");
    EXPECT_EQ(s.ft736_cat.speed, "4800");
    EXPECT_EQ(s.ts2000_cat.port, "COM3");
    EXPECT_EQ(s.ntp_auto, "0");
    EXPECT_EQ(s.ntp.ntp_program, "SW_NORAS.EXE");
    EXPECT_EQ(s.oscar_amsat_url, "1");
    EXPECT_EQ(s.ver_on_off, "0");
    EXPECT_EQ(s.gamen_no, "0");
    EXPECT_EQ(s.check1, 1);
    EXPECT_EQ(s.check3, 1);
    EXPECT_EQ(s.check2, 0);
    EXPECT_DOUBLE_EQ(s.backcolor, -2147483633.0);
    EXPECT_EQ(s.local.local_map_file, "JAPAN.BMP");
    EXPECT_EQ(s.local.local_map_show, 0);
    EXPECT_EQ(s.schedule_rigu, "ＦＴ８４７");
}

TEST(MainSettings, NumbersBeyondTheirRangeTakeTheDefaultAndAreNamedOnce) {
    OwnStation st;
    TimeState ts;
    SettingsProblems p;
    const MainSettings s = read(
        "[SUN]\nDISP=99999\n[MOON]\nDISP=1\n[JIKAN]\nJISA=1E300\nTIME_LINE=4294967298\n"
        "[COLOR]\nEISEI1=1E300\nEISEI2=255\nBACKCOLOR=-9999999999\nHIRU_COLOR=nan\n"
        "[KASOKU]\nKASOKU_RITU=1E30\n[KISEKI]\nKISEKI_SIZE=-3\n[NTP_TIME]\nNTP_ELM=SKRWATCH.EXE,99999999999,1024\n",
        st, ts, p);
    EXPECT_EQ(s.sun_disp, 0);
    EXPECT_EQ(s.sun_disp_text, "0");
    EXPECT_EQ(s.moon_disp, 1);
    EXPECT_DOUBLE_EQ(ts.time_diff, 9);
    EXPECT_EQ(s.time_line_text, "2");
    EXPECT_DOUBLE_EQ(s.color_eisei1, 65280);
    EXPECT_DOUBLE_EQ(s.color_eisei2, 255);
    EXPECT_DOUBLE_EQ(s.backcolor, -2147483633.0);
    EXPECT_EQ(s.hiru_color, "16744576");
    EXPECT_EQ(s.kasoku_ritu, "2");
    EXPECT_DOUBLE_EQ(s.kiseki_size, 30);
    EXPECT_EQ(s.ntp.ntp_program, "SW_NORAS.EXE");
    EXPECT_EQ(s.ntp.ntp_server_port, 0);
    EXPECT_EQ(p.values, (std::vector<std::string>{"[JIKAN] JISA", "[SUN] DISP", "[COLOR] EISEI1", "[COLOR] BACKCOLOR",
                                                  "[COLOR] HIRU_COLOR", "[KASOKU] KASOKU_RITU", "[KISEKI] KISEKI_SIZE",
                                                  "[JIKAN] TIME_LINE", "[NTP_TIME] NTP_ELM"}));
}

TEST(MainSettings, StationAndStartUpFlagOutsideTheirRangeTakeTheDefaultAndAreNamed) {
    // The station as its dialog accepts it (longitude -180 to 180, latitude -90 to 90,
    // height 0 to 3000 m); the local map's start-up flag 0 or 1, as its menus write it.
    struct Case {
        const char* ini;
        const char* named;  // nullptr: the value is used
        double lon, lat, height;
        int show;
    } cases[] = {
        {"[POSITION]\nKEIDO=1E300\n", "[POSITION] KEIDO", 135.15, 34.5, 45, 0},
        {"[POSITION]\nKEIDO=500\n", "[POSITION] KEIDO", 135.15, 34.5, 45, 0},
        {"[POSITION]\nKEIDO=-180.5\n", "[POSITION] KEIDO", 135.15, 34.5, 45, 0},
        {"[POSITION]\nIDO=-91\n", "[POSITION] IDO", 135.15, 34.5, 45, 0},
        {"[POSITION]\nTAKASA=3001\n", "[POSITION] TAKASA", 135.15, 34.5, 45, 0},
        {"[POSITION]\nTAKASA=-1\n", "[POSITION] TAKASA", 135.15, 34.5, 45, 0},
        {"[HAIKEIZU]\nLOCAL_MAP=JAPAN.BMP,135,35, 2\n", "[HAIKEIZU] LOCAL_MAP", 135.15, 34.5, 45, 0},
        {"[HAIKEIZU]\nLOCAL_MAP=JAPAN.BMP,135,35,1E300\n", "[HAIKEIZU] LOCAL_MAP", 135.15, 34.5, 45, 0},
        {"[HAIKEIZU]\nLOCAL_MAP=JAPAN.BMP,135,35,-1\n", "[HAIKEIZU] LOCAL_MAP", 135.15, 34.5, 45, 0},
        {"[POSITION]\nKEIDO= -180\nIDO= 90\nTAKASA= 3000\n[HAIKEIZU]\nLOCAL_MAP=JAPAN.BMP,135,35, 1\n", nullptr, -180,
         90, 3000, 1},
        {"[POSITION]\nKEIDO=180\nIDO=-90\nTAKASA=0\n", nullptr, 180, -90, 0, 0},
    };
    for (const Case& c : cases) {
        OwnStation st;
        TimeState ts;
        SettingsProblems p;
        const MainSettings s = read(c.ini, st, ts, p);
        EXPECT_EQ(p.values, c.named ? std::vector<std::string>{c.named} : std::vector<std::string>{}) << c.ini;
        EXPECT_DOUBLE_EQ(st.station_lon, c.lon) << c.ini;
        EXPECT_DOUBLE_EQ(st.station_lat, c.lat) << c.ini;
        EXPECT_DOUBLE_EQ(st.station_height, c.height) << c.ini;
        EXPECT_EQ(s.local.local_map_show, c.show) << c.ini;
    }
}

TEST(MainSettings, StoredValuesAreCutAsTheDialogsWriteThem) {
    OwnStation st;
    TimeState ts;
    SettingsProblems p;
    const MainSettings s = read(
        "[JIKAN]\nJISA=-5\n[IC910]\nCAT=1:COM2:19200:60:E0\n"
        "[SAT-INFO]\nAO-40=0:146:2:436:1::0:50,150:,:0:\n[NTP_TIME]\nNTP_ELM=SKRWATCH.EXE,123,1024\n",
        st, ts, p);
    EXPECT_EQ(ts.local_to_utc_text, " 5");
    EXPECT_EQ(s.ic910_cat.enable, "1");
    EXPECT_EQ(s.ic910_cat.port, "COM2");
    EXPECT_EQ(s.ic910_cat.speed, "19200");
    EXPECT_EQ(s.ic910_cat.rig_addr, "60");
    EXPECT_EQ(s.ic910_cat.ctrl_addr, "E0");
    EXPECT_DOUBLE_EQ(s.ao40.start, 50);
    EXPECT_DOUBLE_EQ(s.ao40.end, 150);
    EXPECT_EQ(s.ntp.ntp_program, "SKRWATCH.EXE");
    EXPECT_EQ(s.ntp.ntp_server_port, 123);
    EXPECT_EQ(s.ntp.ntp_recv_port, 1024);
}

TEST(MainSettings, LocalMapAndTransceiverValues) {
    // A value that lacks a field, or whose start-up flag is not a number, keeps what it
    // has and takes the default's for the rest.
    struct Case {
        std::string value;
        bool ok;
        std::string file, lon, lat;
        int show;
    } cases[] = {
        {"EUROPE.BMP,-10,50", true, "EUROPE.BMP", "350", "50", 0},
        {"JAPAN.BMP,135,35, 1", true, "JAPAN.BMP", "135", "35", 1},
        {"JAPAN.BMP,135,35, 0", true, "JAPAN.BMP", "135", "35", 0},
        {"MYMAP.BMP,140", false, "MYMAP.BMP", "140", "35", 0},
        {"MYMAP.BMP", false, "MYMAP.BMP", "135", "35", 0},
        {"MYMAP.BMP,140,36,yes", false, "MYMAP.BMP", "140", "36", 0},
        {"MYMAP.BMP,-10,36,", false, "MYMAP.BMP", "350", "36", 0},
        {"", false, "JAPAN.BMP", "135", "35", 0},
        {"MYMAP.BMP,1E300,36", false, "MYMAP.BMP", "135", "35", 0},  // a centre off the globe
        {"MYMAP.BMP,140,-95, 1", false, "MYMAP.BMP", "135", "35", 1},
    };
    for (const Case& c : cases) {
        LocalMapSetting m;
        EXPECT_EQ(parse_local_map(c.value, m), c.ok) << c.value;
        EXPECT_EQ(m.local_map_file, c.file) << c.value;
        EXPECT_EQ(m.local_map_lon, c.lon) << c.value;
        EXPECT_EQ(m.local_map_lat, c.lat) << c.value;
        EXPECT_EQ(m.local_map_show, c.show) << c.value;
    }
    CatPortSetting cat;
    EXPECT_TRUE(parse_cat_port("0:COM1:9600:60:E0", true, cat));
    EXPECT_EQ(cat.speed, "9600");
    EXPECT_EQ(cat.rig_addr, "60");
    EXPECT_EQ(cat.ctrl_addr, "E0");
    for (const char* bad : {"", "1", "1:COM1:9600", "1:COM1:", "A:COM1:9600:", "1COM1:9600:"})
        EXPECT_FALSE(parse_cat_port(bad, false, cat)) << bad;

    const Ao40Window none = parse_ao40_window("0:146:2:436:1::0::,:0:");
    EXPECT_EQ(none.start, -1);
    EXPECT_EQ(none.end, -1);
    const Ao40Window low = parse_ao40_window("0:146:2:436:1::0:0,150:,:0:");
    EXPECT_DOUBLE_EQ(low.start, 0.1);
    EXPECT_DOUBLE_EQ(low.end, 150);
    EXPECT_EQ(parse_ao40_window("garbage").start, -1);  // no fields at all
}

TEST(SatGroups, SelectionAndOverlongLists) {
    TempIni ini(
        "[SATELITE]\nGROUP-A=A1,A2\nGROUP-C=C1,C2,C3,C4,C5,C6,C7,C8,C9\nSELECT=2:ZZ-1\n");
    platform::MsgBoxRecorder::current()->clear();
    SatGroupTable g;
    load_sat_groups(g, ini.path);
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts, std::vector<std::string>{"項目バッファオーバー"});
    EXPECT_EQ(g.group_current, 2);
    EXPECT_EQ(g.selected_sat, "ZZ-1");  // not checked against the group
    EXPECT_EQ(g.group_sat_names[2][6], "C7");
    EXPECT_EQ(g.group_sat_names[0][2], "");
    EXPECT_EQ(g.shown()[0], "C1");
    step_group(g, +1);
    step_group(g, +1);
    step_group(g, +1);
    EXPECT_EQ(g.group_current, 0);
    EXPECT_EQ(g.selected_sat, "A1");
    step_group(g, -1);
    EXPECT_EQ(g.group_current, 4);
    EXPECT_EQ(g.selected_sat, "");  // an empty slot is selected all the same
    EXPECT_EQ(group_caption(5), "");

    TempIni none("[SATELITE]\nGROUP-A=A1,A2\n");
    SatGroupTable d;
    load_sat_groups(d, none.path);
    EXPECT_EQ(d.group_current, 0);
    EXPECT_EQ(d.selected_sat, "A1");
}

TEST(MainSettings, EachKeyIsDescribedOnceAndGoesSomewhere) {
    std::set<std::pair<std::string, std::string>> seen;
    for (const MainSettingRow& row : main_setting_rows()) {
        EXPECT_TRUE(seen.insert({row.key.section, row.key.key}).second) << setting_name(row.key);
        EXPECT_FALSE(std::holds_alternative<std::monostate>(row.text) &&
                     std::holds_alternative<std::monostate>(row.number))
            << setting_name(row.key);
        if (row.save != SettingSave::Never) {
            EXPECT_FALSE(std::holds_alternative<std::monostate>(row.text)) << setting_name(row.key);
        }
        if (row.save == SettingSave::NumberForm) {
            EXPECT_FALSE(std::holds_alternative<std::monostate>(row.number)) << setting_name(row.key);
        }
    }
    EXPECT_EQ(find_main_setting("SOUND", "MUSIC_CK2")->key.def, std::string("0"));
    EXPECT_EQ(find_main_setting("SOUND", "NONE"), nullptr);
}

TEST(SettingsSave, WritesExactlyTheDisplayKeysInOrderAndNoDefaults) {
    // Started on an empty file, the save adds the thirteen keys and nothing the start-up
    // read only took the default of.
    TempIni ini;
    OwnStation st;
    TimeState ts;
    SettingsProblems p;
    MainSettings s = read_main_settings(ini.path, st, ts, p);
    SatGroupTable g;
    g.selected_sat = "AO-7";
    save_settings(s, g, ini.path, nullptr);
    std::ifstream in(ini.path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text,
              "[SATELITE]\r\nSELECT= 0:AO-7\r\n\r\n[SUN]\r\nDISP= 0\r\n\r\n[MOON]\r\nDISP= 0\r\n\r\n"
              "[KASEI]\r\nDISP= 0\r\n\r\n[KISEKI]\r\nDISP= 1\r\n\r\n[JIKAN]\r\nDISP= 0\r\n\r\n"
              "[BLINK]\r\nEISEI_BLINK= 1\r\n\r\n[ALAT/ALON]\r\nDISP= 1\r\n\r\n"
              "[HAIKEIZU]\r\nLOCAL_MAP=JAPAN.BMP,135,35, 0\r\n\r\n[NTP_TIME]\r\nNTP_AUTO=0\r\n\r\n"
              "[UNYOU]\r\nOSCAR_AMSAT_URL=1\r\n\r\n[VERSION]\r\nVER_ON_OFF=0\r\n\r\n[SYOKI_GAMEN]\r\nGAMEN_NO=0\r\n");
}
