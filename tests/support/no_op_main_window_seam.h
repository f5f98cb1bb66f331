#pragma once
#include <array>
#include <string>

#include "mainwindow/main_window_seam.h"

// The main window's requests answered with nothing: no window opens, no map window is
// drawn on, the program does not end. A test's seam derives from it and overrides only
// what it watches.
struct NoOpMainWindowSeam : torv::MainWindowSeam {
    void trace(const std::string&) override {}
    void element_settings_load() override {}
    void element_load_hooks(torv::ElementLoadHooks&) override {}
    void local_zoom_setup(double, double) override {}
    void local_zoom_show() override {}
    void world_zoom_setup(const std::string&) override {}
    void zoom_slot_labels(const std::array<std::string, torv::kSlots>&) override {}
    void open_partner_map(int) override {}
    void map_windows(torv::MapSurfaces&, torv::MainLoopControls&) override {}
    void clear_map_windows() override {}
    void show_selected_elsewhere(const torv::SelectedSatTexts&, const torv::VisibilityColors&) override {}
    void show_time_elsewhere(torv::DateTime, torv::DateTime) override {}
    void show_squint_elsewhere(const std::string&) override {}
    void ft847_load_hidden() override {}
    void ft847_form_load() override {}
    void ft847_show() override {}
    void ic910_show() override {}
    void ts2000_show() override {}
    void ft736_show() override {}
    void station_dialog_show() override {}
    void partner_station_dialog_show() override {}
    void group_settings_dialog_show() override {}
    void element_update_window_show() override {}
    void sat_info_editor_show() override {}
    void schedule_window_show() override {}
    void schedule_window_take_pass(const torv::SchedulePass&) override {}
    void cw_message_editor_show() override {}
    void version_window_show() override {}
    void week_table_window_show() override {}
    void partner_week_table_window_show() override {}
    void sky_track_window_show() override {}
    void world_zoom_window_show() override {}
    void sat_hosei_set() override {}
    void zoom_lamp(int, bool) override {}
    void end_program() override {}
};
