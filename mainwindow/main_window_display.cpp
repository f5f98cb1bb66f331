// The main loop's ticks as far as the main window itself goes, the Sun, Moon and Mars
// driver, the visible-satellite scan, and the result display of the selected satellite
// that the satellite computation writes through SatDisplay.
#include <cmath>
#include <limits>

#include "common/dde_items.h"
#include "common/number_text.h"
#include "common/sound_music.h"
#include "mainwindow/main_window.h"
#include "mainwindow/map_geometry.h"
#include "mainwindow/orbit_plane.h"
#include "orbit/ao40_attitude.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {
constexpr double kRadToDeg = 180.0 / 3.14159265358979323846;

void set_fore(QWidget& w, platform::ColorValue c) {
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, platform::to_qcolor(c));
    w.setPalette(p);
}

void set_back(QWidget& w, platform::ColorValue c) {
    QPalette p = w.palette();
    p.setColor(QPalette::Window, platform::to_qcolor(c));
    w.setPalette(p);
    w.setAutoFillBackground(true);
}
}  // namespace

OrbitContext MainWindow::orbit_context() {
    return OrbitContext{l_.elements, l_.corrections, l_.station, l_.groups.selected_sat, l_.time, l_.orbit, this};
}

// ---- ticks --------------------------------------------------------------------------------

void MainWindow::Timer1_Timer() { main_loop().Timer1_Timer(); }

void MainWindow::Timer2_Timer() { main_loop().Timer2_Timer(); }

void MainWindow::redraw_all() { main_loop().redraw_all(); }

MainLoop& MainWindow::main_loop() {
    if (main_loop_) return *main_loop_;
    if (!loop_orbit_) loop_orbit_ = std::make_unique<OrbitContext>(orbit_context());
    set_world_map_scale(Picture2);
    MapSurfaces surfaces;
    surfaces.main_map = &Picture2;
    surfaces.orbit_view = &Picture1;
    surfaces.sky_view = &Picture4;
    SkyViewSteps sky;
    sky.plot_radar = [this](double& colour) { plot_radar(colour); };
    sky.plot_sun_moon_mars = [this] { plot_sun_moon_mars(); };
    MainLoopControls c;
    c.main_window_slot_labels = slot_labels();
    c.Label33 = &Label33;
    c.Label25 = &Label25;
    c.doppler_value_labels = {&Label27, &Label29, &Label31};
    c.doppler_band_labels = {&Label26, &Label28, &Label30};
    c.items = &l_.dde();
    MainLoopSteps s;
    s.slot_name = [this](int slot) { return l_.groups.shown()[slot]; };
    s.slot_color = [this](int slot) { return l_.settings.slot_color(slot); };
    s.effect_sound_ticked = [this] { return Check1.value() == 1; };
    s.elements_stale = [this] { return l_.element_update.elements_stale == 1; };
    s.sun_moon_mars_disp = [this] { sun_moon_mars_disp(); };
    s.check_music = [this] { check_music(); };
    s.reach_map_windows = [this](MapSurfaces& m, MainLoopControls& mc) { l_.seam.map_windows(m, mc); };
    s.draw_bodies = [this] { draw_bodies(); };
    s.draw_orbit_plane = [this] { draw_orbit_plane(); };
    s.update_rtt_countdown = [this] { update_rtt_countdown(); };
    s.update_pass_timeline = [this](std::string& name) { update_pass_timeline(name); };
    ChartTickSteps& chart = s.chart;
    chart.draw_grid_lines = [this] { pass_chart().draw_grid_lines(); };
    chart.take_marker_time = [this] { pass_chart().take_marker_time(); };
    chart.marker_moves_left = [this] { return pass_chart().marker_moves_left(); };
    chart.move_markers = [this] { pass_chart().move_markers(); };
    chart.select_current_pass_row = [this] { select_current_pass_row(); };
    chart.check_five_minute_warning = [this] { check_five_minute_warning(); };
    main_loop_ = std::make_unique<MainLoop>(MapContext{*loop_orbit_, l_.partners, l_.settings, l_.view, maps_, surfaces, sky},
                                            l_.chart, l_.doppler, c, s);
    return *main_loop_;
}

PassChart& MainWindow::pass_chart() {
    if (pass_chart_) return *pass_chart_;
    if (!loop_orbit_) loop_orbit_ = std::make_unique<OrbitContext>(orbit_context());
    PassChartControls c;
    c.Picture3 = &Picture3;
    c.Picture5 = &Picture5;
    c.Line10 = &Line10;
    c.Line12 = &Line12;
    for (int i = 0; i < kOneHourLines; ++i) c.Line13[i] = &Line13[i];
    c.List1 = &List1;
    c.slot_captions = [this] {
        std::array<std::string, kChartSlots> captions;
        for (int s = 0; s < kChartSlots; ++s) captions[s] = slot_labels()[s]->caption().toStdString();
        return captions;
    };
    c.five_minute_ticked = [this] { return Check3.value() == 1; };
    c.ao40_attitude_fetch = [this] { fetch_ao40_attitude(); };
    pass_chart_ = std::make_unique<PassChart>(*loop_orbit_, l_.chart, l_.settings, l_.view, std::move(c));
    return *pass_chart_;
}

void MainWindow::fetch_ao40_attitude() {
    MainViewState& v = l_.view;
    ao40_attitude_fetch(v.ao40_attitude_fetched, v.ao40_alat, v.ao40_alon, v.ao40_attitude_error);
}

void MainWindow::draw_orbit_plane() {
    OrbitPlaneControls c{&Picture1, &Label1, &Label2, &Label44, &Label11, &Label42, &Label43, &Label46, &Label47};
    c.ao40_attitude_fetch = [this] { fetch_ao40_attitude(); };
    c.show_squint_elsewhere = [this](const std::string& squint) { l_.seam.show_squint_elsewhere(squint); };
    torv::draw_orbit_plane(c, {l_.orbit, l_.groups.selected_sat, l_.settings, l_.view});
}

void MainWindow::Timer3_Timer() {
    OrbitContext ctx = orbit_context();
    l_.time.realtime_flag = 1;
    std::string text25, notices;
    for (int g = 0; g < kGroups; ++g) {
        for (int s = 0; s < kSlots; ++s) {
            std::string name = l_.groups.group_sat_names[g][s];
            if (name.empty()) {
                text25 += text25_empty_line();
                l_.groups.group_prev_el[g][s] = -90;
                continue;
            }
            sat_position_disp(ctx, name);
            const double el = l_.orbit.calc.calc_el * kRadToDeg;
            text25 += text25_line(name, l_.orbit.calc.calc_az * kRadToDeg, el);
            if (l_.view.scan_notices_off == 0 && l_.groups.group_prev_el[g][s] < 0 && el >= 0) {
                // The shown group's rising satellite brings the window back, notices or not.
                if (g == l_.groups.group_current) restore_main_window();
                notices += group_caption(g) + "の " + name + "　が可視範囲に入った。\r\n";
            }
            l_.groups.group_prev_el[g][s] = el;
        }
    }
    l_.dde().Text25.setText(qs(text25));
    if (notices.empty() || !menu_kasieisei_tuuti.checked()) return;
    if (l_.view.effect_sound_on == 1) play_sound_file(platform::program_file("sound2.wav"));
    show_tray_balloon(notices);
}

void MainWindow::blink_element_age_label() { main_loop().blink_element_age_label(); }

void MainWindow::sun_moon_mars_disp() {
    BodyState& b = l_.bodies;
    sun_moon_mars_update(b, l_.time, l_.station);
    LiveValuesWindow& d = l_.dde();
    const std::pair<const char*, double> items[] = {
        {"Text8", b.sun_az},   {"Text9", b.sun_el},   {"Text22", b.body_dist[kSun]},
        {"Text10", b.moon_az}, {"Text11", b.moon_el}, {"Text23", b.body_dist[kMoon]},
        {"Text20", b.mars_az}, {"Text21", b.mars_el}, {"Text24", b.body_dist[kMars]}};
    for (const auto& [item, value] : items) d.set_item_number(item, value);
}

// ---- SatDisplay -----------------------------------------------------------------------------

void MainWindow::show_time_labels(DateTime local, DateTime utc) {
    Label21.setCaption(qs(general_date_text(local)));
    l_.seam.show_time_elsewhere(local, utc);
}

void MainWindow::show_motion_term(double dL, double inclination_deg, double t) {
    LiveValuesWindow& d = l_.dde();
    d.set_item_number("Label21", dL);
    d.set_item_number("Label24", 12 * dL);
    d.set_item_number("Label23", inclination_deg);
    d.set_item_number("Label26", t);
}

void MainWindow::show_selected(const SelectedSatResult& result) {
    const VisibilityColors colors = sat_visible_colors(result.el, l_.settings.backcolor, l_.view.selected_color,
                                                       l_.settings.eisei_blink, l_.view.blink_phase);
    for (platform::Label* l : {&Label3, &Label4, &Label5, &Label6, &Label23, &Label25, &Label54, &Label55})
        l->setForeColor(colors.fore);
    Label3.setBackColor(colors.name_back);

    const SelectedSatTexts t = selected_sat_texts(result, l_.rig, l_.time.time_diff, clock_local_now(l_.time));
    Label3.setCaption(qs(t.name));
    Label54.setCaption(qs(t.uplink));
    Label55.setCaption(qs(t.downlink));
    Label4.setCaption(qs(t.az));
    Label5.setCaption(qs(t.el));
    Label6.setCaption(qs(t.range));
    Label1.setCaption(qs(t.phase));
    Label23.setCaption(qs(t.orbit_number));
    LiveValuesWindow& d = l_.dde();
    d.set_item_text("Text1", qs(t.name));
    d.set_item_text("Text2", qs(t.text2));
    d.set_item_text("Text3", qs(t.text3));
    d.set_item_text("Text4", qs(t.text4));
    d.set_item_text("Text5", qs(t.text5));
    d.set_item_text("Text6", qs(t.text6));
    Label3.setToolTip(qs(t.tool_tip));
    l_.seam.show_selected_elsewhere(t, colors);
}

void MainWindow::notice(const std::string& text) { platform::msg_box(text); }

void MainWindow::show_station_view(double az_deg, double el_deg) {
    Label48.setCaption(qs(format_number(az_deg, "##0.0")));
    Label49.setCaption(qs(format_number(el_deg, "##0.0")));
    const StationViewColors c = station_view_colors(el_deg);
    Label48.setForeColor(c.fore);
    Label49.setForeColor(c.fore);
    set_fore(Frame7, c.fore);
    set_back(Frame7, c.back);
    for (platform::Label* l : {&Label48, &Label49, &Label50, &Label51}) l->setBackColor(c.back);
}

}  // namespace torv
