#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"
#include "support/main_harness.h"
#include "orbit/sat_position.h"

using torv::MainWindow;

namespace {

QString qs(const char* s) { return QString::fromUtf8(s); }

// Azimuth and elevation (degrees) of a satellite at the harness clock, computed apart
// from the window.
std::pair<double, double> view_at_clock(const MainHarness& h, std::string name) {
    torv::TimeState ts;
    torv::set_time_diff(ts, 9);
    ts.realtime_flag = 1;
    torv::OrbitState o;
    const std::string selected = name;
    torv::OrbitContext ctx{h.elements, h.corrections, h.station, selected, ts, o, nullptr};
    EXPECT_TRUE(torv::sat_position_disp(ctx, name));
    return {o.calc.calc_az * 180 / M_PI, o.calc.calc_el * 180 / M_PI};
}

}  // namespace

TEST(MainWindowStartUp, DefaultDataShowsGroupAWithTheSelectedSatellitesResults) {
    MainHarness h;
    MainWindow& f = h.main_window();
    EXPECT_EQ(f.caption(), qs("軌道計算v1.89"));
    EXPECT_EQ(f.Frame1.caption(), "GROUP-A");
    const char* names[] = {"FO-29", "AO-7", "AO-73", "XW-2A", "XW-2C", "XW-2F", "EO-88"};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(f.slot_labels()[k]->caption(), names[k]);
    EXPECT_EQ(h.groups.selected_sat, "FO-29");
    EXPECT_GT(h.elements.element_line_count(), 0);

    // The start-up's scan computed the selected satellite at the clock.
    const auto [az, el] = view_at_clock(h, "FO-29");
    EXPECT_EQ(f.Label3.caption(), "FO-29");
    EXPECT_EQ(f.Label4.caption().toStdString(), torv::format_number(az, "###0.0"));
    EXPECT_EQ(f.Label5.caption().toStdString(), torv::format_number(el, "##0.0"));
    EXPECT_EQ(h.dde().Text1.text(), "FO-29");
    EXPECT_EQ(h.dde().Text2.text().toStdString(), torv::format_number(az, "###0.00000"));
    EXPECT_TRUE(f.Label54.caption().startsWith(qs("アップ＝,形式＝")));
    EXPECT_TRUE(f.Label3.toolTip().contains(qs("分前の軌道情報")));

    // Local time shown, UTC computed, real time marked, the bands and flags as set.
    EXPECT_EQ(f.Label21.caption(), "2018/01/21 12:00:00");
    EXPECT_DOUBLE_EQ(h.time.calc_time, torv::add_hours(h.time.display_time, -9));
    EXPECT_EQ(f.Command4.palette().color(QPalette::Button), QColor(255, 255, 0));
    EXPECT_EQ(h.view.doppler_band, (std::array<int16_t, 3>{1, 2, 4}));
    EXPECT_EQ(h.chart.chart_recompute, 1);
    EXPECT_EQ(h.chart.pass_list_rebuild, 1);
    EXPECT_EQ(h.view.body_names[2], "火星");
    EXPECT_EQ(h.doppler.doppler_factor, 1.0);
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_TRUE(f.Timer2.enabled());
    EXPECT_FALSE(h.progress_window.exists());
    EXPECT_FALSE(f.Picture2.picture().isNull());
    EXPECT_FALSE(f.Picture4.picture().isNull());
    EXPECT_TRUE(h.messages().empty());
}

TEST(MainWindowStartUp, MissingBitmapsAreToldOnceAndLeaveEmptyPictures) {
    MainHarness h({}, /*with_pictures=*/false);
    MainWindow& f = h.main_window();
    ASSERT_EQ(h.messages().size(), 1u);
    EXPECT_NE(h.messages()[0].find("MAP1.BMP"), std::string::npos);
    EXPECT_NE(h.messages()[0].find("REDA.BMP"), std::string::npos);
    for (const char* sky : {"skya7_18.BMP", "skya18_19.BMP", "skya19_6.BMP"})
        EXPECT_NE(h.messages()[0].find(sky), std::string::npos) << sky;
    EXPECT_TRUE(f.Picture2.picture().isNull());
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(f.Label3.caption(), "FO-29");
}

TEST(MainWindowStartUp, RunsItsStepsInOrder) {
    MainHarness h;
    h.main_window();
    const std::vector<std::string> expected = {
        "progress_shown", "initial_state", "settings_load", "rig_buttons", "priority", "daylight_band",
        "timers_off", "elements_loaded", "shown_sats_check", "clock_set", "display_state", "ft847_window_loaded",
        "timers_on", "progress_closed", "layout", "debug_log_deleted", "visible_scan", "tray_icon", "sat_hosei_set"};
    EXPECT_EQ(h.steps, expected);
}

TEST(MainWindowStartUp, VisibleScanAtStartUpFillsText25AndAnnouncesNothing) {
    MainHarness h;
    MainWindow& f = h.main_window();
    const QStringList lines = h.dde().Text25.text().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 35);
    EXPECT_TRUE(lines[0].startsWith("FO-29 "));
    EXPECT_TRUE(lines[1].startsWith("AO-7 "));
    EXPECT_TRUE(lines[7].startsWith("ISS "));  // group B follows the seven of group A
    EXPECT_EQ(h.time.realtime_flag, 1);
    EXPECT_EQ(h.view.scan_notices_off, 0);
    EXPECT_TRUE(h.messages().empty());
    (void)f;
}

TEST(MainWindowStartUp, MalformedValuesAreToldOnceAndReplacedByDefaults) {
    MainHarness h({{"FT847", "CAT", "1:COM"},
                   {"IC910", "CAT", "x:COM1:9600:60:E0"},
                   {"HAIKEIZU", "LOCAL_MAP", "JAPAN.BMP"},
                   {"SATELITE", "SELECT", "7:AO-7"}});
    MainWindow& f = h.main_window();
    ASSERT_EQ(h.messages().size(), 1u);
    const std::string& m = h.messages()[0];
    EXPECT_NE(m.find("[FT847] CAT"), std::string::npos);
    EXPECT_NE(m.find("[IC910] CAT"), std::string::npos);
    EXPECT_NE(m.find("[HAIKEIZU] LOCAL_MAP"), std::string::npos);
    EXPECT_FALSE(f.Command12.isEnabled());
    EXPECT_EQ(h.settings.ft847_cat.port, "COM1");
    EXPECT_EQ(h.settings.local.local_map_file, "JAPAN.BMP");
    EXPECT_EQ(h.settings.local.local_map_lon, "135");
    // A group digit without a row shows group A with the stored name.
    EXPECT_EQ(h.groups.group_current, 0);
    EXPECT_EQ(f.Frame1.caption(), "GROUP-A");
    EXPECT_EQ(h.groups.selected_sat, "AO-7");
    EXPECT_TRUE(f.Timer1.enabled());
}

TEST(MainWindowStartUp, SettingsApplyToMenusButtonsAndBoxes) {
    MainHarness h({{"SUN", "DISP", "3"},
                   {"BLINK", "EISEI_BLINK", "7"},
                   {"KASOKU", "KASOKU_RITU", "5"},
                   {"TS2000", "CAT", "1:COM3:9600:"},
                   {"SOUND", "KOUKAON_CK1", "0"},
                   {"SOUND", "MUSIC_CK2", "1"},
                   {"UNYOU", "OSCAR_AMSAT_URL", "3"},
                   {"KIDOUKOUSIN", "ELM_AUTO_SW", "3"},
                   {"KIDOUKOUSIN", "YYMMDD", "ERROR"},  // read as missing: the defaults
                   {"KIDOUKOUSIN", "ORBIT", "ERROR"},
                   {"HAIKEIZU", "LOCAL_MAP", "EUROPE.BMP,-10,50, 1"}});
    MainWindow& f = h.main_window();
    EXPECT_TRUE(f.menyusun_borderless.checked());
    EXPECT_FALSE(f.menyusun_hihyouji.checked());
    EXPECT_FALSE(f.Frame4.isHidden());
    EXPECT_TRUE(f.Frame5.isHidden());  // the Moon stays hidden by default
    EXPECT_TRUE(f.menu_blink_white.checked());
    EXPECT_EQ(f.Command13.caption(), qs("5分加速処理"));
    EXPECT_TRUE(f.Command21.isEnabled());
    EXPECT_FALSE(f.Command12.isEnabled());
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_EQ(f.Check2.value(), 1);
    EXPECT_EQ(f.Check3.value(), 1);
    EXPECT_EQ(h.view.music_start_request, 1);  // ticking the music box asks for a start
    EXPECT_TRUE(f.menu_unyou_oscar_asmat.checked());
    EXPECT_TRUE(f.Label33.toolTip().isEmpty());  // mode "3" sets no tool tip
    EXPECT_TRUE(f.menu_local_map_hyouji.checked());
    EXPECT_EQ(h.settings.local.local_map_lon, "350");
    EXPECT_EQ(h.view.local_zoom_open, 1);
    EXPECT_EQ(f.Label33.caption(), "000000000000  ORB04008");
    EXPECT_EQ(h.element_update.elements_stale, 1);
    EXPECT_FALSE(f.Label52.isVisibleTo(&f));
}

TEST(MainWindowStartUp, FailedTimeSyncProgramIsReportedInTheLabelsAndReset) {
    MainHarness h({{"NTP_TIME", "NTP_AUTO", "1"}, {"NTP_TIME", "NTP_ELM", "no_such_program_here.exe,123,1024"}});
    MainWindow& f = h.main_window();
    EXPECT_TRUE(f.MENU_TIME_CHECK.checked());
    EXPECT_EQ(f.Label52.caption(), qs("ＮＴＰ設定項目確認"));
    EXPECT_EQ(f.Label53.caption(), qs("時間自動更新失敗"));
    EXPECT_NE(h.ini_text().find("NTP_ELM=SW_NORAS.EXE,,"), std::string::npos);
}

TEST(MainWindowStartUp, BackColourPaintsTheListedControlsOnly) {
    MainHarness h({{"COLOR", "BACKCOLOR", "255"}});
    MainWindow& f = h.main_window();
    EXPECT_EQ(f.Check1.palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_NE(f.Check3.palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(f.Command20.palette().color(QPalette::Button), QColor(255, 0, 0));
    EXPECT_NE(f.Command21.palette().color(QPalette::Button), QColor(255, 0, 0));
}

TEST(MainWindowStartUp, DefaultDataShowsTheDateOfItsElementSets) {
    MainHarness h;
    MainWindow& f = h.main_window();
    EXPECT_EQ(f.Label33.caption(), "2018/01/21 00:00:00  ORB18021");
    EXPECT_EQ(h.element_update.elements_stale, 0);  // the test clock stands on that day
}
