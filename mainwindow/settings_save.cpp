#include "mainwindow/settings_save.h"

#include "common/number_text.h"

namespace torv {

std::string local_map_text(const LocalMapSetting& local) {
    return local.local_map_file + "," + local.local_map_lon + "," + local.local_map_lat + "," +
           str_num(local.local_map_show);
}

std::string satelite_select_text(int16_t group_current, const std::string& selected_sat) {
    return str_num(group_current) + ":" + selected_sat;
}

void save_settings(MainSettings& s, SatGroupTable& groups, const std::string& ini_file,
                   const std::function<void()>& close_music) {
    if (close_music) close_music();
    // The help viewer has no counterpart here: nothing to ask to quit.
    groups.satelite_select = satelite_select_text(groups.group_current, groups.selected_sat);
    s.local_map = local_map_text(s.local);
    write_saved_settings(SettingsTargets{.settings = &s, .groups = &groups}, ini_file);
}

}  // namespace torv
