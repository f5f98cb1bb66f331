#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "mainwindow/main_settings.h"
#include "mainwindow/sat_groups.h"

// The shutdown save of the main window's display and option state.
namespace torv {

// "JAPAN.BMP,135,35, 1": file, centre longitude, centre latitude, show flag.
std::string local_map_text(const LocalMapSetting& local);
// " 0:AO-51": the group number in the leading-blank form, ":" and the name.
std::string satelite_select_text(int16_t group_current, const std::string& selected_sat);

// Rebuilds the text forms of settings and groups, then writes the keys of the display
// and option state that the settings table marks as saved (thirteen), in table order.
// close_music runs first (the music stops before anything is written).
void save_settings(MainSettings& settings, SatGroupTable& groups, const std::string& ini_file,
                   const std::function<void()>& close_music);

}  // namespace torv
