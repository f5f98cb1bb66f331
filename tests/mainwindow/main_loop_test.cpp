#include "mainwindow/main_loop.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "mainwindow/footprint.h"
#include "support/map_fixture.h"

using namespace torv;

namespace {

constexpr std::array<double, 7> kSlotColors{65535, 16711935, 33023, 8421376, 16744576, 8454016, 12632256};

// The loop with every step of the other views recorded in order.
struct LoopFixture : MapFixture, MainLoopLabels {
    std::array<std::string, 7> group{"SO-50", "ISS", "FO-29", "", "", "", ""};
    std::vector<std::string> trace;
    bool check1 = true;
    bool stale = false;
    std::unique_ptr<MainLoop> loop;

    LoopFixture() {
        MainLoopSteps s;
        s.slot_name = [this](int slot) { return group[slot]; };
        s.slot_color = [](int slot) { return kSlotColors[slot]; };
        s.effect_sound_ticked = [this] { return check1; };
        s.elements_stale = [this] { return stale; };
        auto step = [this](const char* name) { return [this, name] { trace.push_back(name); }; };
        s.sun_moon_mars_disp = step("bodies");
        s.check_music = step("music");
        s.draw_orbit_plane = step("orbit-plane");
        s.update_pass_timeline = [this](std::string& n) { trace.push_back("row:" + n); };
        s.draw_bodies = step("bodies-on-maps");
        s.update_rtt_countdown = step("countdown");
        s.chart.draw_grid_lines = step("chart-grid");
        s.chart.take_marker_time = step("marker-time");
        s.chart.marker_moves_left = [this] {
            trace.push_back("new-day?");
            return new_day;
        };
        s.chart.move_markers = step("markers");
        s.chart.select_current_pass_row = step("pass-row");
        s.chart.check_five_minute_warning = step("five-minutes");
        ctx.sky.plot_radar = [this](double&) { trace.push_back("radar:" + view.draw_sat_name); };
        chart.request_full_refresh();  // as the start-up leaves it
        loop = std::make_unique<MainLoop>(ctx, chart, doppler, controls(), s);
    }
    bool new_day = false;
};

const std::vector<std::string> kChartTick{"chart-grid", "marker-time", "new-day?", "markers", "pass-row", "five-minutes"};

}  // namespace

TEST(MainLoop, TickRunsItsStepsInOrder) {
    LoopFixture f;
    f.loop->Timer1_Timer();
    std::vector<std::string> expected{"bodies"};
    expected.insert(expected.end(), kChartTick.begin(), kChartTick.end());  // rows stale at start-up
    for (const std::string name : {"SO-50", "ISS", "FO-29"}) {
        expected.push_back("radar:" + name);
        if (name == "ISS") expected.push_back("orbit-plane");
        expected.push_back("row:" + name);
    }
    for (int s = 3; s < 7; ++s) expected.push_back("row:");  // empty slots
    expected.insert(expected.end(), {"bodies-on-maps", "countdown", "music"});
    EXPECT_EQ(f.trace, expected);

    f.trace.clear();
    f.loop->Timer1_Timer();  // rows fresh: no chart tick this time
    EXPECT_EQ(f.trace.front(), "bodies");
    EXPECT_EQ(f.trace[1], "radar:SO-50");
}

TEST(MainLoop, ChartFlagsCoupleTheTicks) {
    LoopFixture f;
    f.loop->Timer1_Timer();
    EXPECT_EQ(f.chart.chart_refreshed, 1);
    EXPECT_EQ(f.chart.chart_recompute, 0);
    EXPECT_EQ(f.view.effect_sound_on, 1);
    f.loop->Timer2_Timer();
    EXPECT_EQ(f.chart.chart_refreshed, 0);
    f.new_day = true;
    f.check1 = false;
    f.loop->Timer1_Timer();  // runs the chart tick again, which finds a new day
    EXPECT_EQ(f.chart.chart_refreshed, 1);
    EXPECT_EQ(f.chart.chart_recompute, 0);  // done by this redraw
    EXPECT_EQ(f.chart.pass_list_rebuild, 1);
    EXPECT_EQ(f.chart.pass_list_built, 0);
    EXPECT_EQ(f.view.effect_sound_on, 0);
}

TEST(MainLoop, AccelerationCounterStopsAtItsLimit) {
    LoopFixture f;
    for (auto [before, after] : {std::pair<int16_t, int16_t>{0, 0}, {5, 6}, {32766, 32767}, {32767, 32767}}) {
        f.time.time_accel_steps = before;
        f.loop->Timer1_Timer();
        EXPECT_EQ(f.time.time_accel_steps, after) << before;
    }
}

TEST(MainLoop, ElementDateBlinksOnlyWhenStaleAndBlinkPhaseAlternates) {
    LoopFixture f;
    f.label33.setForeColor(12345);
    f.loop->Timer1_Timer();
    EXPECT_EQ(f.label33.foreColor(), 12345);
    EXPECT_EQ(f.view.blink_phase, 1);
    f.stale = true;
    f.loop->Timer1_Timer();
    EXPECT_EQ(f.label33.foreColor(), kRed);
    EXPECT_EQ(f.view.blink_phase, 0);
    f.loop->Timer1_Timer();
    EXPECT_EQ(f.label33.foreColor(), kBlack);
    f.view.blink_phase = 7;
    f.loop->Timer1_Timer();
    EXPECT_EQ(f.view.blink_phase, 0);
}

TEST(MainLoop, RedrawShowsSatellitesFootprintsAndStationAtTheFixedClock) {
    LoopFixture f;
    f.settings.kiseki_disp = 0;
    f.loop->redraw_all();
    const DateTime t0 = f.display_utc();
    for (int s = 0; s < 3; ++s) {
        const CalcResult c = f.at(f.group[s], t0);
        const double x = world_map_x(c.calc_sub_lon, "1"), y = world_map_y(c.calc_sub_lat);
        const platform::ColorValue colour = color_value(kSlotColors[s]);
        EXPECT_EQ(f.main_map.Point(x, y), colour) << f.group[s];
        EXPECT_EQ(f.view.markers.map_marker_name[s], f.group[s]);
        EXPECT_DOUBLE_EQ(f.view.markers.map_marker_x[s], x);
        const auto outline = footprint_outline(c.calc_sub_lat, c.calc_sub_lon, c.calc_sub_height, "1");
        const FootprintPoint& south = (*outline)[60];
        EXPECT_TRUE(colour_near(f.main_map, 2 * south.lon, 2 * south.lat, colour)) << f.group[s];
        EXPECT_EQ(f.main_window_labels[s].backColor(), colour);
    }
    EXPECT_EQ(f.main_map.Point(270.3, 69), kRed);
    EXPECT_EQ(f.view.markers.map_marker_name[3], "");  // empty slots leave their entries
    EXPECT_EQ(f.main_window_labels[5].backColor(), color_value(kSlotColors[5]));
    EXPECT_EQ(f.view.selected_color, kSlotColors[1]);
}

TEST(MainLoop, SelectedSatelliteOutsideTheGroupGetsNoOrbitPlane) {
    LoopFixture f;
    f.groups.selected_sat = "AO-7";
    f.loop->redraw_all();
    EXPECT_EQ(std::count(f.trace.begin(), f.trace.end(), "orbit-plane"), 0);
}

TEST(MainLoop, DopplerFactorPublishedForTheSelectedSatellite) {
    LoopFixture f;
    f.view.doppler_band = {1, 7, 3};
    f.doppler_labels[2].setCaption("keep");
    f.loop->redraw_all();
    DopplerState expected;
    update_doppler_factor(f.octx, expected);
    EXPECT_DOUBLE_EQ(f.doppler.doppler_factor, expected.doppler_factor);
    EXPECT_NE(f.doppler.doppler_factor, 1.0);
    EXPECT_EQ(f.items.Text14.text().toStdString(), num_text(expected.doppler_factor));
    EXPECT_EQ(f.items.Text7.text().toStdString(), format_number(expected.range_rate * 1000, "###0.00"));
    EXPECT_EQ(f.label25.caption().toStdString(), format_number(expected.range_rate, "#0.00 Km/S"));
    EXPECT_EQ(f.doppler_labels[1].caption(), "146M");
    EXPECT_EQ(f.doppler_labels[2].caption(), "keep");  // band code 7: the row is left alone
    EXPECT_EQ(f.doppler_labels[5].caption(), "1.2G");
    EXPECT_EQ(f.time.realtime_flag, 1);
}

TEST(MainLoop, PinnedOwnStationLabelsInBlue) {
    LoopFixture f;
    f.maps.main_map_own_pinned = 1;
    f.view.map_mouse_x = 100;
    f.view.map_mouse_y = 50;
    f.loop->redraw_all();
    auto bluish = [&](double x1, double y1, double x2, double y2) {
        const QRect r = QRectF(f.main_map.to_pixels(x1, y1), f.main_map.to_pixels(x2, y2)).normalized().toRect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = f.main_map.image().pixelColor(x, y);
                if (c.blue() > 180 && c.red() < 90 && c.green() < 90) return true;
            }
        return false;
    };
    EXPECT_TRUE(bluish(100, 70, 180, 58));  // call sign and latitude
    EXPECT_TRUE(bluish(183, 50, 260, 38));  // longitude
    EXPECT_FALSE(bluish(100, 30, 180, 20));
}

TEST(MainLoop, TickThatOpensAMessageBoxIsNotReenteredByTheNextTick) {
    // A message box inside a tick runs its own event loop, under which the 950 ms timer
    // keeps firing: that tick must not start another redraw over the one in progress.
    LoopFixture f;
    int nested = 0;
    f.loop->steps().sun_moon_mars_disp = [&] {
        f.trace.push_back("bodies");
        if (nested++ < 3) f.loop->Timer1_Timer();  // as if the timer fired under a message box
    };
    f.loop->Timer1_Timer();
    EXPECT_EQ(std::count(f.trace.begin(), f.trace.end(), "bodies"), 1);
    EXPECT_EQ(std::count(f.trace.begin(), f.trace.end(), "music"), 1);
    f.trace.clear();
    f.loop->Timer1_Timer();  // the next tick runs normally
    EXPECT_EQ(std::count(f.trace.begin(), f.trace.end(), "music"), 1);
}
