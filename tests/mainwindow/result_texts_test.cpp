#include <gtest/gtest.h>

#include <cmath>

#include "mainwindow/result_texts.h"
#include "mainwindow/settings_save.h"
#include "orbit/sat_elements.h"
#include "support/temp_ini.h"

using namespace torv;

namespace {
constexpr double kDeg = M_PI / 180;
}

TEST(ResultTexts, FormatsOfTheSelectedSatellite) {
    SelectedSatResult r;
    r.name = "FO-29";
    r.az = 4.7227 * kDeg;
    r.el = -13.2805 * kDeg;
    r.range_km = 1492.423;
    r.mean_anomaly = 316.1962;
    r.orbit_number = 58061.44;
    r.elements = parse_sat_elements(kFallbackLine1, kFallbackLine2);
    const DateTime clock = date_serial(2005, 1, 27) + time_serial(6, 30, 0);
    const SelectedSatTexts t = selected_sat_texts(r, RigShared{}, 9, clock);
    EXPECT_EQ(t.az, "4.7");
    EXPECT_EQ(t.text2, "4.72270");
    EXPECT_EQ(t.el, "-13.3");
    EXPECT_EQ(t.text3, "-13.28050");
    EXPECT_EQ(t.range, "01492.42 km");
    EXPECT_EQ(t.range_short, "01492km");
    EXPECT_EQ(t.text4, "1492423.0");
    EXPECT_EQ(t.phase, "224.9 ");
    EXPECT_EQ(t.text6, "224.9 ");
    EXPECT_EQ(t.orbit_number, "58061.4");
    EXPECT_EQ(t.uplink, "アップ＝,形式＝");
    EXPECT_EQ(t.tool_tip, "選択されている人工衛星の名称:  軌道元期 2005/01/27 4:24:40 2時間 5分前の軌道情報");
    EXPECT_EQ(general_date_text(epoch_local_time(2005, 26.80879303, 1)), "2005/01/26 20:24:40");
    const DateTime epoch = epoch_local_time(2005, 26.80879303, 9);
    EXPECT_EQ(element_age_text(epoch, add_minutes(epoch, -30)), "-1時間 30分前の軌道情報");

    RigShared rig;
    rig.rig_uplink_text = "435.120";
    rig.rig_uplink_mode = "LSB";
    rig.rig_downlink_text = "145.950";
    rig.rig_downlink_mode = "USB";
    EXPECT_EQ(selected_sat_texts(r, rig, 9, clock).downlink, "ダウン＝145.950,形式＝USB");
}

TEST(ResultTexts, VisibilityColours) {
    const double back = 12632256, slot = 65280;
    struct Case {
        double el;
        int blink, phase;
        platform::ColorValue fore, name_back;
    } cases[] = {
        {-0.1, 2, 0, kBlack, 12632256}, {NAN, 1, 0, kBlack, 12632256}, {0.0, 2, 1, kBlue, 65280},
        {0.2, 1, 0, kBlue, 65280},      {0.2, 1, 1, kBlue, 12632256},  {0.2, 0, 0, kBlue, 12632256},
    };
    for (const Case& c : cases) {
        const VisibilityColors v = sat_visible_colors(c.el, back, slot, c.blink, c.phase);
        EXPECT_EQ(v.fore, c.fore) << c.el << " " << c.blink;
        EXPECT_EQ(v.name_back, c.name_back) << c.el << " " << c.blink;
    }
    EXPECT_EQ(station_view_colors(0).back, kYellow);
    EXPECT_EQ(station_view_colors(-0.01).back, kButtonFace);
}

TEST(ResultTexts, FrequencyRangeLabels) {
    struct Case {
        const char* record;
        const char *l56, *l57, *l58, *l59;
    } cases[] = {
        {",:,:50:1:なし:", "", "", "", ""},
        {"145.9:435.8:50:4:67.0:", "送信周波数範囲", " 145.9", "受信周波数範囲", " 435.8"},
        {",146:,:50:1:なし:", "", "～ 146", "", ""},
        {"1.2.3:,:50:1:なし:", "送信周波数範囲", " 1.2", "", ""},  // two decimal points: the leading number
    };
    for (const Case& c : cases) {
        CurrentSatValues v;
        const FreqRangeLabels l = load_freq_range(c.record, v);
        EXPECT_EQ(l.label56, c.l56) << c.record;
        EXPECT_EQ(l.label57, c.l57) << c.record;
        EXPECT_EQ(l.label58, c.l58) << c.record;
        EXPECT_EQ(l.label59, c.l59) << c.record;
    }
}

TEST(SettingsSave, TextFormsOfTheSavedValues) {
    EXPECT_EQ(satelite_select_text(0, "AO-51"), " 0:AO-51");
    EXPECT_EQ(satelite_select_text(0, ""), " 0:");
    LocalMapSetting m{"JAPAN.BMP", "135", "35", 1};
    EXPECT_EQ(local_map_text(m), "JAPAN.BMP,135,35, 1");
    m.local_map_show = 0;
    EXPECT_EQ(local_map_text(m), "JAPAN.BMP,135,35, 0");

    TempIni ini;
    MainSettings s;
    s.sun_disp = 2;
    s.moon_disp = 0;
    s.local = m;
    s.ntp_auto = "1";
    s.oscar_amsat_url = "3";
    s.ver_on_off = "0";
    s.gamen_no = "6";
    SatGroupTable g;
    g.group_current = 2;
    g.selected_sat = "AO-51";
    int closed = 0;
    save_settings(s, g, ini.path, [&] { ++closed; });
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(g.satelite_select, " 2:AO-51");
    EXPECT_EQ(s.sun_disp_text, " 2");
    EXPECT_EQ(s.moon_disp_text, " 0");
    OwnStation st;
    TimeState ts;
    SettingsProblems p;
    const MainSettings back = read_main_settings(ini.path, st, ts, p);
    EXPECT_EQ(back.sun_disp, 2);
    EXPECT_EQ(back.local.local_map_show, 0);
    EXPECT_EQ(back.oscar_amsat_url, "3");
    EXPECT_EQ(back.gamen_no, "6");
    EXPECT_EQ(back.ntp_auto, "1");
}
