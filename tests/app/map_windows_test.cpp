#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <filesystem>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "support/map_fixture.h"
#include "support/program_fixture.h"

using namespace torv;

namespace {

// The whole program on the default data, the local map shown at start-up, the clock at
// noon at the station.
struct MapWindows : ProgramOnDefaultData {
    void configure(const std::string& ini) override {
        ini_write(Section{"HAIKEIZU"}, Key{"LOCAL_MAP"}, "JAPAN.BMP,135,35, 1", ini);
        configure_more(ini);
    }
    // Settings of a test, written before the program starts.
    virtual void configure_more(const std::string& /*ini*/) {}

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
    ASSERT_TRUE(app->local_zoom_window.exists());
    LocalZoomWindow& zoom = app->local_zoom_window();
    EXPECT_TRUE(zoom.isVisible());
    EXPECT_EQ(zoom.caption(), QString::fromUtf8("ローカル拡大画面"));
    EXPECT_EQ(app->state.view.local_zoom_open, 1);
    // 135 E 35 N: longitudes 120..150, latitudes 50 (top) .. 20.
    expect_extent(zoom.Picture1, {120, 50, 30, -30});
    EXPECT_FALSE(zoom.Command2.isVisible());
    EXPECT_TRUE(zoom.Command3.isVisible());

    app->main_window().Timer1_Timer();
    const auto main_slots = app->main_window().slot_labels();
    const auto zoom_slots = zoom.slot_labels();
    for (int i = 0; i < kSlots; ++i) EXPECT_EQ(zoom_slots[i]->caption(), main_slots[i]->caption()) << i;
    EXPECT_EQ(zoom.Label10.caption(), QString::fromStdString(app->state.groups.selected_sat));
    EXPECT_EQ(zoom.Label12.caption(), app->main_window().Label4.caption());  // azimuth
    EXPECT_EQ(zoom.Label6.caption(), app->main_window().Label21.caption());  // displayed local time
    EXPECT_FALSE(zoom.Label16.caption().isEmpty());
}

TEST_F(MapWindows, AsiaLayoutAndBackKeepThePositionAndRestoreTheLocalMap) {
    LocalZoomWindow& zoom = app->local_zoom_window();
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
    app->local_zoom_window().Check1.click();
    EXPECT_EQ(app->main_window().map_state().local_zoom_hatch, 1);
    app->local_zoom_window().Command1.click();
    settle();
    app->main_window().Timer1_Timer();  // loads the window again, hidden, unchecked
    EXPECT_EQ(app->main_window().map_state().local_zoom_hatch, 1);
    EXPECT_EQ(app->local_zoom_window().Check1.value(), 0);
    app->local_zoom_window().Check1.click();
    app->local_zoom_window().Check1.click();
    EXPECT_EQ(app->main_window().map_state().local_zoom_hatch, 0);
}

TEST_F(MapWindows, TheRedrawLoadsClosedMapWindowsAgainHiddenAndDrawsIntoTheNewOnes) {
    for (int round = 0; round < 60; ++round) {
        app->local_zoom_window().Command1_Click();
        app->world_zoom_window().Command1_Click();
        settle();
        EXPECT_FALSE(app->local_zoom_window.exists());
        EXPECT_EQ(app->state.view.local_zoom_open, 0);
        app->main_window().Timer1_Timer();
        ASSERT_TRUE(app->local_zoom_window.exists());
        ASSERT_TRUE(app->world_zoom_window.exists());
        EXPECT_FALSE(app->local_zoom_window().isVisible());
        EXPECT_FALSE(app->world_zoom_window().isVisible());
        if (round % 2 == 1) app->local_zoom_window().open_local();
    }
    EXPECT_EQ(app->state.view.local_zoom_open, 1);
    EXPECT_TRUE(app->local_zoom_window().isVisible());
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
        WorldZoomWindow& world = app->world_zoom_window();
        world.Show();
        app->main_window().menu_gsiza_max_map.setChecked(true);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F12, c.modifiers);
        QCoreApplication::sendEvent(&world, &press);
        settle();
        EXPECT_EQ(!app->world_zoom_window.exists(), c.closes) << c.modifiers.toInt();
        EXPECT_EQ(!app->main_window().menu_gsiza_max_map.checked(), c.closes) << c.modifiers.toInt();
    }
    EXPECT_EQ(app->world_zoom_window().caption(), QString::fromUtf8("拡大世界地図"));
    expect_extent(app->world_zoom_window().Picture2, {0, 180, 720, -360});
}

TEST_F(MapWindows, MissingBitmapsLeaveAPlainMapAndAreToldOfOnceEach) {
    app.reset();
    for (const char* f : {"JAPAN.BMP", "WORD_MAP.BMP", "iss91.bmp", "asia090-98.bmp"})
        std::filesystem::remove(dir.file(f));
    platform::MsgBoxRecorder::current()->clear();
    start();
    app->local_zoom_window().Command3_Click();
    app->main_window().Timer1_Timer();
    // Closed and loaded again, each window reads its bitmaps again, silently now.
    for (int round = 0; round < 3; ++round) {
        app->local_zoom_window().Command1_Click();
        app->partner_zoom_window().Command1_Click();
        app->world_zoom_window().Command1_Click();
        settle();
        app->main_window().Timer1_Timer();
        app->local_zoom_window().Command3_Click();
    }
    EXPECT_FALSE(app->local_zoom_window().isVisible());
    EXPECT_EQ(app->local_zoom_window().iss().type, StdPicture::None);
    EXPECT_EQ(app->partner_zoom_window().iss().type, StdPicture::None);
    for (const char* f : {"JAPAN.BMP", "WORD_MAP.BMP", "iss91.bmp", "asia090-98.bmp"}) {
        int told = 0;
        for (const std::string& t : platform::MsgBoxRecorder::current()->texts)
            if (t.find(f) != std::string::npos) ++told;
        EXPECT_EQ(told, 1) << f;
    }
}

namespace {

// Three registered stations: one with a map of its own centred at 5 W, one without a
// map, one whose map file is not in the program folder.
struct PartnerMaps : MapWindows {
    void configure_more(const std::string& ini) override {
        ini_write(Section{"KYOKU-INFO"}, Key{"KYOKU1"}, "EA1,-2,40,,10,1,1, 1,JAPAN.BMP,-5,40", ini);
        ini_write(Section{"KYOKU-INFO"}, Key{"KYOKU2"}, "W1AW,-72.7,41.7,,0,-5,0, 0,,,", ini);
        ini_write(Section{"KYOKU-INFO"}, Key{"KYOKU3"}, "VK2,151,-34,,0,10,1, 1,nothere.bmp,150,-35", ini);
    }
};

}  // namespace

TEST_F(PartnerMaps, PartnerZoomLoadsHiddenOnTheOwnLocalMapWithThePartnersClock) {
    app->main_window().Timer1_Timer();
    ASSERT_TRUE(app->partner_zoom_window.exists());
    PartnerZoomWindow& partner = app->partner_zoom_window();
    EXPECT_FALSE(partner.isVisible());
    EXPECT_EQ(partner.caption(), QString::fromUtf8("相手局ローカル拡大図 "));
    EXPECT_EQ(app->main_window().map_state().partner_zoom_map_file, "JAPAN.BMP");
    EXPECT_EQ(app->main_window().map_state().partner_zoom_lon, "135");
    const auto main_slots = app->main_window().slot_labels();
    for (int i = 0; i < kSlots; ++i) EXPECT_EQ(partner.slot_labels()[i]->caption(), main_slots[i]->caption()) << i;
    // Station 0 keeps UTC+1, the own station UTC+9: its clock is eight hours behind.
    EXPECT_EQ(partner.Label6.caption().toStdString(),
              general_date_text(add_hours(app->state.time.display_time, -8)));

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&partner.Label8, &enter);  // slot 6
    EXPECT_EQ(partner.Label8.toolTip(), partner.Label8.caption() + ":" +
                                            QString::fromStdString(app->state.tips.sat_info_texts[5]));
    partner.Check1.click();
    EXPECT_EQ(app->main_window().map_state().partner_zoom_hatch, 1);
}

TEST_F(PartnerMaps, OpeningAStationsMapFromTheMainWindow) {
    const struct {
        int station;
        std::string centre_lon;
        Extent extent;
        bool shown;
        std::string message;
    } cases[] = {
        {0, "355", {340, 55, 30, -30}, true, ""},
        {1, "", {-15, 15, 30, -30}, false, ""},  // no map of its own: the window is closed
        {2, "150", {135, -20, 30, -30}, false, "nothere.bmpの地図データのファイルが見つかりません"},
    };
    for (const auto& c : cases) {
        app->partner_zoom_window().Command1_Click();
        settle();
        app->main_window().Timer1_Timer();
        platform::MsgBoxRecorder::current()->clear();
        app->main_window().open_partner_map(c.station);
        settle();
        const MapState& m = app->main_window().map_state();
        EXPECT_EQ(app->state.view.partner_zoom_open, 1) << c.station;
        EXPECT_EQ(m.partner_zoom_index, c.station);
        EXPECT_EQ(m.partner_zoom_lon, c.centre_lon) << c.station;
        const std::vector<std::string> told = platform::MsgBoxRecorder::current()->texts;
        if (c.message.empty()) EXPECT_TRUE(told.empty()) << c.station;
        else EXPECT_EQ(told, std::vector<std::string>{c.message});
        EXPECT_EQ(app->partner_zoom_window.exists() && app->partner_zoom_window().isVisible(), c.shown) << c.station;
        if (c.station != 1) expect_extent(app->partner_zoom_window().Picture1, c.extent);
    }
}

TEST_F(PartnerMaps, AStationAtTwoDegreesWestIsMarkedAt358OnItsMap) {
    app->main_window().open_partner_map(0);
    PartnerZoomWindow& partner = app->partner_zoom_window();
    ASSERT_TRUE(partner.isVisible());
    EXPECT_TRUE(colour_near(partner.Picture1, 358, 40, platform::kCyan));
    EXPECT_FALSE(colour_near(partner.Picture1, 357, 40, platform::kCyan));
}

TEST_F(PartnerMaps, TheRedrawLoadsAClosedPartnerMapAgainHiddenAndDrawsIntoIt) {
    // A few hundred rounds, so that the sanitizer build would catch a drawing into a
    // destroyed window.
    for (int round = 0; round < 300; ++round) {
        app->partner_zoom_window().Command1_Click();
        settle();
        EXPECT_FALSE(app->partner_zoom_window.exists());
        EXPECT_EQ(app->state.view.partner_zoom_open, 0);
        app->main_window().Timer1_Timer();
        ASSERT_TRUE(app->partner_zoom_window.exists());
        EXPECT_FALSE(app->partner_zoom_window().isVisible());
        if (round % 2 == 1) {
            app->main_window().open_partner_map(0);
            app->main_window().Timer1_Timer();
        }
    }
    EXPECT_EQ(app->state.view.partner_zoom_open, 1);
    EXPECT_TRUE(app->partner_zoom_window().isVisible());
}

TEST_F(MapWindows, ZoomWindowLampsFollowTheMainWindowsLamps) {
    platform::clock_fix({2018, 1, 20, 20, 53, 0});  // 05:53 local: three of group A up
    MainWindow& main = app->main_window();
    const auto main_lamps = main.lamps();
    for (int tick = 0; tick < 2; ++tick) {  // lit, then dark: the lamps blink
        main.Timer1_Timer();
        int lit = 0;
        for (int s = 0; s < kSlots; ++s) {
            EXPECT_EQ(app->local_zoom_window().slot_lamps()[s]->filled(), main_lamps[s]->filled()) << s;
            EXPECT_EQ(app->partner_zoom_window().slot_lamps()[s]->filled(), main_lamps[s]->filled()) << s;
            lit += main_lamps[s]->filled();
        }
        EXPECT_EQ(lit, tick == 0 ? 3 : 0);
    }
}

namespace {

// Where a world map keeps its read-out state.
struct WorldMapCase {
    const char* name;
    std::function<platform::PictureBox&(App&)> picture;
    std::function<int16_t(App&)> pinned;
    std::function<double(App&)> last_x;
};

const WorldMapCase kWorldMaps[] = {
    {"main map", [](App& a) -> platform::PictureBox& { return a.main_window().Picture2; },
     [](App& a) { return a.main_window().map_state().main_map_own_pinned; },
     [](App& a) { return a.state.view.map_mouse_x; }},
    {"enlarged map", [](App& a) -> platform::PictureBox& { return a.world_zoom_window().Picture2; },
     [](App& a) { return a.main_window().map_state().world_zoom_own_pinned; },
     [](App& a) { return a.state.view.world_zoom_mouse_x; }},
};

}  // namespace

// Every registered station is the stored default: JA3 beside the own station, on the
// world maps, with a map of its own.
TEST_F(MapWindows, TheOwnStationOnAWorldMapOpensTheLocalZoomAndPicksTheStationBesideIt) {
    for (const WorldMapCase& c : kWorldMaps) {
        app->local_zoom_window().Command1_Click();
        app->partner_zoom_window().Command1_Click();
        settle();
        app->main_window().Timer1_Timer();
        MainViewState& v = app->state.view;
        for (int i = 0; i < kSlots; ++i) v.markers.map_marker_x[i] = -999;  // the satellites out of the way
        const double x = v.markers.map_marker_x[kOwnStationMarker], y = v.markers.map_marker_y[kOwnStationMarker];
        app->state.tips.sat_info_texts.fill("");
        platform::PictureBox& map = c.picture(*app);

        map.MouseMove(0, 0, x, y);
        EXPECT_EQ(map.toolTip(), QString("JA3")) << c.name;  // the station's tip wins over the marker's
        map.MouseDown(1, 0, x, y);
        EXPECT_EQ(c.pinned(*app), 1) << c.name;
        EXPECT_FLOAT_EQ(c.last_x(*app), x) << c.name;  // positions are single precision
        EXPECT_TRUE(app->local_zoom_window().isVisible()) << c.name;
        EXPECT_EQ(v.local_zoom_open, 1);
        const auto names = app->state.groups.shown();
        for (int i = 0; i < kSlots; ++i)
            EXPECT_EQ(app->local_zoom_window().slot_labels()[i]->caption().toStdString(), names[i]) << c.name << i;
        EXPECT_FALSE(app->state.tips.sat_info_texts[0].empty()) << c.name;
        EXPECT_EQ(v.partner_selected, 1);
        EXPECT_EQ(v.partner_index, 0);
        EXPECT_EQ(app->main_window().Frame7.caption(), QString("JA3"));
        EXPECT_FALSE(app->main_window().Frame7.isHidden()) << c.name;
        EXPECT_TRUE(app->partner_zoom_window().isVisible()) << c.name;
        EXPECT_EQ(app->main_window().map_state().partner_zoom_map_file, "japan95.bmp");
        map.MouseUp(1, 0, x, y);
        EXPECT_EQ(c.pinned(*app), 0) << c.name;
    }
}

TEST_F(MapWindows, ASatelliteWithoutAPageIsToldOfOnTheWorldMapsOnly) {
    ini_write(Section{"SAT-URL"}, Key{"FO-29"}, "", torv_ini());  // present but empty
    MainViewState& v = app->state.view;
    v.markers.map_marker_name[0] = "FO-29";
    v.markers.map_marker_x[0] = v.markers.map_marker_y[0] = 100;
    for (const WorldMapCase& c : kWorldMaps) {
        platform::MsgBoxRecorder::current()->clear();
        c.picture(*app).MouseDown(1, 0, 100, 100);
        EXPECT_EQ(platform::MsgBoxRecorder::current()->texts,
                  std::vector<std::string>{"人工衛星のＵＲＬが登録されていません"})
            << c.name;
    }
    platform::MsgBoxRecorder::current()->clear();
    app->local_zoom_window().Picture1.MouseDown(1, 0, 50, 50);  // the same marker on the local zoom map
    EXPECT_TRUE(platform::MsgBoxRecorder::current()->texts.empty());
}

TEST_F(PartnerMaps, ThePartnerMapNamesEveryRegisteredStationTheLocalMapOnlyItsOwn) {
    const struct {
        float lon, lat;
        const char* partner_tip;
        const char* local_tip;
    } cases[] = {{358, 40, "EA1", "EA1"}, {287.3f, 41.7f, "W1AW", ""}};
    // The two zoom maps share their last hit, so the local map is read first.
    for (const auto& c : cases) {
        app->local_zoom_window().Picture1.MouseMove(0, 0, c.lon, c.lat);
        app->partner_zoom_window().Picture1.MouseMove(0, 0, c.lon, c.lat);
        EXPECT_EQ(app->partner_zoom_window().Picture1.toolTip().toStdString(), c.partner_tip);
        EXPECT_EQ(app->local_zoom_window().Picture1.toolTip().toStdString(), c.local_tip);
    }
    app->partner_zoom_window().Picture1.MouseDown(1, 0, 287.3, 41.7);
    EXPECT_EQ(app->state.view.partner_index, 1);
    EXPECT_EQ(app->main_window().Frame7.caption(), QString("W1AW"));
}

// docs/local_zoom.png, docs/partner_zoom.png, docs/world_zoom.png: the three map windows
// open on the default data at the test clock after a few redraws. Taken by
// tools/screenshot.sh under a real X server; skipped otherwise.
TEST_F(MapWindows, ScreenshotsWhenAsked) {
    const QString folder = qEnvironmentVariable("TORV_MAP_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "TORV_MAP_SCREENSHOTS not set";
    app->main_window().open_partner_map(0);
    app->world_zoom_window().Show();
    for (int i = 0; i < 3; ++i) app->main_window().Timer1_Timer();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(app->local_zoom_window().grab().save(folder + "/local_zoom.png"));
    EXPECT_TRUE(app->partner_zoom_window().grab().save(folder + "/partner_zoom.png"));
    EXPECT_TRUE(app->world_zoom_window().grab().save(folder + "/world_zoom.png"));
}
