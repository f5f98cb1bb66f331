#include <gtest/gtest.h>

#include <map>

#include "platform/twips.h"
#include "support/main_harness.h"

using namespace torv;

namespace {

// Where a control stands in its window in whole pixels (top, left), below the menu bar.
std::pair<int, int> top_left(const MainWindow& f, const QWidget& control) {
    return {control.y() - f.client_top_px(), control.x()};
}
// A place in twips (top, left) as the window puts it on whole pixels.
std::pair<int, int> px(std::pair<int, int> twips) {
    return {platform::twips_to_px(twips.first), platform::twips_to_px(twips.second)};
}

bool shown(const QWidget& control) { return !control.isHidden(); }

struct Layout {
    const char* code;
    int width, height;
    // Top and left of the radar view, the orbit-plane view, the chart, its hour scale,
    // the shift button, the shown-time label and the group switch.
    std::pair<int, int> radar, orbit_plane, chart, hour_scale, shift, time_label, groups;
    // Shown: the world map, the orbit-plane view, the Doppler, time and sound frames, the
    // week table, "運用情報", "ログ" and "FT736リモート" buttons, each after layout "0".
    bool world_map, plane, doppler, time_frame, sound, week, status, log, ft736;
};

}  // namespace

TEST(ScreenLayouts, EachLayoutAppliedAfterTheFullOneSetsItsSizePlacesAndViews) {
    // Cells the layout leaves alone hold what layout "0" set.
    const Layout layouts[] = {
        {"0", 9645, 10950, {4680, 6210}, {1800, 6210}, {4905, 45}, {4725, 1000}, {4590, 135}, {4500, 1035}, {3780, 45},
         true, true, true, true, true, true, true, true, true},
        {"1", 9645, 10950, {4680, 6210}, {1800, 6210}, {4905, 45}, {4725, 1000}, {4590, 135}, {4500, 1035}, {3780, 45},
         true, true, true, true, true, true, true, true, true},
        {"2", 6290, 4385, {4680, 6210}, {1800, 6210}, {4905, 45}, {4725, 1000}, {4590, 135}, {4500, 1035}, {3780, 45},
         true, true, true, true, true, true, true, true, true},
        {"3", 6290, 4500, {630, 90}, {630, 3100}, {4905, 45}, {4725, 1000}, {4590, 135}, {4500, 1035}, {3780, 45},
         false, true, false, true, true, true, true, true, true},
        {"4", 6230, 4850, {4680, 6210}, {1800, 6210}, {920, 25}, {735, 980}, {650, 100}, {3420, 1035}, {3780, 45},
         false, true, true, false, false, false, true, false, true},
        {"5", 9645, 5200, {1250, 6210}, {1800, 6210}, {920, 25}, {735, 980}, {650, 100}, {3420, 1035}, {570, 6210},
         false, false, false, false, false, false, false, false, false},
        {"6", 9645, 4550, {700, 6210}, {1800, 6210}, {4905, 45}, {4725, 1000}, {4590, 135}, {4500, 1035}, {3780, 45},
         true, true, false, true, false, true, true, true, false},
    };
    MainHarness h;
    MainWindow& f = h.main_window();
    for (const Layout& k : layouts) {
        f.apply_layout("0");
        f.apply_layout(k.code);
        const std::string c = k.code;
        EXPECT_EQ(h.settings.gamen_no, c);
        // The outer frame: title bar, borders and menu bar included.
        EXPECT_NEAR(f.outer_width(), k.width, 15) << c;
        EXPECT_NEAR(f.outer_height(), k.height, 15) << c;
        EXPECT_EQ(top_left(f, f.Picture4), px(k.radar)) << c;
        EXPECT_EQ(top_left(f, f.Picture1), px(k.orbit_plane)) << c;
        EXPECT_EQ(top_left(f, f.Picture3), px(k.chart)) << c;
        EXPECT_EQ(top_left(f, f.Picture5), px(k.hour_scale)) << c;
        EXPECT_EQ(top_left(f, f.Command14), px(k.shift)) << c;
        EXPECT_EQ(top_left(f, f.Label21), px(k.time_label)) << c;
        EXPECT_EQ(top_left(f, f.Frame1), px(k.groups)) << c;
        EXPECT_EQ(shown(f.Picture2), k.world_map) << c;
        EXPECT_EQ(shown(f.Picture1), k.plane) << c;
        EXPECT_EQ(shown(f.Frame1), c != "4") << c;
        EXPECT_EQ(shown(f.Frame2), k.doppler) << c;
        EXPECT_EQ(shown(f.Frame3), k.time_frame) << c;
        EXPECT_EQ(shown(f.Frame6), k.sound) << c;
        EXPECT_EQ(shown(f.Command11), k.week) << c;
        EXPECT_EQ(shown(f.Command17), k.status) << c;
        EXPECT_EQ(shown(f.Command22), k.log) << c;
        EXPECT_EQ(shown(f.Command23), k.ft736) << c;
    }
}

TEST(ScreenLayouts, TheCompactLayoutsShowNothingOfTheControlsBelowOrRightOfTheirSize) {
    MainHarness h;
    MainWindow& f = h.main_window();
    const auto inside = [&f](const QWidget& control) {
        const QRect client(0, f.client_top_px(), f.QWidget::width(), f.QWidget::height() - f.client_top_px());
        return client.intersects(control.geometry());
    };
    for (const char* code : {"2", "3", "6"}) {
        f.apply_layout("0");
        f.apply_layout(code);
        EXPECT_FALSE(inside(f.Command3)) << code;  // "←" and "→" beside the group frame
        EXPECT_FALSE(inside(f.Command5)) << code;
    }
    f.apply_layout("2");
    EXPECT_FALSE(inside(f.Picture1)) << "orbit-plane view";
    EXPECT_TRUE(inside(f.Label6));  // the distance, the row's right end

    // "縮小（レーダー）": the sky view covers the value labels of the full layout's rows.
    f.apply_layout("3");
    for (const platform::Label* value : {&f.Label10, &f.Label23, &f.Label4}) {
        const QPoint centre = value->geometry().center();
        ASSERT_TRUE(f.Picture4.geometry().contains(centre)) << value->caption().toStdString();
        EXPECT_EQ(f.childAt(centre), &f.Picture4) << value->caption().toStdString();
    }
}

TEST(ScreenLayouts, TheMenuTicksTheChosenLayoutAndTheEnlargedMapLayoutTicksTheFullOneToo) {
    MainHarness h;
    MainWindow& f = h.main_window();
    const std::array<platform::MenuItem*, 7> items{&f.menu_gsiza_max,      &f.menu_gsiza_max_map, &f.menu_gsiza_min_map,
                                                   &f.menu_gsize_min_rada, &f.menu_gsize_24H,     &f.menu_gsize_24H_rada,
                                                   &f.menu_gsiza_min_map_rada};
    for (size_t n = 0; n < items.size(); ++n) {
        items[n]->Click();
        EXPECT_EQ(h.settings.gamen_no, std::to_string(n));
        for (size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(items[i]->checked(), i == n || (n == 1 && i == 0)) << n << " " << i;
    }
}

TEST(ScreenLayouts, WhatALayoutLeavesAloneKeepsThePreviousLayoutsState) {
    MainHarness h;
    MainWindow& f = h.main_window();
    f.apply_layout("4");
    f.apply_layout("2");
    for (const QWidget* w : std::initializer_list<const QWidget*>{&f.Frame3, &f.Frame6, &f.Command11, &f.Command22})
        EXPECT_FALSE(shown(*w));
    f.apply_layout("1");
    for (const QWidget* w : std::initializer_list<const QWidget*>{&f.Frame3, &f.Frame6, &f.Command11, &f.Command22})
        EXPECT_TRUE(shown(*w));

    // Hidden by "5", the orbit-plane view waits for "0", "1", "3" or "6"; "2" and "4" leave it.
    for (const char* code : {"0", "1", "3", "6"}) {
        f.apply_layout("5");
        f.apply_layout("2");
        f.apply_layout("4");
        EXPECT_FALSE(shown(f.Picture1)) << code;
        f.apply_layout(code);
        EXPECT_TRUE(shown(f.Picture1)) << code;
    }

    // "6" moves neither the orbit-plane view nor the chart's scale, shift button and time label.
    f.apply_layout("4");
    f.apply_layout("6");
    EXPECT_EQ(top_left(f, f.Picture1), px({1800, 6210}));
    EXPECT_EQ(top_left(f, f.Picture5), px({735, 980}));
    EXPECT_EQ(top_left(f, f.Command14), px({650, 100}));
    EXPECT_EQ(top_left(f, f.Label21), px({3420, 1035}));
}

TEST(ScreenLayouts, TheStatusButtonHiddenByTheRadarLayoutComesBackWithTheFullLayouts) {
    const struct {
        const char* code;
        bool shown;
    } cases[] = {{"0", true}, {"1", true}, {"2", false}, {"3", false}, {"4", false}, {"6", false}};
    MainHarness h;
    MainWindow& f = h.main_window();
    for (const auto& k : cases) {
        f.apply_layout("5");
        EXPECT_FALSE(shown(f.Command17));
        f.apply_layout(k.code);
        EXPECT_EQ(shown(f.Command17), k.shown) << k.code;
    }
}

TEST(ScreenLayouts, ThePartnerFrameShowsOnlyWhileAPartnerIsPicked) {
    MainHarness h;
    MainWindow& f = h.main_window();
    for (int16_t picked : {0, 1})
        for (const char* code : {"0", "1", "2", "3", "4", "5", "6"}) {
            h.view.partner_selected = picked;
            f.Frame7.setVisible(true);
            f.apply_layout(code);
            const bool partner_layout = std::string(code) < "5";
            EXPECT_EQ(shown(f.Frame7), partner_layout && picked == 1) << code << " " << picked;
        }
}

TEST(ScreenLayouts, TheStartUpAppliesTheStoredLayoutAndKeepsAnUnknownCode) {
    {
        MainHarness h({{"SYOKI_GAMEN", "GAMEN_NO", "3"}});
        MainWindow& f = h.main_window();
        EXPECT_EQ(h.settings.gamen_no, "3");
        EXPECT_TRUE(f.menu_gsize_min_rada.checked());
        EXPECT_EQ(top_left(f, f.Picture4), px({630, 90}));
        EXPECT_FALSE(shown(f.Picture2));
    }
    {
        MainHarness h({{"SYOKI_GAMEN", "GAMEN_NO", "9"}});
        MainWindow& f = h.main_window();
        EXPECT_EQ(h.settings.gamen_no, "9");
        EXPECT_NEAR(f.outer_width(), 9645, 15);  // the full layout's outer size, as the window is made
        EXPECT_NEAR(f.outer_height(), 10950, 15);
        EXPECT_EQ(top_left(f, f.Picture4), px({4680, 6210}));
        for (const platform::MenuItem* item : {&f.menu_gsiza_max, &f.menu_gsize_min_rada}) EXPECT_FALSE(item->checked());
        f.menu_gsize_24H.Click();
        f.Command2_Click();  // "終了" saves
        EXPECT_EQ(ini_read(Section{"SYOKI_GAMEN"}, Key{"GAMEN_NO"}, torv_ini()), "4");
    }
}
