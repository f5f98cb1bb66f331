#include "common/sat_info_edit.h"


#include "common/cp932.h"
#include "common/number_text.h"

namespace torv {

namespace {

constexpr const char* kLowerEdge = "下限周波数";
constexpr const char* kUpperEdgeAfter = "～上限周波数";
constexpr const char* kUpperEdge = "上限周波数";
constexpr const char* kLowerEdgeAfter = "～下限周波数";



}  // namespace

void set_ao40_window(CurrentSatValues& v, const std::string& field8) {
    if (field8.empty()) {
        v.ao40_ma_start = v.ao40_ma_end = -1;
        return;
    }
    const FieldPair p = split_pair(field8);
    v.ao40_ma_start = val(p.first);
    v.ao40_ma_end = val(p.second);
}

PassbandView passband_view(Conversion type, const std::string& uplink, const std::string& downlink,
                           const std::string& low, const std::string& high) {
    PassbandView v;
    const double U = val(uplink), D = val(downlink), L = val(low), H = val(high);
    switch (type) {
    case Conversion::Fixed:
        v.edges_enabled = false;
        v.low_box = uplink;
        v.high_box = std::string();
        v.low_caption = kLowerEdge;
        v.high_caption = kUpperEdgeAfter;
        v.downlink_first = downlink;
        break;
    case Conversion::Inverting:
        v.low_caption = kUpperEdge;
        v.high_caption = kLowerEdgeAfter;
        v.downlink_first = num_text(U + D - L);
        v.downlink_second = num_text(U + D - H);
        break;
    case Conversion::NonInverting:
        v.low_caption = kLowerEdge;
        v.high_caption = kUpperEdgeAfter;
        v.downlink_first = num_text(L - U + D);
        v.downlink_second = num_text(H - U + D);
        break;
    }
    return v;
}

bool number_key_allowed(char32_t c) { return c < 32 || c == U'-' || c == U'.' || (c >= U'0' && c <= U'9'); }

std::optional<std::string> frequency_error(const std::string& beacon, const std::string& uplink,
                                           const std::string& downlink) {
    if (!is_number_text(trim(beacon))) return "ビーコンの周波数が数字になっていません";
    if (!is_number_text(trim(uplink))) return "アップリンクの周波数が数字になっていません";
    if (!is_number_text(trim(downlink))) return "ダウンリンクの周波数が数字になっていません";
    return std::nullopt;
}

std::string fitted_comment(const SatInfoRecord& rec, const std::string& ini_file) {
    SatInfoRecord without = rec;
    without.comment.clear();
    const size_t rest = ini_value_bytes(format_sat_info(without), ini_file);
    const size_t room = rest < kSettingReadBytes ? kSettingReadBytes - rest : 0;
    return ini_cut_value(rec.comment, room, ini_file);
}

bool store_sat_info_entry(const SatInfoEntry& e, SatInfoEditorContext& ctx) {
    if (e.sat != ctx.selected_sat) return false;
    const std::string& ini = ctx.ini_file;
    write_sat_info(e.sat, e.info, ini);
    write_sat_freq_range(e.sat, e.freq, ini);
    write_sat_url(e.sat, e.url, ini);
    write_ao51_tone(e.ao51_tone, ini);
    write_sat_program(1, e.sat, e.program1, ini);
    write_sat_program(2, e.sat, e.program2, ini);
    write_sat_hosei(e.sat, e.hosei, ini);

    CurrentSatValues& v = ctx.current;
    v.sat_info = format_sat_info(e.info);
    apply_freq_range(v, format_sat_freq_range(e.freq));
    v.sat_url = e.url;
    v.ao51_tone = e.ao51_tone;
    v.sat_program1 = format_sat_program(e.program1);
    v.sat_program1_path = trim(e.program1.path);
    v.sat_program1_param = trim(e.program1.param);
    v.sat_program2 = format_sat_program(e.program2);
    v.sat_program2_path = trim(e.program2.path);
    v.sat_program2_param = trim(e.program2.param);
    v.sat_hosei_text = trim(e.hosei);
    if (e.sat == kAo40) set_ao40_window(v, e.info.on_window.first + "," + e.info.on_window.second);

    if (ctx.sat_hosei_set) ctx.sat_hosei_set();
    if (ctx.rig_setup) ctx.rig_setup();
    return true;
}

}  // namespace torv
