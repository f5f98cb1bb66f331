#include "mainwindow/settings_save.h"

#include "common/number_text.h"
#include "common/settings_store.h"

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
    s.sun_disp_text = str_num(s.sun_disp);
    s.moon_disp_text = str_num(s.moon_disp);
    s.kasei_disp_text = str_num(s.kasei_disp);
    s.kiseki_disp_text = str_num(s.kiseki_disp);
    s.jikan_disp_text = str_num(s.jikan_disp);
    s.eisei_blink_text = str_num(s.eisei_blink);
    s.alat_alon_disp_text = str_num(s.alat_alon_disp);
    groups.satelite_select = satelite_select_text(groups.group_current, groups.selected_sat);
    s.local_map = local_map_text(s.local);

    const struct {
        const char* section;
        const char* key;
        const std::string& value;
    } writes[] = {
        {"SATELITE", "SELECT", groups.satelite_select},
        {"SUN", "DISP", s.sun_disp_text},
        {"MOON", "DISP", s.moon_disp_text},
        {"KASEI", "DISP", s.kasei_disp_text},
        {"KISEKI", "DISP", s.kiseki_disp_text},
        {"JIKAN", "DISP", s.jikan_disp_text},
        {"BLINK", "EISEI_BLINK", s.eisei_blink_text},
        {"ALAT/ALON", "DISP", s.alat_alon_disp_text},
        {"HAIKEIZU", "LOCAL_MAP", s.local_map},
        {"NTP_TIME", "NTP_AUTO", s.ntp_auto},
        {"UNYOU", "OSCAR_AMSAT_URL", s.oscar_amsat_url},
        {"VERSION", "VER_ON_OFF", s.ver_on_off},
        {"SYOKI_GAMEN", "GAMEN_NO", s.gamen_no},
    };
    for (const auto& w : writes) ini_write(w.value, w.key, w.section, ini_file);
}

}  // namespace torv
