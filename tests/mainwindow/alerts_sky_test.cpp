// The sky view's markers and the alerts of the main window: rise and set sounds, the
// lamps, the five-minute warning, the visible-satellite scan's notices.
#include <gtest/gtest.h>

#include <sstream>

#include "mainwindow/alerts.h"
#include "mainwindow/sky_view.h"
#include "orbit/geodesy.h"
#include "platform/sound.h"
#include "platform/tray.h"
#include "platform/twips.h"
#include "support/main_harness.h"
#include "support/map_fixture.h"

using namespace torv;

namespace {

// The main window over the default data at 05:53 local time on 21 January 2018, when
// FO-29, AO-7 and XW-2C of group A are up and the other four below the horizon.
struct GroupAUp : MainHarness {
    static constexpr platform::ClockReading kUp{2018, 1, 20, 20, 53, 0};
    explicit GroupAUp(std::initializer_list<Setting> settings = {}) : MainHarness(settings) { platform::clock_fix(kUp); }
};

// The slots whose satellite is up (or down) after a tick.
std::vector<int> slots_where(const MainViewState& v, int16_t visible) {
    std::vector<int> found;
    for (int s = 0; s < 7; ++s)
        if (v.slot_visible[s] == visible) found.push_back(s);
    return found;
}

constexpr platform::ColorValue kCaption = 16711808;  // violet: no satellite, track or grid has it

// The pixels of exactly the colour in the rectangle of twips from (x1, y1) to (x2, y2).
int pixels_of(platform::PictureBox& box, platform::ColorValue colour, double x1, double y1, double x2, double y2) {
    const QRect r = QRectF(box.to_pixels(x1, y1), box.to_pixels(x2, y2)).normalized().toRect() & box.image().rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += platform::from_qcolor(box.image().pixelColor(x, y)) == colour;
    return n;
}

}  // namespace

TEST(RiseAndSet, SoundsOnceAtEachCrossing) {
    GroupAUp h;
    MainWindow& f = h.main_window();
    platform::SoundRecorder sounds;
    f.Timer1_Timer();
    const std::vector<int> up = slots_where(h.view, 1), down = slots_where(h.view, 0);
    ASSERT_FALSE(up.empty());
    ASSERT_FALSE(down.empty());
    // Every satellite up at the first drawing rises once.
    EXPECT_EQ(sounds.count("sound2.wav"), static_cast<int>(up.size()));
    f.Timer1_Timer();
    EXPECT_EQ(sounds.count("sound2.wav"), static_cast<int>(up.size()));
    EXPECT_EQ(sounds.count("sound3.wav"), 0);

    h.view.slot_prev_el[up[0]] = -0.1;   // it was just below
    h.view.slot_prev_el[down[0]] = 0.1;  // it was just above
    f.Timer1_Timer();
    EXPECT_EQ(sounds.count("sound2.wav"), static_cast<int>(up.size()) + 1);
    EXPECT_EQ(sounds.count("sound3.wav"), 1);

    // Effect sounds off: a rise is silent but still selects the current pass.
    f.Check1.setValue(0);
    f.Timer1_Timer();
    const int current = f.List1.listIndex();
    ASSERT_GE(current, 0);  // the selected satellite (slot 0) is in a pass
    f.List1.setListIndex(-1);
    h.view.slot_prev_el[up[0]] = -0.1;
    f.Timer1_Timer();
    EXPECT_EQ(sounds.count("sound2.wav"), static_cast<int>(up.size()) + 1);
    EXPECT_EQ(f.List1.listIndex(), current);
}

TEST(RiseAndSet, LampsSteadyBlinkingOrOff) {
    GroupAUp h({{"BLINK", "EISEI_BLINK", "2"}});
    MainWindow& f = h.main_window();
    platform::SoundRecorder quiet;
    f.Timer1_Timer();
    const int up = slots_where(h.view, 1).at(0), down = slots_where(h.view, 0).at(0);
    const auto lit = [&](int s) { return f.lamps()[s]->filled(); };
    EXPECT_TRUE(lit(up));
    EXPECT_FALSE(lit(down));
    f.Timer1_Timer();
    EXPECT_TRUE(lit(up));  // steady

    h.settings.eisei_blink = 1;
    std::vector<bool> seen;
    for (int i = 0; i < 4; ++i) {
        f.Timer1_Timer();
        seen.push_back(lit(up));
        EXPECT_FALSE(lit(down));
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));

    h.settings.eisei_blink = 0;
    f.Timer1_Timer();
    for (platform::Shape* lamp : f.lamps()) EXPECT_FALSE(lamp->filled());
}

TEST(FiveMinuteWarning, SoundsOnceFromTheChartTick) {
    MainHarness h;
    MainWindow& f = h.main_window();
    f.Timer1_Timer();
    platform::SoundRecorder sounds;
    const int d = warning_offset(h.time.display_time, 0);
    for (int s = 0; s < 7; ++s) {
        TimelineRow& row = h.chart.timeline.row(s);
        for (int m = d; m <= d + 5; ++m) row.timeline_el[m] = -0.1;
    }
    TimelineRow& row = h.chart.timeline.row(2);
    row.timeline_el[d + 5] = 0.1;  // rises in five minutes
    f.Timer2_Timer();
    f.Timer2_Timer();
    EXPECT_EQ(sounds.count("sound5.wav"), 1);
    h.chart.timeline.row(6).timeline_el[d + 5] = 0.1;  // slot 6 is never warned
    f.Check3.setValue(0);
    row.timeline_el[d + 5] = -0.1;  // re-armed
    f.Timer2_Timer();
    row.timeline_el[d + 5] = 0.1;
    f.Timer2_Timer();  // the box is unticked
    EXPECT_EQ(sounds.count("sound5.wav"), 1);
}

TEST(VisibleScan, TableOfAllEntriesAndABalloonForANewlyVisibleSatellite) {
    GroupAUp h({{"SATELITE", "GROUP-C", "ISS,,SO-50"}});
    MainWindow& f = h.main_window();
    platform::SoundRecorder sounds;
    platform::BalloonRecorder balloons;
    f.Timer3_Timer();
    std::vector<std::string> lines;
    std::istringstream in(h.dde().Text25.text().toStdString());
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines[15], "----- --------------- ---------------\r");  // group C, slot 1: empty
    EXPECT_EQ(lines[14].rfind("ISS ", 0), 0u);

    // The entries now up that were below at the last scan.
    std::vector<std::pair<int, int>> up;
    for (int g = 0; g < 5; ++g)
        for (int s = 0; s < 7; ++s)
            if (h.groups.group_prev_el[g][s] >= 0) up.emplace_back(g, s);
    ASSERT_GE(up.size(), 2u);
    for (auto [g, s] : up) h.groups.group_prev_el[g][s] = -1;
    f.showMinimized();
    f.Timer3_Timer();
    ASSERT_EQ(balloons.balloons.size(), 1u);
    EXPECT_EQ(balloons.balloons[0].title.toStdString(), "ＴＯＲＶ可視範囲衛星情報");
    std::string expected;
    for (auto [g, s] : up)
        expected += group_caption(g) + "の " + h.groups.group_sat_names[g][s] + "　が可視範囲に入った。\r\n";
    EXPECT_EQ(balloons.balloons[0].text.toStdString(), expected);
    EXPECT_EQ(sounds.count("sound2.wav"), 1);
    const bool shown_group_rose = std::any_of(up.begin(), up.end(), [&](auto e) { return e.first == h.groups.group_current; });
    ASSERT_TRUE(shown_group_rose);
    EXPECT_FALSE(f.isMinimized());

    // Notices off: no balloon and no sound, the window still comes back.
    f.menu_kasieisei_hituuti.Click();
    for (auto [g, s] : up) h.groups.group_prev_el[g][s] = -1;
    f.showMinimized();
    f.Timer3_Timer();
    EXPECT_EQ(balloons.balloons.size(), 1u);
    EXPECT_EQ(sounds.count("sound2.wav"), 1);
    EXPECT_FALSE(f.isMinimized());
}

TEST(SkyView, MarkersOfTheSatellitesUpWithCaptionsOnlyWhenSwitchedOn) {
    for (const char* disp : {"1", "0"}) {
        GroupAUp h({{"REDA_DISP_INFO", "DISP", disp}, {"COLOR", "REDA_INFO_COLOR", "16711808"}});
        MainWindow& f = h.main_window();
        platform::SoundRecorder quiet;
        f.Timer1_Timer();
        int markers = 0;
        for (int s = 0; s < 7; ++s) {
            std::string name = h.groups.shown()[s];
            if (name.empty()) continue;
            OrbitContext ctx = f.orbit_context();
            ctx.display = nullptr;
            sat_position_disp(ctx, name);
            const CalcResult c = h.orbit.calc;
            if (c.calc_el < 0) continue;
            ++markers;
            const RadarPoint p = sky_view_point(f.Picture4, c.calc_az, rad_to_deg(c.calc_el));
            EXPECT_TRUE(colour_near(f.Picture4, p.x, p.y, platform::ColorValue(std::llround(h.settings.slot_color(s))), 2)) << name;
            // The caption in its colour on its side of the marker.
            const double x1 = radar_caption(rad_to_deg(c.calc_az), 0).left ? p.x - 900 : p.x + 280;
            EXPECT_EQ(pixels_of(f.Picture4, kCaption, x1, p.y - 160, x1 + 600, p.y + 200) > 10, std::string(disp) == "1")
                << name << " captions " << disp;
        }
        EXPECT_EQ(markers, 3);
    }
}
