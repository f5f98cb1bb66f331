#include "mainwindow/main_settings.h"

#include <type_traits>

#include "common/number_text.h"
#include "common/settings_store.h"

namespace torv {

namespace {

int16_t integer(const std::string& text) { return round_half_even_as<int16_t>(val(text)); }

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

// The start-up flag: 1 opens the local zoom window at start-up, 0 does not; the menus
// write nothing else.
bool start_up_flag(const std::string& text, int16_t& flag) {
    if (!is_number_text(trim(text))) return false;
    flag = integer(text);
    return flag == 0 || flag == 1;
}

// Fills m with the fields value has, in order; false when it lacks the centre or its
// fourth field is not a start-up flag.
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
    const bool flag_ok = start_up_flag(rest, m.local_map_show);
    if (!flag_ok) m.local_map_show = 0;
    return flag_ok;
}

}  // namespace

bool parse_local_map(const std::string& value, LocalMapSetting& out) {
    // A field the value lacks takes the default's, a start-up flag that is not a number
    // reads 0; what the value has is kept, so the save at shutdown does not lose it.
    LocalMapSetting m;
    parse_local_map_fields(kDefaultLocalMap, m);
    const LocalMapSetting fallback = m;
    bool ok = parse_local_map_fields(value, m);
    // A centre off the globe takes the default's, so the maps are never drawn around it.
    const double lon = val(m.local_map_lon), lat = val(m.local_map_lat);
    if (!(lon >= -360 && lon <= 360 && lat >= -90 && lat <= 90)) {
        m.local_map_lon = fallback.local_map_lon;
        m.local_map_lat = fallback.local_map_lat;
        ok = false;
    }
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
    t.ntp_server_port = round_half_even_as<int>(val(cut(rest, ',')));
    t.ntp_recv_port = round_half_even_as<int>(val(rest));
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

using S = MainSettings;
constexpr auto kNumberForm = SettingSave::NumberForm;
constexpr auto kAsHeld = SettingSave::AsHeld;

// What a usable number of a kind of key lies in.
constexpr SettingRange kFlag{-32768, 32767};                // held as a 16-bit whole number
constexpr SettingRange kColour{-2147483648.0, 16777215.0};  // red + 256 green + 65536 blue; below 0 a system colour
constexpr SettingRange kTimeDifference{-24, 24};            // hours
constexpr SettingRange kAccelerationMinutes{-1440, 1440};   // minutes per step, at most a day
constexpr SettingRange kLineWidth{0, 100};                  // pixels
constexpr SettingRange kDotSize{0, 1000};                   // track dots, pixels
// The own station as its settings dialog accepts it.
constexpr SettingRange kLongitude{-180, 180};  // degrees east
constexpr SettingRange kLatitude{-90, 90};     // degrees north
constexpr SettingRange kHeight{0, 3000};       // metres above sea level
constexpr int kTopPort = 65535;

// Rows whose save flag is set are written by the shutdown save in this order.
const MainSettingRow kRows[] = {
    // Station and time difference.
    {{"POSITION", "CALL", ""}, &OwnStation::call_sign},
    {{"POSITION", "KEIDO", "135.15", kLongitude}, {}, &OwnStation::station_lon},
    {{"POSITION", "IDO", "34.5", kLatitude}, {}, &OwnStation::station_lat},
    {{"POSITION", "TAKASA", "45", kHeight}, {}, &OwnStation::station_height},
    {{"JIKAN", "JISA", "9", kTimeDifference}, {}, &TimeState::time_diff},
    // The selection; the group table reads it (a missing key has its own meaning there).
    {{"SATELITE", "SELECT", ""}, &SatGroupTable::satelite_select, {}, kAsHeld, false},
    // Display options.
    {{"SUN", "DISP", "0", kFlag}, &S::sun_disp_text, &S::sun_disp, kNumberForm},
    {{"MOON", "DISP", "0", kFlag}, &S::moon_disp_text, &S::moon_disp, kNumberForm},
    {{"KASEI", "DISP", "0", kFlag}, &S::kasei_disp_text, &S::kasei_disp, kNumberForm},
    {{"KISEKI", "DISP", "1", kFlag}, &S::kiseki_disp_text, &S::kiseki_disp, kNumberForm},
    {{"JIKAN", "DISP", "0", kFlag}, &S::jikan_disp_text, &S::jikan_disp, kNumberForm},
    {{"BLINK", "EISEI_BLINK", "1", kFlag}, &S::eisei_blink_text, &S::eisei_blink, kNumberForm},
    {{"ALAT/ALON", "DISP", "1", kFlag}, &S::alat_alon_disp_text, &S::alat_alon_disp, kNumberForm},
    // Maps and sky pictures.
    {{"HAIKEIZU", "LOCAL_MAP", kDefaultLocalMap}, &S::local_map, {}, kAsHeld},
    {{"HAIKEIZU", "TIZU", "MAP1.BMP"}, &S::tizu},
    {{"HAIKEIZU", "REDA", "REDA.BMP"}, &S::reda},
    {{"HAIKEIZU", "WORD_MAP", "WORD_MAP.BMP"}, &S::word_map},
    {{"HAIKEIZU", "START_TIZU", "1"}, &S::start_tizu},
    {{"KESIKI", "HIRU", "skya7_18.BMP"}, &S::kesiki_hiru},
    {{"KESIKI", "YUUGATA", "skya18_19.BMP"}, &S::kesiki_yuugata},
    {{"KESIKI", "YORU", "skya19_6.BMP"}, &S::kesiki_yoru},
    // Colours of the main window.
    {{"COLOR", "EISEI1", "65280", kColour}, {}, &S::color_eisei1},
    {{"COLOR", "EISEI2", "255", kColour}, {}, &S::color_eisei2},
    {{"COLOR", "EISEI3", "65535", kColour}, {}, &S::color_eisei3},
    {{"COLOR", "EISEI4", "16776960", kColour}, {}, &S::color_eisei4},
    {{"COLOR", "EISEI5", "8388863", kColour}, {}, &S::color_eisei5},
    {{"COLOR", "EISEI6", "16711935", kColour}, {}, &S::color_eisei6},
    {{"COLOR", "EISEI7", "4227327", kColour}, {}, &S::color_eisei7},
    {{"COLOR", "GRP_BK_COLOR", "65280", kColour}, {}, &S::grp_bk_color},
    {{"COLOR", "GRP_FOR_COLOR", "255", kColour}, {}, &S::grp_for_color},
    {{"COLOR", "AO40_MA_COLOR", "16776960", kColour}, &S::ao40_ma_color_text, &S::ao40_ma_color},
    {{"COLOR", "AO40_SQA_COLOR", "255", kColour}, &S::ao40_sqa_color_text, &S::ao40_sqa_color},
    {{"AO40", "AO40_SQA_VALUE", "30"}, &S::ao40_sqa_value},
    {{"COLOR", "BACKCOLOR", "-2147483633", kColour}, &S::backcolor_text, &S::backcolor},
    {{"COLOR", "SUN_COLOR", "65535", kColour}, {}, &S::sun_color},
    {{"COLOR", "MOON_COLOR", "16777215", kColour}, {}, &S::moon_color},
    {{"COLOR", "KASEI_COLOR", "65535", kColour}, {}, &S::kasei_color},
    {{"COLOR", "TOUJITU_COLOR", "65535", kColour}, {}, &S::toujitu_color},
    {{"COLOR", "TOUJITUGAI_COLOR", "16777215", kColour}, {}, &S::toujitugai_color},
    {{"COLOR", "HIRU_COLOR", "16744576", kColour}, &S::hiru_color},
    {{"COLOR", "YORU_COLOR", "0", kColour}, &S::yoru_color},
    {{"KASOKU", "KASOKU_RITU", "2", kAccelerationMinutes}, &S::kasoku_ritu},
    // Transceiver ports.
    {{"FT847", "CAT", kDefaultFt847Cat}, &S::ft847_cat_text},
    {{"IC910", "CAT", kDefaultIc910Cat}, &S::ic910_cat_text},
    {{"TS2000", "CAT", kDefaultTs2000Cat}, &S::ts2000_cat_text},
    {{"FT736", "CAT", kDefaultFt736Cat}, &S::ft736_cat_text},
    // AO-40 window, modes and options.
    {{"SAT-INFO", "AO-40", "0:146:2:436:1::0:,:,:"}, &S::sat_info},
    {{"NTP_TIME", "NTP_ELM", "SW_NORAS.EXE,,"}, &S::ntp_elm},
    {{"NTP_TIME", "NTP_AUTO", "0"}, &S::ntp_auto, {}, kAsHeld},
    {{"UNYOU", "OSCAR_AMSAT_URL", "1"}, &S::oscar_amsat_url, {}, kAsHeld},
    {{"VERSION", "VER_ON_OFF", "0"}, &S::ver_on_off, {}, kAsHeld},
    {{"SYOKI_GAMEN", "GAMEN_NO", "0"}, &S::gamen_no, {}, kAsHeld},
    {{"KISEKI", "KISEKI_SIZE", "30", kDotSize}, &S::kiseki_size_text, &S::kiseki_size},
    {{"JIKAN", "TIME_LINE", "2", kLineWidth}, &S::time_line_text},
    {{"COLOR", "KIDOU_BACK_COLOR", "0", kColour}, &S::kidou_back_color},
    {{"COLOR", "KIDOU_TIKYUU_COLOR", "16744448", kColour}, &S::kidou_tikyuu_color},
    {{"COLOR", "KIDOU_EISEI_COLOR", "255", kColour}, &S::kidou_eisei_color},
    {{"COLOR", "RMT_SEND_COLOR", "8438015", kColour}, &S::rmt_send_color},
    {{"COLOR", "RMT_BECON_COLOR", "16761024", kColour}, &S::rmt_becon_color},
    {{"COLOR", "RMT_RECEIVE_COLOR", "8454016", kColour}, &S::rmt_receive_color},
    {{"COLOR", "RMT_SAT_COLOR", "16777152", kColour}, &S::rmt_sat_color},
    {{"COLOR", "RMT_SAT_FREQ_COLOR", "16777088", kColour}, &S::rmt_sat_freq_color},
    {{"COLOR", "RMT_SAT_RIGU_COLOR", "13882321", kColour}, &S::rmt_sat_rigu_color},
    {{"COLOR", "RMT_SAT_META_COLOR", "12648447", kColour}, &S::rmt_sat_meta_color},
    {{"COLOR", "jikan1_LINE_color", "12566463", kColour}, &S::jikan1_line_color_text, &S::jikan1_line_color},
    {{"SCHEDULE", "RIGU", "ＦＴ８４７"}, &S::schedule_rigu},
    {{"COLOR", "REDA_INFO_COLOR", "16776960", kColour}, &S::reda_info_color_text, &S::reda_info_color},
    {{"KASI_EISEI", "DISP", "1"}, &S::kasi_eisei_disp},
    {{"REDA_DISP_INFO", "DISP", "0"}, &S::reda_disp_info},
    // Sound options: the check boxes.
    {{"SOUND", "KOUKAON_CK1", "1"}, {}, &S::check1},
    {{"SOUND", "KOUKA5_CK3", "1"}, {}, &S::check3},
    {{"SOUND", "MUSIC_CK2", "0"}, {}, &S::check2},
};

// The struct a member of C belongs to among the targets.
MainSettings* owner(SettingsTargets& t, const MainSettings*) { return t.settings; }
OwnStation* owner(SettingsTargets& t, const OwnStation*) { return t.station; }
TimeState* owner(SettingsTargets& t, const TimeState*) { return t.time; }
SatGroupTable* owner(SettingsTargets& t, const SatGroupTable*) { return t.groups; }

template <class C, class V>
V& field(SettingsTargets& t, V C::*member) {
    return owner(t, static_cast<const C*>(nullptr))->*member;
}

std::string* text_of(const MainSettingRow& row, SettingsTargets& t) {
    return std::visit([&](auto m) -> std::string* {
        if constexpr (std::is_same_v<decltype(m), std::monostate>) return nullptr;
        else return &field(t, m);
    }, row.text);
}

void set_number(const MainSettingRow& row, SettingsTargets& t, const std::string& text) {
    std::visit([&](auto m) {
        if constexpr (!std::is_same_v<decltype(m), std::monostate>) {
            auto& number = field(t, m);
            using N = std::remove_reference_t<decltype(number)>;
            if constexpr (std::is_same_v<N, int16_t>) number = integer(text);
            else if constexpr (std::is_same_v<N, int>) number = text != "0" ? 1 : 0;
            else number = val(text);
        }
    }, row.number);
}

double number_of(const MainSettingRow& row, SettingsTargets& t) {
    return std::visit([&](auto m) -> double {
        if constexpr (std::is_same_v<decltype(m), std::monostate>) return 0;
        else return static_cast<double>(field(t, m));
    }, row.number);
}

void parse_cat_ports(MainSettings& s, SettingsProblems& problems) {
    const struct {
        const char* section;
        const std::string& text;
        bool ic910;
        CatPortSetting& out;
    } ports[] = {{"FT847", s.ft847_cat_text, false, s.ft847_cat},
                 {"IC910", s.ic910_cat_text, true, s.ic910_cat},
                 {"TS2000", s.ts2000_cat_text, false, s.ts2000_cat},
                 {"FT736", s.ft736_cat_text, false, s.ft736_cat}};
    for (const auto& p : ports) {
        if (parse_cat_port(p.text, p.ic910, p.out)) continue;
        const SettingKey& key = find_main_setting(p.section, "CAT")->key;
        problems.add(key);
        parse_cat_port(key.def, p.ic910, p.out);
    }
}

// The values made from the texts as read: the local map, the ports, the AO-40 window,
// the time-setting program, the UTC offset text.
void parse_composite_values(MainSettings& s, TimeState& time, SettingsProblems& problems) {
    time.local_to_utc_text = str_num(-time.time_diff);
    time.kasoku_ritu = s.kasoku_ritu;
    if (!parse_local_map(s.local_map, s.local)) problems.add(find_main_setting("HAIKEIZU", "LOCAL_MAP")->key);
    parse_cat_ports(s, problems);
    s.ao40 = parse_ao40_window(s.sat_info);
    s.ntp = parse_time_sync(s.ntp_elm);
    const auto port = [](int p) { return p >= 0 && p <= kTopPort; };
    if (!port(s.ntp.ntp_server_port) || !port(s.ntp.ntp_recv_port)) {
        const SettingKey& key = find_main_setting("NTP_TIME", "NTP_ELM")->key;
        problems.add(key);
        s.ntp = parse_time_sync(key.def);
    }
}

}  // namespace

double MainSettings::slot_color(int slot) const {
    const double colors[] = {color_eisei1, color_eisei2, color_eisei3, color_eisei4,
                             color_eisei5, color_eisei6, color_eisei7};
    return slot >= 0 && slot < 7 ? colors[slot] : 0;
}

std::span<const MainSettingRow> main_setting_rows() { return kRows; }

const MainSettingRow* find_main_setting(std::string_view section, std::string_view key) {
    for (const MainSettingRow& row : kRows)
        if (row.key.section == section && row.key.key == key) return &row;
    return nullptr;
}

MainSettings read_main_settings(const std::string& ini_file, OwnStation& station, TimeState& time,
                                SettingsProblems& problems) {
    MainSettings s;
    SettingsTargets targets{&s, &station, &time, nullptr};
    for (const MainSettingRow& row : kRows) {
        if (!row.read_at_startup) continue;
        const std::string text = read_setting(row.key, ini_file, problems);
        if (std::string* t = text_of(row, targets)) *t = text;
        set_number(row, targets, text);
    }
    parse_composite_values(s, time, problems);
    return s;
}

void write_saved_settings(SettingsTargets targets, const std::string& ini_file) {
    for (const MainSettingRow& row : kRows) {
        if (row.save == SettingSave::Never) continue;
        std::string& text = *text_of(row, targets);
        if (row.save == SettingSave::NumberForm) text = str_num(number_of(row, targets));
        write_setting(row.key, text, ini_file);
    }
}

}  // namespace torv
