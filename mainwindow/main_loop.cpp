#include "mainwindow/main_loop.h"

#include <limits>

#include "common/number_text.h"
#include "mainwindow/doppler_display.h"
#include "mainwindow/ground_track.h"
#include "mainwindow/map_geometry.h"
#include "mainwindow/map_mouse.h"
#include "mainwindow/sat_markers.h"
#include "orbit/call_if_set.h"

namespace torv {

namespace {

void set_back_color(platform::Label* label, double colour) {
    if (label) label->setBackColor(color_value(colour));
}

void set_caption(platform::Label* label, const std::string& text) {
    if (label) label->setCaption(QString::fromStdString(text));
}

}  // namespace

MainLoop::MainLoop(MapContext map, ChartFlags& chart, DopplerState& doppler, MainLoopControls controls,
                   MainLoopSteps steps)
    : map_(std::move(map)), chart_(chart), doppler_(doppler), controls_(controls), steps_(std::move(steps)) {}

void MainLoop::Timer1_Timer() {
    // A step that shows a message box runs an event loop under which this timer keeps
    // firing; those ticks are dropped rather than redrawn over the half-drawn one.
    const auto tick = ticking_.try_enter();
    if (!tick) return;
    int16_t& accel = map_.orbit.time.time_accel_steps;
    // Counting stops at the counter's limit (about 8.6 hours of acceleration); the
    // simulated time then keeps its lead and runs at the clock's pace until "現在".
    if (accel > 0 && accel < std::numeric_limits<int16_t>::max()) ++accel;
    call_if_set(steps_.sun_moon_mars_disp);
    redraw_all();
    MainViewState& v = map_.view;
    if (steps_.elements_stale && steps_.elements_stale()) blink_element_age_label();
    v.blink_phase = v.blink_phase == 0 ? 1 : 0;
    call_if_set(steps_.check_music);
}

void MainLoop::blink_element_age_label() {
    const bool red = element_age_toggle_ == 0;
    if (controls_.Label33) controls_.Label33->setForeColor(red ? kRed : kBlack);
    element_age_toggle_ = red ? 1 : 0;
}

void MainLoop::Timer2_Timer() {
    const ChartTickSteps& chart = steps_.chart;
    call_if_set(chart.draw_grid_lines);
    chart_.chart_refreshed = 0;
    call_if_set(chart.take_marker_time);
    if (chart.marker_moves_left && chart.marker_moves_left()) chart_.request_full_refresh();
    call_if_set(chart.move_markers);
    call_if_set(chart.select_current_pass_row);
    call_if_set(chart.check_five_minute_warning);
}

void MainLoop::erase_pictures() {
    const MapSurfaces& s = map_.surfaces;
    for (platform::PictureBox* box : {s.main_map, s.world_zoom, s.local_zoom, s.partner_zoom, s.orbit_view, s.sky_view})
        if (box) box->Cls();
}

void MainLoop::print_pinned_labels() {
    const MapState& m = map_.maps;
    const MainViewState& v = map_.view;
    auto pinned = [&](platform::PictureBox* box, int16_t flag, const ReadoutParams& p, double x, double y) {
        if (box && flag == 1) print_own_station(*box, map_.orbit.station, p, x, y);
    };
    const MapSurfaces& s = map_.surfaces;
    pinned(s.main_map, m.main_map_own_pinned, kMainMapReadouts, v.map_mouse_x, v.map_mouse_y);
    pinned(s.world_zoom, m.world_zoom_own_pinned, kWorldZoomReadouts, v.world_zoom_mouse_x, v.world_zoom_mouse_y);
    pinned(s.local_zoom, m.local_zoom_own_pinned, kLocalZoomReadouts, v.map_mouse_x, v.map_mouse_y);
}

void MainLoop::show_selected_views() {
    MainViewState& v = map_.view;
    v.selected_color = v.draw_sat_color;
    call_if_set(steps_.draw_orbit_plane);
    const PartnerStationTable& p = map_.partners;
    const int i = v.partner_index;
    std::string name = map_.orbit.selected_sat;
    sat_view_from_station(map_.orbit, name, p.partner_lon[i], p.partner_lat[i], p.partner_height[i],
                          p.partner_time_diff[i], v.partner_view_az, v.partner_view_el);
}

void MainLoop::reach_map_windows() {
    if (steps_.reach_map_windows) steps_.reach_map_windows(map_.surfaces, controls_);
}

void MainLoop::draw_slot(int slot) {
    // A message box of the slot before may have let the operator close a map window.
    reach_map_windows();
    MainViewState& m = map_.view;
    m.draw_sat_color = steps_.slot_color ? steps_.slot_color(slot) : 0;
    m.draw_sat_name = steps_.slot_name ? steps_.slot_name(slot) : std::string();
    map_.maps.draw_slot = static_cast<int16_t>(slot);
    std::string name = m.draw_sat_name;
    sat_position_disp(map_.orbit, name);
    // The marker and footprint show the position the track ends at; a satellite that
    // cannot be computed is not drawn with another's position.
    if (draw_ground_track(map_, m.draw_sat_name, m.draw_sat_color)) {
        CalcResult& c = map_.orbit.orbit.calc;
        disp(map_, c.calc_sub_lat, c.calc_sub_lon, c.calc_sub_height, m.draw_sat_color, m.draw_sat_name);
    }
    set_back_color(controls_.main_window_slot_labels[slot], m.draw_sat_color);
    set_back_color(controls_.local_zoom_window_slot_labels[slot], m.draw_sat_color);
    set_back_color(controls_.partner_zoom_window_slot_labels[slot], m.draw_sat_color);
    if (!m.draw_sat_name.empty() && m.draw_sat_name == map_.orbit.selected_sat) show_selected_views();
    call_if_set(steps_.update_pass_timeline, m.draw_sat_name);
}

void MainLoop::redraw_all() {
    reach_map_windows();
    erase_pictures();
    draw_map_graticules(map_);
    if (chart_.chart_refreshed == 0) Timer2_Timer();
    print_pinned_labels();
    for (int slot = 0; slot < kDisplaySlots; ++slot) draw_slot(slot);
    call_if_set(steps_.draw_bodies);
    update_doppler();
    chart_.chart_refreshed = 1;
    chart_.chart_recompute = 0;
    map_.view.effect_sound_on = steps_.effect_sound_ticked && steps_.effect_sound_ticked() ? 1 : 0;
    call_if_set(steps_.update_rtt_countdown);
}

void MainLoop::update_doppler() {
    // The factor is kept from the last tick when a range cannot be computed.
    update_doppler_factor(map_.orbit, doppler_);
    const DopplerTexts t = doppler_texts(doppler_.range_rate, doppler_.doppler_factor, map_.view.doppler_band);
    set_caption(controls_.Label25, t.label25);
    if (controls_.items) {
        controls_.items->set_item_text("Text7", QString::fromStdString(t.text7));
        controls_.items->set_item_text("Text14", QString::fromStdString(t.text14));
    }
    for (size_t row = 0; row < t.rows.size(); ++row) {
        if (!t.rows[row]) continue;
        set_caption(controls_.doppler_value_labels[row], t.rows[row]->value);
        set_caption(controls_.doppler_band_labels[row], t.rows[row]->band);
    }
}

}  // namespace torv
