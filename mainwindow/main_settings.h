#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "common/settings_keys.h"
#include "common/station_table.h"
#include "mainwindow/sat_groups.h"
#include "orbit/time_base.h"
#include "rig/cat_port.h"
#include "rig/ic910_addresses.h"

// Every setting the main window reads from torv.ini at start-up (but the element-update
// settings, which the element update reads itself), as plain values: the
// text as read where the program keeps the text, the number or flag in use where it
// keeps that. Reading is apart from applying: read_main_settings touches no window.
namespace torv {

// LocalMapSetting: bitmap file, centre longitude, centre latitude, optional start-up flag.
struct LocalMapSetting {
    std::string local_map_file;
    std::string local_map_lon;  // a negative longitude is stored plus 360
    std::string local_map_lat;
    int16_t local_map_show = 0;  // 1: the local zoom window opens at start-up
};

// TimeSyncSetting: program file, server port, receive port.
struct TimeSyncSetting {
    std::string ntp_program;
    int ntp_server_port = 0, ntp_recv_port = 0;
};

// AO-40's transponder-on window from field 8 of its SatInfoRecord (1/256 revolution);
// -1 and -1 when the field is empty.
struct Ao40Window {
    double start = -1, end = -1;
};

struct MainSettings {
    // Phase 2: maps and sky pictures.
    std::string tizu, reda, word_map;
    std::string local_map;  // the value as read
    LocalMapSetting local;
    std::string kesiki_hiru, kesiki_yuugata, kesiki_yoru;

    // Phase 3: display options, the number in use and the text as read.
    int16_t sun_disp = 0, moon_disp = 0, kasei_disp = 0, kiseki_disp = 1, jikan_disp = 0, eisei_blink = 1,
            alat_alon_disp = 1;
    std::string sun_disp_text, moon_disp_text, kasei_disp_text, kiseki_disp_text, jikan_disp_text,
        eisei_blink_text, alat_alon_disp_text;

    // Phase 4: colours of the main window.
    double color_eisei1 = 0, color_eisei2 = 0, color_eisei3 = 0, color_eisei4 = 0, color_eisei5 = 0,
           color_eisei6 = 0, color_eisei7 = 0;
    double slot_color(int slot) const;  // color_eisei1 for slot 0 … color_eisei7 for slot 6
    double grp_bk_color = 0, grp_for_color = 0;
    double ao40_ma_color = 0, ao40_sqa_color = 0;
    std::string ao40_ma_color_text, ao40_sqa_color_text, ao40_sqa_value;
    double backcolor = 0;
    std::string backcolor_text;
    double sun_color = 0, moon_color = 0, kasei_color = 0, toujitu_color = 0, toujitugai_color = 0;
    std::string hiru_color, yoru_color;  // held as text
    std::string kasoku_ritu;

    // Phase 6: transceiver ports, the text as read and the setting in use.
    std::string ft847_cat_text, ic910_cat_text, ts2000_cat_text, ft736_cat_text;
    CatPortSetting ft847_cat, ic910_cat, ts2000_cat, ft736_cat;

    // Phase 7: AO-40 window, modes and options.
    std::string sat_info;  // AO-40's record as read
    Ao40Window ao40;
    std::string start_tizu, ntp_elm, ntp_auto, oscar_amsat_url, ver_on_off, gamen_no;
    TimeSyncSetting ntp;
    double kiseki_size = 30;
    std::string kiseki_size_text, time_line_text;
    std::string kidou_back_color, kidou_tikyuu_color, kidou_eisei_color;
    std::string rmt_send_color, rmt_becon_color, rmt_receive_color, rmt_sat_color, rmt_sat_freq_color,
        rmt_sat_rigu_color, rmt_sat_meta_color;
    double jikan1_line_color = 0;
    std::string jikan1_line_color_text;
    std::string schedule_rigu;
    double reda_info_color = 0;
    std::string reda_info_color_text;
    std::string kasi_eisei_disp, reda_disp_info;

    // Phase 8: sound options, the box values 0 or 1.
    int check1 = 1, check3 = 1, check2 = 0;
};

// The defaults of the values that can be malformed.
inline const char* const kDefaultLocalMap = "JAPAN.BMP,135,35";
inline constexpr const char* kDefaultFt847Cat = "0:COM1:9600:";
inline constexpr const char* kDefaultIc910Cat = "0:COM1:9600:60:E0";
inline constexpr const char* kDefaultTs2000Cat = "0:COM3:9600:";
inline constexpr const char* kDefaultFt736Cat = "0:COM1:4800:";
// The IC-910's holds its fixed CI-V addresses after the speed.
static_assert(std::string_view(kDefaultIc910Cat).substr(12, 2) == ic910::kRigText &&
              std::string_view(kDefaultIc910Cat).substr(15) == ic910::kControllerText);

// False when the value lacks a field, its centre is off the globe or its start-up flag is
// neither 0 nor 1; out then holds the usable fields the value has and the default's for
// the others (a start-up flag that cannot be used reads 0).
bool parse_local_map(const std::string& value, LocalMapSetting& out);
// Each parser returns false, and leaves out unchanged, when the value lacks its fields.
bool parse_cat_port(const std::string& value, bool ic910, CatPortSetting& out);
TimeSyncSetting parse_time_sync(const std::string& value);
Ao40Window parse_ao40_window(const std::string& sat_info);

// ---- The keys of the start-up read and the shutdown save --------------------------

// The structs a row's value goes to; a save names only the ones it writes from.
struct SettingsTargets {
    MainSettings* settings = nullptr;
    OwnStation* station = nullptr;
    TimeState* time = nullptr;
    SatGroupTable* groups = nullptr;
};

// Where a row keeps the value as read (and as the save writes it).
using SettingText = std::variant<std::monostate, std::string MainSettings::*, std::string OwnStation::*,
                                 std::string SatGroupTable::*>;
// The number in use, taken from the text: a double by its leading numeric part, an
// int16_t as the whole number (halves to even), an int as a check box (1 unless "0").
using SettingNumber = std::variant<std::monostate, double MainSettings::*, int16_t MainSettings::*,
                                   int MainSettings::*, double OwnStation::*, double TimeState::*>;

enum class SettingSave {
    Never,       // the start-up reads it; only a settings dialog writes it
    AsHeld,      // the shutdown save writes the text as held
    NumberForm,  // the shutdown save writes the number in the leading-blank form (" 1")
};

// One key: its description, where its text and number go, whether the shutdown save
// writes it. Adding a key to the start-up read (and the save) is one row; the save
// writes its rows in table order. A range on a row's key makes a stored value outside
// it read as the default, named in the problems the start-up shows once.
struct MainSettingRow {
    SettingKey key;
    SettingText text = {};
    SettingNumber number = {};
    SettingSave save = SettingSave::Never;
    bool read_at_startup = true;  // false: its owner reads it (the group table's SELECT)
};

// Every row, in the order of the save.
std::span<const MainSettingRow> main_setting_rows();
// The row of a key (section and key as the table spells them), or null.
const MainSettingRow* find_main_setting(std::string_view section, std::string_view key);

// Reads every main-window setting of ini_file: the station into station, the UTC
// offset into time (time_diff, local_to_utc_text, kasoku_ritu), the rest into the
// result. Missing keys take their defaults; malformed values their defaults too,
// listed in problems.
MainSettings read_main_settings(const std::string& ini_file, OwnStation& station, TimeState& time,
                                SettingsProblems& problems);

// Writes the rows the shutdown save writes, in table order, from targets (the number
// form of a NumberForm row is rebuilt from its number first).
void write_saved_settings(SettingsTargets targets, const std::string& ini_file);

}  // namespace torv
