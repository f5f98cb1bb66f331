#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "support/program_fixture.h"

using namespace torv;

namespace {

struct SkyTrackWindowTest : ProgramOnDefaultData {
    void click_sky_view(int button) { app->main_window().Picture4.MouseUp(button, 0, 1000, 1000); }
};

}  // namespace

TEST_F(SkyTrackWindowTest, ALeftClickOnTheSkyViewShowsTheChartOverTheSelectedSatellite) {
    click_sky_view(2);
    EXPECT_FALSE(app->sky_track_window.exists() && app->sky_track_window().isVisible());
    click_sky_view(1);
    ASSERT_TRUE(app->sky_track_window.exists());
    SkyTrackWindow& chart = app->sky_track_window();
    EXPECT_TRUE(chart.isVisible());
    EXPECT_EQ(chart.caption(), QString::fromUtf8("軌道"));
    chart.Timer1_Timer();
    EXPECT_EQ(chart.Label4.caption(), QString::fromStdString(app->state.groups.selected_sat));
    EXPECT_EQ(chart.track_slot, 0);
}

TEST_F(SkyTrackWindowTest, TheSelectedSatellitesComputationWritesTheReadOutsLoadingAClosedChartHidden) {
    for (int round = 0; round < 40; ++round) {
        if (app->sky_track_window.exists()) app->sky_track_window().Command1_Click();
        settle();
        EXPECT_FALSE(app->sky_track_window.exists());
        app->main_window().Timer1_Timer();
        ASSERT_TRUE(app->sky_track_window.exists());
        SkyTrackWindow& chart = app->sky_track_window();
        EXPECT_FALSE(chart.isVisible());
        EXPECT_EQ(chart.Label6.caption(), app->main_window().Label4.caption());  // azimuth
        EXPECT_EQ(chart.Label8.caption(), app->main_window().Label5.caption());  // elevation
        chart.Timer1_Timer();
        if (round % 2 == 1) click_sky_view(1);
    }
}

TEST_F(SkyTrackWindowTest, ScreenshotWhenAsked) {
    const QString file = qEnvironmentVariable("TORV_SKY_TRACK_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "TORV_SKY_TRACK_SCREENSHOT not set";
    MainWindow& f = app->main_window();
    f.Timer2_Timer();
    f.Timer1_Timer();  // the chart's minute tables of the day
    click_sky_view(1);
    SkyTrackWindow& chart = app->sky_track_window();
    chart.Check1.setValue(1);
    chart.Timer1_Timer();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    ASSERT_TRUE(chart.grab().save(file));
}
