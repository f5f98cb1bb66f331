#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <filesystem>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

// The whole program on the default data, the local map shown at start-up, the clock at
// noon at the station.
struct MapWindows : ::testing::Test {
    TempDir dir;
    std::unique_ptr<App> app;

    void SetUp() override {
        for (const auto& f : std::filesystem::directory_iterator(TORV_DATA))
            std::filesystem::copy(f.path(), dir.str(), std::filesystem::copy_options::recursive);
        platform::set_program_folder(dir.str());
        platform::clock_fix({2018, 1, 21, 3, 0, 0});
        ini_write("0", "PORT", "DDE", torv_ini());
        ini_write("JAPAN.BMP,135,35, 1", "LOCAL_MAP", "HAIKEIZU", torv_ini());
        platform::MsgBoxRecorder::current()->clear();
        app = std::make_unique<App>();
        app->start();
    }
    void TearDown() override {
        app.reset();
        platform::clock_release();
    }
    // Lets the windows closed meanwhile be destroyed.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static constexpr int kPixel = 15;  // twips; window places are whole pixels

    struct Extent {
        double left, top, width, height;
    };
    static void expect_extent(const platform::PictureBox& box, Extent e) {
        EXPECT_DOUBLE_EQ(box.scaleLeft(), e.left);
        EXPECT_DOUBLE_EQ(box.scaleTop(), e.top);
        EXPECT_DOUBLE_EQ(box.scaleWidth(), e.width);
        EXPECT_DOUBLE_EQ(box.scaleHeight(), e.height);
    }
};

}  // namespace

TEST_F(MapWindows, LocalZoomOpensAtStartUpAroundTheLocalMapCentreAndShowsTheSelectedSatellite) {
    ASSERT_TRUE(app->form12.exists());
    Form12& zoom = app->form12();
    EXPECT_TRUE(zoom.isVisible());
    EXPECT_EQ(zoom.caption(), QString::fromUtf8("ローカル拡大画面"));
    EXPECT_EQ(app->state.view.local_zoom_open, 1);
    // 135 E 35 N: longitudes 120..150, latitudes 50 (top) .. 20.
    expect_extent(zoom.Picture1, {120, 50, 30, -30});
    EXPECT_FALSE(zoom.Command2.isVisible());
    EXPECT_TRUE(zoom.Command3.isVisible());

    app->form1().Timer1_Timer();
    const auto main_slots = app->form1().slot_labels();
    const auto zoom_slots = zoom.slot_labels();
    for (int i = 0; i < kSlots; ++i) EXPECT_EQ(zoom_slots[i]->caption(), main_slots[i]->caption()) << i;
    EXPECT_EQ(zoom.Label10.caption(), QString::fromStdString(app->state.groups.selected_sat));
    EXPECT_EQ(zoom.Label12.caption(), app->form1().Label4.caption());  // azimuth
    EXPECT_EQ(zoom.Label6.caption(), app->form1().Label21.caption());  // displayed local time
    EXPECT_FALSE(zoom.Label16.caption().isEmpty());
}

TEST_F(MapWindows, AsiaLayoutAndBackKeepThePositionAndRestoreTheLocalMap) {
    Form12& zoom = app->form12();
    zoom.Command3.click();  // "拡大"
    EXPECT_NEAR(zoom.left(), 100, kPixel);
    EXPECT_NEAR(zoom.top(), 100, kPixel);
    EXPECT_NEAR(zoom.width(), 9620, kPixel);
    EXPECT_NEAR(zoom.height(), 11000, kPixel);
    expect_extent(zoom.Picture1, {90, 90, 90, -90});
    EXPECT_EQ(app->state.view.local_zoom_px_width, 623);
    EXPECT_EQ(app->state.view.local_zoom_px_height, 613);
    EXPECT_TRUE(zoom.Command2.isVisible());
    EXPECT_FALSE(zoom.Command3.isVisible());

    zoom.Command2.click();  // "縮小"
    EXPECT_NEAR(zoom.left(), 100, kPixel);
    EXPECT_NEAR(zoom.top(), 100, kPixel);
    EXPECT_NEAR(zoom.width(), 8115, kPixel);
    EXPECT_NEAR(zoom.height(), 7560, kPixel);
    expect_extent(zoom.Picture1, {120, 50, 30, -30});
    EXPECT_EQ(app->state.view.local_zoom_px_width, 396);
    EXPECT_EQ(app->state.view.local_zoom_px_height, 396);
    EXPECT_TRUE(zoom.Command3.isVisible());
}

TEST_F(MapWindows, HatchingFollowsTheCheckBoxAndOutlivesTheWindow) {
    app->form12().Check1.click();
    EXPECT_EQ(app->form1().map_state().local_zoom_hatch, 1);
    app->form12().Command1.click();
    settle();
    app->form1().Timer1_Timer();  // loads the window again, hidden, unchecked
    EXPECT_EQ(app->form1().map_state().local_zoom_hatch, 1);
    EXPECT_EQ(app->form12().Check1.value(), 0);
    app->form12().Check1.click();
    app->form12().Check1.click();
    EXPECT_EQ(app->form1().map_state().local_zoom_hatch, 0);
}

TEST_F(MapWindows, TheRedrawLoadsClosedMapWindowsAgainHiddenAndDrawsIntoTheNewOnes) {
    for (int round = 0; round < 60; ++round) {
        app->form12().Command1_Click();
        app->form14().Command1_Click();
        settle();
        EXPECT_FALSE(app->form12.exists());
        EXPECT_EQ(app->state.view.local_zoom_open, 0);
        app->form1().Timer1_Timer();
        ASSERT_TRUE(app->form12.exists());
        ASSERT_TRUE(app->form14.exists());
        EXPECT_FALSE(app->form12().isVisible());
        EXPECT_FALSE(app->form14().isVisible());
        if (round % 2 == 1) app->form12().open_local();
    }
    EXPECT_EQ(app->state.view.local_zoom_open, 1);
    EXPECT_TRUE(app->form12().isVisible());
}

TEST_F(MapWindows, EnlargedWorldMapClosesOnCtrlF12AloneAndUnchecksItsMenuItem) {
    const struct {
        Qt::KeyboardModifiers modifiers;
        bool closes;
    } cases[] = {{Qt::ControlModifier, true},
                 {Qt::ShiftModifier, false},
                 {Qt::ControlModifier | Qt::ShiftModifier, false},
                 {Qt::NoModifier, false}};
    for (const auto& c : cases) {
        Form14& world = app->form14();
        world.Show();
        app->form1().menu_gsiza_max_map.setChecked(true);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F12, c.modifiers);
        QCoreApplication::sendEvent(&world, &press);
        settle();
        EXPECT_EQ(!app->form14.exists(), c.closes) << c.modifiers.toInt();
        EXPECT_EQ(!app->form1().menu_gsiza_max_map.checked(), c.closes) << c.modifiers.toInt();
    }
    EXPECT_EQ(app->form14().caption(), QString::fromUtf8("拡大世界地図"));
    expect_extent(app->form14().Picture2, {0, 180, 720, -360});
}

TEST_F(MapWindows, MissingBitmapsLeaveAPlainMapWithoutAnyMessage) {
    app.reset();
    for (const char* f : {"JAPAN.BMP", "WORD_MAP.BMP", "iss91.bmp", "asia090-98.bmp"})
        std::filesystem::remove(dir.file(f));
    platform::MsgBoxRecorder::current()->clear();
    app = std::make_unique<App>();
    app->start();
    app->form12().Command3_Click();
    app->form1().Timer1_Timer();
    EXPECT_TRUE(app->form12().isVisible());
    EXPECT_EQ(app->form12().iss().type, StdPicture::None);
    for (const std::string& t : platform::MsgBoxRecorder::current()->texts)
        EXPECT_EQ(t.find("asia090-98.bmp"), std::string::npos) << t;
}
