#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "mainwindow/mars_echo.h"
#include "mainwindow/timeline.h"
#include "orbit/body_hit_test.h"
#include "orbit/daylight_table.h"

// State of the main window that its views, its timers and other windows share.
namespace torv {

// The four flags that steer the 24-hour chart and the pass list, its half-day shift, and
// its minute tables (written by the chart alone, read by the pass list, the five-minute
// warning and the sky-track chart).
struct ChartFlags {
    int16_t chart_refreshed = 0;
    int16_t chart_recompute = 0;
    int16_t pass_list_built = 0;
    int16_t pass_list_rebuild = 0;
    int16_t chart_shift = 0;      // 1 = the chart runs from 12:00 to 12:00
    int16_t chart_shift_day = 0;  // day of the month of display_time when the shift went on
    TimelineTable timeline;

    // Time buttons, group buttons and the start-up: recompute the tables and the pass list.
    void request_full_refresh() {
        chart_recompute = 1;
        chart_refreshed = 0;
        pass_list_rebuild = 1;
        pass_list_built = 0;
    }
};

// Marker positions on the maps for the hit tests and tool tips; -999 and "" = none.
constexpr int kMapMarkers = 8;
constexpr int kOwnStationMarker = 7;  // the own station's entry
struct MapMarkerTable {
    std::array<std::string, kMapMarkers> map_marker_name{};
    std::array<double, kMapMarkers> map_marker_x{}, map_marker_y{};
};

// What the main window's views and timers keep between ticks.
struct MainViewState {
    std::array<std::string, 3> body_names{};  // Sun, Moon, Mars
    int16_t future_orbits = 0;
    std::array<int16_t, 3> doppler_band{1, 2, 4};  // bands of the three Doppler rows, 1..5
    std::array<int16_t, 7> slot_visible{};
    std::array<double, 7> slot_prev_el{};
    std::array<int16_t, 7> lamp_blink_phase{};
    double selected_color = 0;
    int16_t blink_phase = 0;
    std::string draw_sat_name;
    double draw_sat_color = 0;
    int16_t scan_notices_off = 0;
    int16_t effect_sound_on = 1;
    int16_t music_start_request = 0;
    std::string music_file;  // the current music track
    // AO-40's attitude as the views fetch it (degrees as texts; error -1: the page had none).
    int16_t ao40_attitude_fetched = 0;
    std::string ao40_alat, ao40_alon;
    int16_t ao40_attitude_error = 0;
    // The registered station whose view of the selected satellite is shown.
    int16_t partner_index = 0;
    int16_t partner_selected = 0;
    double partner_view_az = 0, partner_view_el = 0;
    int16_t local_zoom_open = 0, partner_zoom_open = 0;
    int local_zoom_px_width = 0, local_zoom_px_height = 0, partner_zoom_px_width = 0, partner_zoom_px_height = 0;
    MapMarkerTable markers;
    // Where the Sun, the Moon and Mars were last drawn (kept while a body is hidden).
    BodyMarkers body_markers;
    // The round trip to Mars counted down on the clock; the map windows start it too.
    MarsEchoState mars_echo;
    double map_mouse_x = 9999, map_mouse_y = 9999, world_zoom_mouse_x = 9999, world_zoom_mouse_y = 9999;
    DaylightTable daylight_table{};
};

// Empties the map-marker table and forgets the last mouse positions on the maps.
void sat_state_reset(MainViewState& view);

}  // namespace torv
