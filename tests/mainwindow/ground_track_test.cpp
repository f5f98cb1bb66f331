#include "mainwindow/ground_track.h"

#include <gtest/gtest.h>

#include "support/map_fixture.h"
#include "platform/msg_box.h"

using namespace torv;

namespace {

// Counts the satellite computations (each clears the main window's drawing surface).
struct CountingDisplay : SatDisplay {
    int computations = 0;
    void show_time_labels(DateTime, DateTime) override {}
    void show_motion_term(double, double, double) override {}
    void clear_drawing_surface() override { ++computations; }
    void show_selected(const SelectedSatResult&) override {}
    void show_station_view(double, double) override {}
    void notice(const std::string& text) override { platform::msg_box(text); }  // as the main window does
};

struct TrackFixture : MapFixture {
    CountingDisplay display;
    TrackFixture() { octx.display = &display; }
    int track(std::string name) {
        display.computations = 0;
        double colour = kYellow;
        draw_ground_track(ctx, name, colour);
        return display.computations;
    }
};

}  // namespace

TEST(GroundTrack, SixtyOneTrailDotsEndingTenSecondsPastTheMarker) {
    TrackFixture f;
    f.settings.kiseki_size = 10;  // one-unit dots
    f.main_map.Cls();
    EXPECT_EQ(f.track("SO-50"), kTrailPoints + 1);  // the trail, then the marker's position
    EXPECT_EQ(f.time.realtime_flag, 1);
    EXPECT_DOUBLE_EQ(f.time.calc_time, f.display_utc());
    const CalcResult marker = f.orbit.calc;

    auto dotted = [&](DateTime utc) {
        const CalcResult c = f.at("SO-50", utc);
        return colour_near(f.main_map, world_map_x(c.calc_sub_lon, "1"), world_map_y(c.calc_sub_lat), kYellow);
    };
    const DateTime t0 = f.display_utc();
    EXPECT_TRUE(dotted(add_seconds(t0, -590)));
    EXPECT_TRUE(dotted(add_seconds(t0, 10)));
    EXPECT_FALSE(dotted(add_seconds(t0, -900)));
    EXPECT_FALSE(dotted(add_seconds(t0, 300)));
    EXPECT_DOUBLE_EQ(marker.calc_sub_lon, f.at("SO-50", t0).calc_sub_lon);
}

TEST(GroundTrack, RevolutionsOfTheSelectedSatelliteOnly) {
    TrackFixture f;
    const int trail = kTrailPoints + 1;
    const int limit = orbit_step_limit(15.5419);
    struct Case {
        std::string name;
        int16_t kiseki_disp, future_orbits;
        int revolutions;
    };
    const Case cases[] = {{"SO-50", 1, 3, 0}, {"ISS", 1, 0, 1}, {"ISS", 0, 0, 0}, {"ISS", 0, 2, 2}, {"ISS", 1, 2, 3}};
    for (const Case& c : cases) {
        f.settings.kiseki_disp = c.kiseki_disp;
        f.view.future_orbits = c.future_orbits;
        const int extra = f.track(c.name) - trail;
        // About 46 steps of 2 minutes per 92.7-minute revolution.
        EXPECT_GE(extra, c.revolutions * 44) << c.name << " " << c.kiseki_disp << " " << c.future_orbits;
        EXPECT_LE(extra, c.revolutions * limit) << c.name << " " << c.kiseki_disp << " " << c.future_orbits;
        EXPECT_DOUBLE_EQ(f.time.calc_time, f.display_utc());
    }
}

TEST(GroundTrack, EmptyNameDrawsNothingAndLeavesTheFlags) {
    TrackFixture f;
    f.time.realtime_flag = 1;
    f.time.calc_time = 123;
    EXPECT_EQ(f.track(""), 0);
    EXPECT_EQ(f.time.realtime_flag, 1);
    EXPECT_DOUBLE_EQ(f.time.calc_time, 123);
}

TEST(GroundTrack, RevolutionEndsWithinItsStepLimitOnAVeryEccentricOrbit) {
    EXPECT_EQ(orbit_step_limit(0), 0);
    EXPECT_EQ(orbit_step_limit(10), 82);       // 144-minute period
    EXPECT_EQ(orbit_step_limit(0.001), kMaxOrbitSteps);
    TrackFixture f;
    // e = 0.97: near perigee one 2-minute step jumps the whole 0..10 degree window.
    f.add_set("ECC", "1 99999U 98067A   18020.89808844  .00000000  00000-0  00000-0 0  9992",
              "2 99999  51.6424  32.9776 9700000  28.7227  39.5332 10.00000000 95614");
    f.groups.selected_sat = "ECC";
    std::string name = "ECC";
    f.at(name, f.display_utc());
    f.time.realtime_flag = 0;
    double colour = kYellow;
    const int steps = draw_one_orbit(f.ctx, name, colour, 100);
    // The anomaly never lands in the window, so only the limit ends the revolution.
    EXPECT_EQ(steps, orbit_step_limit(10));
}

TEST(GroundTrack, SkyViewDotsOnlyAtOrAboveTheHorizon) {
    MapFixture f;
    double colour = kYellow;
    f.sky_view.Cls();
    const QImage blank = f.sky_view.image().copy();
    f.orbit.calc.calc_el = -0.01;
    plot_radar_track_point(f.ctx, colour);
    EXPECT_EQ(f.sky_view.image(), blank);
    f.orbit.calc.calc_el = deg_to_rad(45);
    f.orbit.calc.calc_az = deg_to_rad(90);  // east: right of the centre, half-way to the horizon
    plot_radar_track_point(f.ctx, colour);
    const double W = 3075, H = 3090;
    EXPECT_TRUE(colour_near(f.sky_view, W / 2 + W / 4, H / 2, kYellow));
    EXPECT_EQ(f.sky_view.fillStyle, platform::PictureBox::Transparent);
}
