#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "common/live_values_window.h"
#include "common/reentry_guard.h"
#include "mainwindow/map_state.h"
#include "platform/controls.h"

// The main window's heartbeat: every 950 ms the bodies are computed, every view redrawn
// for the seven satellites of the shown group, the Doppler factor published and the
// element-date warning blinked; every 15 s (3 s accelerated) the 24-hour chart's tick.
// (The 60 s visible-satellite scan is the main window's own.)
namespace torv {

constexpr int kDisplaySlots = 7;

// Controls the loop writes; null when the window does not exist.
struct MainLoopControls {
    std::array<platform::Label*, kDisplaySlots> main_window_slot_labels{};   // Label12..16, 60, 61
    std::array<platform::Label*, kDisplaySlots> local_zoom_window_slot_labels{};  // Label1..5, 17, 18
    std::array<platform::Label*, kDisplaySlots> partner_zoom_window_slot_labels{};  // Label1..5, 8, 9
    platform::Label* Label33 = nullptr;                                 // element date
    platform::Label* Label25 = nullptr;                                 // range rate
    std::array<platform::Label*, 3> doppler_value_labels{};            // Label27, Label29, Label31
    std::array<platform::Label*, 3> doppler_band_labels{};             // Label26, Label28, Label30
    LiveValuesWindow* items = nullptr;                                             // Text7, Text14
};

// The chart tick's own steps, each drawn by the chart.
struct ChartTickSteps {
    std::function<void()> draw_grid_lines;             // three-hour grid, one-hour lines
    std::function<void()> take_marker_time;            // marker time and half-day bar
    std::function<bool()> marker_moves_left;           // a new chart day has begun
    std::function<void()> move_markers;                // display-time, then real-time marker
    std::function<void()> select_current_pass_row;
    std::function<void()> check_five_minute_warning;
};

// What the loop reads of the main window and the steps other views supply.
struct MainLoopSteps {
    std::function<std::string(int slot)> slot_name;  // the shown group's satellite in a slot
    std::function<double(int slot)> slot_color;     // color_eisei1..7
    std::function<bool()> effect_sound_ticked;       // Check1
    std::function<bool()> elements_stale;            // the element sets are ten days old or more
    std::function<void()> sun_moon_mars_disp;
    std::function<void()> check_music;
    std::function<void()> draw_orbit_plane;
    std::function<void(std::string& name)> update_pass_timeline;
    std::function<void()> draw_bodies;
    std::function<void()> update_rtt_countdown;
    // Fills in the map windows' pictures and slot labels afresh (creating the windows
    // hidden): they are reached at every use, since a closed window is destroyed.
    std::function<void(MapSurfaces& surfaces, MainLoopControls& controls)> reach_map_windows;
    ChartTickSteps chart;
};

class MainLoop {
public:
    // The chart flags couple the chart tick, the redraw and the time controls; doppler
    // holds the factor the transceiver windows read.
    MainLoop(MapContext map, ChartFlags& chart, DopplerState& doppler, MainLoopControls controls, MainLoopSteps steps);

    void Timer1_Timer();
    void Timer2_Timer();
    void redraw_all();
    void blink_element_age_label();
    // The Doppler factor of the selected satellite at the display time, shown and published.
    void update_doppler();

    MapContext& map() { return map_; }
    MainLoopControls& controls() { return controls_; }
    MainLoopSteps& steps() { return steps_; }

private:
    void erase_pictures();
    void print_pinned_labels();
    void draw_slot(int slot);
    void show_selected_views();
    void reach_map_windows();

    MapContext map_;
    ChartFlags& chart_;
    DopplerState& doppler_;
    int16_t element_age_toggle_ = 0;
    ReentryGuard ticking_;  // a 950 ms tick is running (a message box inside it pumps events)
    MainLoopControls controls_;
    MainLoopSteps steps_;
};

}  // namespace torv
