#include "mainwindow/main_settings.h"


#include "common/number_text.h"
#include "common/settings_store.h"

namespace torv {

namespace {

// Reads key of section; the default when the key is missing.
class Reader {
public:
    explicit Reader(const std::string& ini) : ini_(ini) {}
    std::string text(const char* section, const char* key, const char* def) const {
        std::string v = ini_read(key, section, ini_);
        return v == "ERROR" ? std::string(def) : v;
    }

private:
    const std::string& ini_;
};

int16_t integer(const std::string& text) { return static_cast<int16_t>(round_half_even(val(text))); }

// The text before the first sep, and the rest after it (rest empty when sep is absent).
std::string cut(std::string& rest, char sep) {
    const size_t at = rest.find(sep);
    std::string head = rest.substr(0, at);
    rest = at == std::string::npos ? std::string() : rest.substr(at + 1);
    return head;
}

// Characters from (1-based) first, count of them; shorter or empty past the end.
std::string mid(const std::string& s, size_t first, size_t count = std::string::npos) {
    return first - 1 < s.size() ? s.substr(first - 1, count) : std::string();
}

// Fills m with the fields value has, in order; false when it lacks the centre or its
// fourth field is not a number.
bool parse_local_map_fields(const std::string& value, LocalMapSetting& m) {
    if (value.empty()) return false;
    std::string rest = value;
    const bool has_lon = rest.find(',') != std::string::npos;
    m.local_map_file = cut(rest, ',');
    if (!has_lon) return false;
    if (rest.find(',') == std::string::npos) {
        m.local_map_lon = rest;
        return false;
    }
    m.local_map_lon = cut(rest, ',');
    if (rest.find(',') == std::string::npos) {
        m.local_map_lat = rest;
        m.local_map_show = 0;
        return true;
    }
    m.local_map_lat = cut(rest, ',');
    const bool flag_ok = is_number_text(trim(rest));
    m.local_map_show = flag_ok ? integer(rest) : 0;
    return flag_ok;
}

}  // namespace

bool parse_local_map(const std::string& value, LocalMapSetting& out) {
    // A field the value lacks takes the default's, a start-up flag that is not a number
    // reads 0; what the value has is kept, so the save at shutdown does not lose it.
    LocalMapSetting m;
    parse_local_map_fields(kDefaultLocalMap, m);
    const bool ok = parse_local_map_fields(value, m);
    if (val(m.local_map_lon) < 0) m.local_map_lon = num_text(val(m.local_map_lon) + 360);
    out = m;
    return ok;
}

bool parse_cat_port(const std::string& value, bool ic910, CatPortSetting& out) {
    // Fixed positions: flag at 1, port at 3-6, speed from 8 up to its ":".
    if (value.size() < 9 || value[1] != ':' || value[6] != ':') return false;
    const size_t speed_end = value.find(':', 7);
    if (speed_end == std::string::npos || speed_end == 7) return false;
    if (!is_number_text(value.substr(0, 1))) return false;
    CatPortSetting c;
    c.cat = value;
    c.enable = value.substr(0, 1);
    c.port = mid(value, 3, 4);
    c.speed = value.substr(7, speed_end - 7);
    if (ic910) {
        const bool four_digits = value.size() >= 12 && value[11] == ':';
        c.speed = four_digits ? mid(value, 8, 4) : mid(value, 8, 5);
        c.rig_addr = four_digits ? mid(value, 13, 2) : mid(value, 14, 2);
        c.ctrl_addr = four_digits ? mid(value, 16, 2) : mid(value, 17, 2);
    }
    out = c;
    return true;
}

TimeSyncSetting parse_time_sync(const std::string& value) {
    std::string rest = value;
    TimeSyncSetting t;
    t.ntp_program = cut(rest, ',');
    t.ntp_server_port = static_cast<int>(round_half_even(val(cut(rest, ','))));
    t.ntp_recv_port = static_cast<int>(round_half_even(val(rest)));
    return t;
}

Ao40Window parse_ao40_window(const std::string& sat_info) {
    std::string rest = sat_info;
    for (int i = 0; i < 7; ++i) {
        const size_t at = rest.find(':');
        if (at != std::string::npos) rest = rest.substr(at + 1);
    }
    const size_t colon = rest.find(':');
    if (colon == std::string::npos || colon == 0) return {};
    std::string field = rest.substr(0, colon);
    Ao40Window w;
    w.start = val(cut(field, ','));
    if (w.start <= 0.1) w.start = 0.1;
    w.end = val(field);
    return w;
}

namespace {

void read_station_and_time(const Reader& r, OwnStation& station, TimeState& time) {
    station.call_sign = r.text("POSITION", "CALL", "");
    station.station_lon = val(r.text("POSITION", "KEIDO", "135.15"));
    station.station_lat = val(r.text("POSITION", "IDO", "34.5"));
    station.station_height = val(r.text("POSITION", "TAKASA", "45"));
    time.time_diff = val(r.text("JIKAN", "JISA", "9"));
    time.local_to_utc_text = str_num(-time.time_diff);
}

void read_maps(const Reader& r, MainSettings& s, SettingsProblems& problems) {
    s.tizu = r.text("HAIKEIZU", "TIZU", "MAP1.BMP");
    s.reda = r.text("HAIKEIZU", "REDA", "REDA.BMP");
    s.local_map = r.text("HAIKEIZU", "LOCAL_MAP", kDefaultLocalMap);
    if (!parse_local_map(s.local_map, s.local)) problems.values.push_back("[HAIKEIZU] LOCAL_MAP");
    s.word_map = r.text("HAIKEIZU", "WORD_MAP", "WORD_MAP.BMP");
    s.kesiki_hiru = r.text("KESIKI", "HIRU", "skya7_18.BMP");
    s.kesiki_yuugata = r.text("KESIKI", "YUUGATA", "skya18_19.BMP");
    s.kesiki_yoru = r.text("KESIKI", "YORU", "skya19_6.BMP");
    s.partner_zoom_map_file = s.local.local_map_file;
    s.partner_zoom_lon = s.local.local_map_lon;
    s.partner_zoom_lat = s.local.local_map_lat;
}

void read_display_options(const Reader& r, MainSettings& s) {
    auto option = [&](const char* section, const char* key, const char* def, std::string& text, int16_t& value) {
        text = r.text(section, key, def);
        value = integer(text);
    };
    option("SUN", "DISP", "0", s.sun_disp_text, s.sun_disp);
    option("MOON", "DISP", "0", s.moon_disp_text, s.moon_disp);
    option("KASEI", "DISP", "0", s.kasei_disp_text, s.kasei_disp);
    option("KISEKI", "DISP", "1", s.kiseki_disp_text, s.kiseki_disp);
    option("JIKAN", "DISP", "0", s.jikan_disp_text, s.jikan_disp);
    option("BLINK", "EISEI_BLINK", "1", s.eisei_blink_text, s.eisei_blink);
    option("ALAT/ALON", "DISP", "1", s.alat_alon_disp_text, s.alat_alon_disp);
}

void read_colours(const Reader& r, MainSettings& s, TimeState& time) {
    static const char* const eisei_keys[] = {"EISEI1", "EISEI2", "EISEI3", "EISEI4", "EISEI5", "EISEI6", "EISEI7"};
    static const char* const eisei_defaults[] = {"65280", "255", "65535", "16776960", "8388863", "16711935", "4227327"};
    for (int k = 0; k < 7; ++k) s.color_eisei[k] = val(r.text("COLOR", eisei_keys[k], eisei_defaults[k]));
    s.grp_bk_color = val(r.text("COLOR", "GRP_BK_COLOR", "65280"));
    s.grp_for_color = val(r.text("COLOR", "GRP_FOR_COLOR", "255"));
    s.ao40_ma_color_text = r.text("COLOR", "AO40_MA_COLOR", "16776960");
    s.ao40_ma_color = val(s.ao40_ma_color_text);
    s.ao40_sqa_color_text = r.text("COLOR", "AO40_SQA_COLOR", "255");
    s.ao40_sqa_color = val(s.ao40_sqa_color_text);
    s.ao40_sqa_value = r.text("AO40", "AO40_SQA_VALUE", "30");
    s.backcolor_text = r.text("COLOR", "BACKCOLOR", "-2147483633");
    s.backcolor = val(s.backcolor_text);
    s.sun_color = val(r.text("COLOR", "SUN_COLOR", "65535"));
    s.moon_color = val(r.text("COLOR", "MOON_COLOR", "16777215"));
    s.kasei_color = val(r.text("COLOR", "KASEI_COLOR", "65535"));
    s.toujitu_color = val(r.text("COLOR", "TOUJITU_COLOR", "65535"));
    s.toujitugai_color = val(r.text("COLOR", "TOUJITUGAI_COLOR", "16777215"));
    s.hiru_color = r.text("COLOR", "HIRU_COLOR", "16744576");
    s.yoru_color = r.text("COLOR", "YORU_COLOR", "0");
    s.kasoku_ritu = r.text("KASOKU", "KASOKU_RITU", "2");
    time.kasoku_ritu = s.kasoku_ritu;
}

void read_cat_ports(const Reader& r, MainSettings& s, SettingsProblems& problems) {
    auto port = [&](const char* section, const char* def, bool ic910, CatPortSetting& out) {
        if (!parse_cat_port(r.text(section, "CAT", def), ic910, out)) {
            problems.values.push_back(std::string("[") + section + "] CAT");
            parse_cat_port(def, ic910, out);
        }
    };
    port("FT847", kDefaultFt847Cat, false, s.ft847_cat);
    port("IC910", kDefaultIc910Cat, true, s.ic910_cat);
    port("TS2000", kDefaultTs2000Cat, false, s.ts2000_cat);
    port("FT736", kDefaultFt736Cat, false, s.ft736_cat);
}

void read_modes_and_options(const Reader& r, MainSettings& s) {
    s.sat_info = r.text("SAT-INFO", "AO-40", "0:146:2:436:1::0:,:,:");
    s.ao40 = parse_ao40_window(s.sat_info);
    s.start_tizu = r.text("HAIKEIZU", "START_TIZU", "1");
    s.ntp_elm = r.text("NTP_TIME", "NTP_ELM", "SW_NORAS.EXE,,");
    s.ntp = parse_time_sync(s.ntp_elm);
    s.ntp_auto = r.text("NTP_TIME", "NTP_AUTO", "0");
    s.oscar_amsat_url = r.text("UNYOU", "OSCAR_AMSAT_URL", "1");
    s.ver_on_off = r.text("VERSION", "VER_ON_OFF", "0");
    s.gamen_no = r.text("SYOKI_GAMEN", "GAMEN_NO", "0");
    s.kiseki_size_text = r.text("KISEKI", "KISEKI_SIZE", "30");
    s.kiseki_size = val(s.kiseki_size_text);
    s.time_line_text = r.text("JIKAN", "TIME_LINE", "2");
    s.kidou_back_color = r.text("COLOR", "KIDOU_BACK_COLOR", "0");
    s.kidou_tikyuu_color = r.text("COLOR", "KIDOU_TIKYUU_COLOR", "16744448");
    s.kidou_eisei_color = r.text("COLOR", "KIDOU_EISEI_COLOR", "255");
    s.rmt_send_color = r.text("COLOR", "RMT_SEND_COLOR", "8438015");
    s.rmt_becon_color = r.text("COLOR", "RMT_BECON_COLOR", "16761024");
    s.rmt_receive_color = r.text("COLOR", "RMT_RECEIVE_COLOR", "8454016");
    s.rmt_sat_color = r.text("COLOR", "RMT_SAT_COLOR", "16777152");
    s.rmt_sat_freq_color = r.text("COLOR", "RMT_SAT_FREQ_COLOR", "16777088");
    s.rmt_sat_rigu_color = r.text("COLOR", "RMT_SAT_RIGU_COLOR", "13882321");
    s.rmt_sat_meta_color = r.text("COLOR", "RMT_SAT_META_COLOR", "12648447");
    s.jikan1_line_color_text = r.text("COLOR", "jikan1_LINE_color", "12566463");
    s.jikan1_line_color = val(s.jikan1_line_color_text);
    s.schedule_rigu = r.text("SCHEDULE", "RIGU", "ＦＴ８４７");
    s.reda_info_color_text = r.text("COLOR", "REDA_INFO_COLOR", "16776960");
    s.reda_info_color = val(s.reda_info_color_text);
    s.kasi_eisei_disp = r.text("KASI_EISEI", "DISP", "1");
    s.reda_disp_info = r.text("REDA_DISP_INFO", "DISP", "0");
}

void read_sound_options(const Reader& r, MainSettings& s) {
    s.check1 = r.text("SOUND", "KOUKAON_CK1", "1") != "0" ? 1 : 0;
    s.check3 = r.text("SOUND", "KOUKA5_CK3", "1") != "0" ? 1 : 0;
    s.check2 = r.text("SOUND", "MUSIC_CK2", "0") != "0" ? 1 : 0;
}

}  // namespace

MainSettings read_main_settings(const std::string& ini_file, OwnStation& station, TimeState& time,
                                SettingsProblems& problems) {
    const Reader r(ini_file);
    MainSettings s;
    read_station_and_time(r, station, time);
    read_maps(r, s, problems);
    read_display_options(r, s);
    read_colours(r, s, time);
    read_cat_ports(r, s, problems);
    read_modes_and_options(r, s);
    read_sound_options(r, s);
    return s;
}

}  // namespace torv
