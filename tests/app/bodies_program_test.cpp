#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "app/app.h"
#include "mainwindow/orbit_plane_geometry.h"
#include "mainwindow/radar_view.h"
#include "platform/twips.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "support/program_fixture.h"

using namespace torv;

namespace {

constexpr platform::ColorValue kSunColour = 65535, kMoonColour = 16777088, kMarsColour = 4227327;

// The whole program on the default data with the three bodies shown as icons, the
// clock at noon at the station.
struct Bodies : ProgramOnDefaultData {
    platform::SoundRecorder sounds;

    void configure(const std::string& ini) override {
        for (const char* body : {"SUN", "MOON", "KASEI"}) ini_write(Section{body}, Key{"DISP"}, "2", ini);
        ini_write(Section{"COLOR"}, Key{"SUN_COLOR"}, std::to_string(kSunColour), ini);
        ini_write(Section{"COLOR"}, Key{"MOON_COLOR"}, std::to_string(kMoonColour), ini);
        ini_write(Section{"COLOR"}, Key{"KASEI_COLOR"}, std::to_string(kMarsColour), ini);
    }
    MainWindow& main() { return app->main_window(); }

    // The share of the icon's non-black pixels that the picture shows at corner.
    static double icon_match(const QImage& shown, const QImage& icon, QPoint corner) {
        int lit = 0, same = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb p = icon.pixel(x, y);
                if ((p & 0xFFFFFF) == 0) continue;
                ++lit;
                const QPoint at = corner + QPoint(x, y);
                if (shown.rect().contains(at) && (shown.pixel(at) & 0xFFFFFF) == (p & 0xFFFFFF)) ++same;
            }
        return lit ? double(same) / lit : 0;
    }
};

}  // namespace

TEST_F(Bodies, AWholeRedrawShowsEachBodyWhereItsPositionPutsIt) {
    main().Timer1_Timer();
    const BodyState& b = app->state.bodies;
    const BodyMarkers& t = app->state.view.body_markers;
    const std::pair<int, platform::ColorValue> shown[] = {{kSun, kSunColour}, {kMoon, kMoonColour}, {kMars, kMarsColour}};
    const double lats[] = {b.sun_sub_lat, b.moon_sub_lat, b.mars_sub_lat};
    for (const auto& [i, colour] : shown) {
        EXPECT_DOUBLE_EQ(t.body_map_y[i], 2 * lats[i]) << i;
        EXPECT_EQ(main().Picture2.Point(t.body_map_x[i], t.body_map_y[i]), colour) << i;
        // The enlarged world map shows the icon hanging 10 pixels left and up of the point.
        const QPoint corner(qRound(t.body_map_x[i] * 903 / 720 - 10), qRound((180 - t.body_map_y[i]) * 453 / 360 - 10));
        EXPECT_GT(icon_match(app->world_zoom_window().Picture2.image(), main().body_icons()[i].image, corner), 0.8)
            << i;
    }
    // The sky view: each icon's top-left 20 pixels, 8 (the Moon 10) left and 8 (6) up.
    platform::PictureBox& sky = main().Picture4;
    const double W = platform::px_to_twips(sky.width()), H = platform::px_to_twips(sky.height());
    const double az[] = {b.sun_az, b.moon_az, b.mars_az}, el[] = {b.sun_el, b.moon_el, b.mars_el};
    const QPoint offset[] = {{8, 8}, {10, 6}, {8, 8}};
    for (int i : {kSun, kMoon, kMars}) {
        const RadarPoint p = radar_point(W, H, az[i] * M_PI / 180, el[i]);
        const QPoint corner = QPoint(qRound(p.x * 100 / (W / 2)), qRound(p.y * 100 / (H / 2))) - offset[i];
        const QImage icon = main().body_icons()[i].image.copy(0, 0, 20, 20);
        if (sky.image().rect().contains(QRect(corner, QSize(20, 20)))) {
            EXPECT_GT(icon_match(sky.image(), icon, corner), 0.8) << i;
        }
    }
}

TEST_F(Bodies, AWholeRedrawShowsTheSelectedSatelliteOnItsEllipse) {
    main().Timer1_Timer();
    // The instant of the redraw again, for the selected satellite alone.
    OrbitContext ctx = orbit_context(app->state);
    std::string name = app->state.groups.selected_sat;
    sat_position_disp(ctx, name);
    const CalcResult& r = app->state.orbit.calc;
    const OrbitPlaneScale sc = orbit_plane_scale(r.calc_semi_major_axis, r.calc_ecc);
    const double sx = sc.cx + r.calc_plane_x / sc.s, sy = kOrbitAxisY - r.calc_plane_y / sc.s;
    EXPECT_EQ(main().Picture1.Point(sx, sy), 255);  // the default satellite colour
    EXPECT_EQ(main().Picture1.Point(sc.cx, kOrbitAxisY), 16744448);  // the Earth
}

TEST_F(Bodies, MarsCountdownRunsOnTheClockWarnsAndCanBeCancelled) {
    MainWindow& f = main();
    app->state.bodies.body_dist[kMars] = 78'000'000;
    f.start_rtt_countdown();
    EXPECT_EQ(f.Label67.caption(), QString::fromUtf8("残り08分40秒"));
    EXPECT_EQ(f.Label67.foreColor(), 16711680);
    EXPECT_TRUE(f.Label67.isEnabled());
    EXPECT_EQ(f.Label67.toolTip(), QString::fromUtf8("電波の往復に要する時間の残り時間。クリックするとリセットされます。"));

    platform::clock_fix({2018, 1, 21, 3, 5, 41});  // 341 s after the click
    f.update_rtt_countdown();
    EXPECT_EQ(f.Label67.caption(), QString::fromUtf8("残り02分59秒"));
    EXPECT_EQ(f.Label67.foreColor(), 255);
    EXPECT_EQ(sounds.count("sound2.wav"), 1);

    f.Label67_Click();
    EXPECT_EQ(app->state.view.mars_echo.mars_echo_state, 0);
    EXPECT_TRUE(f.Label67.caption().isEmpty());
    EXPECT_FALSE(f.Label67.isEnabled());
    EXPECT_EQ(f.Label67.foreColor(), 0);
    platform::clock_fix({2018, 1, 21, 3, 6, 0});
    f.update_rtt_countdown();
    EXPECT_TRUE(f.Label67.caption().isEmpty());
    EXPECT_EQ(sounds.count("sound2.wav"), 1);
}
