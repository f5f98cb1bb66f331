#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/settings_store.h"
#include "support/main_harness.h"

using torv::MainWindow;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }
}  // namespace

TEST(MainWindowGroups, ButtonsWrapAndSelectTheFirstSlotOfTheNewGroup) {
    MainHarness h;
    MainWindow& f = h.main_window();
    f.Label13_Click();  // AO-7
    h.chart = {};
    f.Command3_Click();  // A -> E
    EXPECT_EQ(h.groups.group_current, 4);
    EXPECT_EQ(f.Frame1.caption(), "GROUP-E");
    EXPECT_EQ(f.Label12.caption(), "NOAA-15");
    EXPECT_EQ(h.groups.selected_sat, "NOAA-15");
    EXPECT_EQ(h.groups.group_slot, 0);
    EXPECT_EQ(h.chart.chart_recompute, 1);
    EXPECT_EQ(h.chart.chart_refreshed, 0);
    EXPECT_EQ(h.chart.pass_list_rebuild, 1);
    EXPECT_EQ(h.chart.pass_list_built, 0);
    f.Command5_Click();  // E -> A
    EXPECT_EQ(f.Frame1.caption(), "GROUP-A");
    f.Command5_Click();
    EXPECT_EQ(f.Frame1.caption(), "GROUP-B");
    EXPECT_EQ(h.groups.selected_sat, "ISS");
    EXPECT_EQ(h.view.markers.map_marker_x[3], -999);
    EXPECT_EQ(h.view.map_mouse_x, 9999);
}

TEST(MainWindowGroups, ScheduleDrivesTheGroupThroughTheBackButton) {
    MainHarness h;
    MainWindow& f = h.main_window();
    h.groups.group_current = 3;  // group C as 1..5
    f.Command3_Click();
    EXPECT_EQ(f.Frame1.caption(), "GROUP-C");
}

TEST(MainWindowSelection, ALabelSelectsItsSatelliteAndSetsTheTransceiverUp) {
    MainHarness h({{"SAT_R_FREQ", "AO-7", "145.85,145.95:29.5,29.4:10:2:なし:"},
                   {"SATELITE", "GROUP-A", "FO-29,AO-7,MY-SAT"}});
    MainWindow& f = h.main_window();
    const int loads = h.ft847_loads;
    h.chart = {};
    h.view.future_orbits = 3;
    f.Label13_Click();
    EXPECT_EQ(h.groups.selected_sat, "AO-7");
    EXPECT_EQ(h.groups.group_slot, 2);
    EXPECT_EQ(h.groups.group_current, 0);
    EXPECT_EQ(h.view.future_orbits, 0);
    EXPECT_EQ(h.chart.pass_list_rebuild, 1);
    EXPECT_EQ(h.chart.chart_recompute, 0);  // the chart tables stay
    EXPECT_EQ(h.ft847_loads, loads + 1);
    EXPECT_EQ(f.Label56.caption(), qs("送信周波数範囲"));
    EXPECT_EQ(f.Label57.caption(), qs(" 145.85～ 145.95"));
    EXPECT_EQ(f.Label59.caption(), qs(" 29.5～ 29.4"));
    EXPECT_EQ(h.current_sat.sat_tx_power, "10");
    EXPECT_DOUBLE_EQ(h.current_sat.sat_downlink_low, 29.5);

    // The next tick computes and shows the newly selected satellite.
    f.Timer1_Timer();
    EXPECT_EQ(f.Label3.caption(), "AO-7");
    EXPECT_EQ(h.dde().Text1.text(), "AO-7");
    f.Label14_Click();  // a satellite of the operator's own without stored ranges: labels empty, defaults
    EXPECT_TRUE(f.Label56.caption().isEmpty());
    EXPECT_TRUE(f.Label57.caption().isEmpty());
    EXPECT_EQ(h.current_sat.sat_tx_power, "50");
    EXPECT_EQ(h.current_sat.sat_tone, "なし");
}

TEST(MainWindowTime, DaysAccelerationAndNowMoveTheComputationInstant) {
    MainHarness h;
    MainWindow& f = h.main_window();
    const torv::DateTime now = h.time.display_time;
    f.Command10_Click();
    f.Timer1_Timer();
    EXPECT_EQ(h.time.time_day_offset, 1);
    EXPECT_DOUBLE_EQ(h.time.display_time, torv::add_days(now, 1));
    // The tick ends with the Doppler factor's second range, 3 s after the display time.
    EXPECT_DOUBLE_EQ(h.time.calc_time, torv::add_seconds(torv::add_hours(torv::add_days(now, 1), -9), 3));
    EXPECT_EQ(f.Label21.caption(), "2018/01/22 12:00:00");
    EXPECT_EQ(f.Command10.palette().color(QPalette::Button), QColor(255, 255, 0));

    for (int i = 0; i < 3; ++i) f.Command13_Click();
    EXPECT_EQ(h.time.time_accel_steps, 3);
    EXPECT_EQ(f.Timer2.interval(), 3000);
    EXPECT_EQ(f.Command13.caption(), qs("2分加速処理"));
    f.Timer1_Timer();  // the tick takes one more step of 2 minutes
    EXPECT_EQ(h.time.time_accel_steps, 4);
    EXPECT_DOUBLE_EQ(h.time.display_time, torv::add_minutes(torv::add_days(now, 1), 8));
    f.Command10_Click();  // a day ahead keeps the acceleration running
    EXPECT_EQ(h.time.time_accel_steps, 4);
    EXPECT_EQ(f.Command13.palette().color(QPalette::Button), QColor(255, 255, 0));

    f.Command20_Click();  // back to one day ahead, still accelerated
    EXPECT_EQ(h.time.time_day_offset, 1);
    EXPECT_EQ(f.Command20.palette().color(QPalette::Button), QColor(255, 255, 0));
    h.view.future_orbits = 2;
    f.Command20_Click();  // reaching today is "現在"
    EXPECT_EQ(h.time.time_day_offset, 0);
    EXPECT_EQ(h.time.time_accel_steps, 0);
    EXPECT_EQ(f.Timer2.interval(), 15000);
    EXPECT_EQ(h.view.future_orbits, 0);
    EXPECT_EQ(f.Command4.palette().color(QPalette::Button), QColor(255, 255, 0));
    f.Timer1_Timer();
    EXPECT_DOUBLE_EQ(h.time.display_time, now);
    EXPECT_TRUE(h.messages().empty());

    f.Command20_Click();  // at today: told, and "現在" all the same
    ASSERT_EQ(h.messages().size(), 1u);
    EXPECT_EQ(h.messages().back(), "現在日付まで戻っています。");
}

TEST(MainWindowTime, AccelerationCounterHoldsAtItsTop) {
    MainHarness h;
    MainWindow& f = h.main_window();
    h.time.time_accel_steps = 32766;
    f.Timer1_Timer();
    f.Timer1_Timer();
    EXPECT_EQ(h.time.time_accel_steps, 32767);
    f.Command13_Click();
    EXPECT_EQ(h.time.time_accel_steps, 32767);
    EXPECT_GT(h.time.display_time, h.time.calc_time);  // still ahead, never run backwards
}

TEST(MainWindowTime, ShiftSwitchesTheHourScaleAndKeepsItsDay) {
    MainHarness h;
    MainWindow& f = h.main_window();
    f.Command14_Click();
    EXPECT_EQ(h.chart.chart_shift, 1);
    EXPECT_EQ(h.chart.chart_shift_day, 21);
    EXPECT_EQ(f.Command14.caption(), qs("シフト←"));
    EXPECT_TRUE(f.Label18.caption().startsWith("12          15"));
    f.Command10_Click();
    f.Timer1_Timer();
    f.Command14_Click();
    EXPECT_EQ(h.chart.chart_shift, 0);
    EXPECT_EQ(h.chart.chart_shift_day, 21);
    EXPECT_EQ(f.Label18.caption().toStdString(), torv::hour_scale_text(false));
    EXPECT_TRUE(f.Label18.caption().startsWith("0            3"));
    f.Command1_Click();
    EXPECT_EQ(h.view.future_orbits, 1);
}

TEST(MainWindowChart, DayAndNightBandFollowsTheDaylightTable) {
    MainHarness h({{"COLOR", "HIRU_COLOR", "255"}, {"COLOR", "YORU_COLOR", "16711680"}});
    MainWindow& f = h.main_window();
    h.view.daylight_table.fill(0.0f);
    f.draw_sun_band();
    EXPECT_EQ(f.Picture3.Point(3000, 100), 16711680);
    EXPECT_NE(f.Picture3.Point(500, 100), 16711680);  // left of the axis: untouched
    h.view.daylight_table.fill(1.0f);
    f.draw_sun_band();
    EXPECT_EQ(f.Picture3.Point(3000, 100), 255);
    EXPECT_EQ(f.Picture3.Point(5990, 100), 255);
    // Today at 34.5 N: noon is day, midnight night.
    torv::DateTime when = torv::date_serial(2018, 1, 21);
    torv::sun_daylight_table(when, 0, 9, h.station, h.view.daylight_table);
    f.draw_sun_band();
    EXPECT_EQ(f.Picture3.Point(960 + 3.5 * 720, 100), 255);
    EXPECT_EQ(f.Picture3.Point(960 + 3.5 * 30, 100), 16711680);
}

TEST(MainWindowTick, SunMoonAndMarsArePublishedEveryTick) {
    MainHarness h({{"KIDOUKOUSIN", "YYMMDD", "2018/01/01 00:00:00"}});  // twenty days old
    MainWindow& f = h.main_window();
    f.Timer1_Timer();
    EXPECT_EQ(h.dde().Text8.text().toStdString(), torv::num_text(h.bodies.sun_az));
    EXPECT_EQ(h.dde().Text11.text().toStdString(), torv::num_text(h.bodies.moon_el));
    EXPECT_EQ(h.dde().Text24.text().toStdString(), torv::num_text(h.bodies.body_dist[torv::kMars]));
    EXPECT_GT(h.bodies.sun_el, 0);  // noon in Japan
    // Stale element sets blink the date label at each tick.
    const platform::ColorValue before = f.Label33.foreColor();
    f.Timer1_Timer();
    EXPECT_NE(f.Label33.foreColor(), before);
}

TEST(MainWindowShutdown, CloseSavesExactlyTheDisplayKeysAndTheNextStartReadsThemBack) {
    std::string saved;
    {
        MainHarness h({{"HAIKEIZU", "LOCAL_MAP", "JAPAN.BMP,135,35, 1"}});
        MainWindow& f = h.main_window();
        f.Command5_Click();
        f.Command5_Click();  // group C
        f.Label14_Click();   // CO-58
        h.settings.sun_disp = 2;
        h.settings.eisei_blink = 0;
        h.settings.gamen_no = "6";
        h.settings.ntp_auto = "0";
        h.dir.write("torv.ini", "");  // only what the close writes
        f.close();
        EXPECT_EQ(h.ended, 1);
        EXPECT_FALSE(h.tray.shown());
        saved = h.ini_text();
        h.dir.write("torv.ini", saved);
        for (const char* key :
             {"[SATELITE]", "SELECT= 2:CO-58", "[SUN]", "DISP= 2", "DISP= 0", "[KISEKI]", "DISP= 1", "[BLINK]",
              "EISEI_BLINK= 0", "[ALAT/ALON]", "[HAIKEIZU]", "LOCAL_MAP=JAPAN.BMP,135,35, 1", "NTP_AUTO=0",
              "OSCAR_AMSAT_URL=1", "VER_ON_OFF=0", "GAMEN_NO=6"})
            EXPECT_NE(saved.find(key), std::string::npos) << key;
        int lines = 0;
        for (char c : saved) lines += c == '=';
        EXPECT_EQ(lines, 13);
    }
    MainHarness next({{"SATELITE", "SELECT", " 2:CO-58"}, {"SUN", "DISP", " 2"}, {"BLINK", "EISEI_BLINK", " 0"}});
    MainWindow& f = next.main_window();
    EXPECT_EQ(f.Frame1.caption(), "GROUP-C");
    EXPECT_EQ(next.groups.selected_sat, "CO-58");
    EXPECT_TRUE(f.menyusun_grafick.checked());
    EXPECT_TRUE(f.menu_blink_hihyouji.checked());
}

TEST(MainWindowShutdown, ALocalMapWithABadFlagKeepsItsFileAndCentreThroughTheSave) {
    MainHarness h({{"HAIKEIZU", "LOCAL_MAP", "MYMAP.BMP,140,36,yes"}});
    MainWindow& f = h.main_window();
    ASSERT_EQ(h.messages().size(), 1u);
    EXPECT_NE(h.messages()[0].find("[HAIKEIZU] LOCAL_MAP"), std::string::npos);
    f.Command2_Click();
    EXPECT_EQ(torv::ini_read(torv::Section{"HAIKEIZU"}, torv::Key{"LOCAL_MAP"}, h.dir.file("torv.ini")),
              "MYMAP.BMP,140,36, 0");
}

TEST(MainWindowShutdown, CloseMenuEndsWithoutSavingAndTheExitButtonSaves) {
    MainHarness h;
    MainWindow& f = h.main_window();
    f.Label13_Click();
    const std::string before = h.ini_text();
    f.menuend_Click();
    EXPECT_EQ(h.ended, 1);
    EXPECT_EQ(h.ini_text(), before);
    f.Command2_Click();
    EXPECT_EQ(h.ended, 2);
    EXPECT_NE(h.ini_text().find("SELECT= 0:AO-7"), std::string::npos);
}

// Every label's text fits its control in the project's Japanese font, in every group of
// the default data, once a tick has filled the values in.
TEST(MainWindowLayout, EveryLabelTextFitsItsControl) {
    MainHarness h;
    torv::MainWindow& f = h.main_window();
    for (int group = 0; group < 5; ++group) {
        f.Timer1_Timer();
        for (platform::Label* l : f.findChildren<platform::Label*>()) {
            if (!l->isVisibleTo(&f) || l->text().isEmpty() || l->wordWrap()) continue;
            const QFontMetrics m(l->font());
            for (const QString& line : l->text().split('\n'))
                EXPECT_LE(m.horizontalAdvance(line), l->contentsRect().width())
                    << "group " << group << ": \"" << line.toStdString() << "\" in " << l->objectName().toStdString();
        }
        f.Command5_Click();
    }
}
