#include "mainwindow/result_texts.h"

#include <cmath>

#include "common/number_text.h"

namespace torv {

namespace {
constexpr double kRadToDeg = 180.0 / 3.14159265358979323846;

int64_t rounded(double colour) { return static_cast<int64_t>(std::llround(colour)); }
}  // namespace

DateTime epoch_local_time(double epoch_year, double epoch_day, double time_diff) {
    const double seconds = std::round((epoch_day - 1) * 86400 + time_diff * 3600);
    return add_seconds(date_serial(static_cast<int>(epoch_year), 1, 1), seconds);
}

std::string element_age_text(DateTime epoch_local, DateTime clock_local) {
    // Whole minutes of the difference, counted toward zero.
    const int64_t m = (to_milliseconds(clock_local) - to_milliseconds(epoch_local)) / 60000;
    const int64_t h = m >= 0 ? m / 60 : -((-m + 59) / 60);
    return std::to_string(h) + "時間 " + std::to_string(m - 60 * h) + "分前の軌道情報";
}

SelectedSatTexts selected_sat_texts(const SelectedSatResult& r, const RigShared& rig, double time_diff,
                                    DateTime clock_local) {
    const double az = r.az * kRadToDeg, el = r.el * kRadToDeg;
    const double phase = r.mean_anomaly / 360 * 256;
    SelectedSatTexts t;
    t.name = r.name;
    t.uplink = "アップ＝" + rig.rig_uplink_text + "," + "形式＝" + rig.rig_uplink_mode;
    t.downlink = "ダウン＝" + rig.rig_downlink_text + "," + "形式＝" + rig.rig_downlink_mode;
    t.az = format_number(az, "###0.0");
    t.el = format_number(el, "##0.0");
    t.range = format_number(r.range_km, "00000.00 km");
    t.range_short = format_number(r.range_km, "00000km");
    t.phase = format_number(phase, "##0.0 ");
    t.orbit_number = format_number(r.orbit_number, "####0.0");
    t.text2 = format_number(az, "###0.00000");
    t.text3 = format_number(el, "##0.00000");
    t.text4 = format_number(r.range_km * 1000, "####0.0");
    t.text5 = t.orbit_number;
    t.text6 = t.phase;
    const DateTime epoch = epoch_local_time(r.elements.epoch_year, r.elements.epoch_day, time_diff);
    t.tool_tip = "選択されている人工衛星の名称:  軌道元期 " + general_date_text(epoch) + " " +
                 element_age_text(epoch, clock_local);
    return t;
}

VisibilityColors sat_visible_colors(double el_rad, double backcolor, double selected_color, int eisei_blink,
                                    int blink_phase) {
    VisibilityColors c;
    if (!(el_rad >= 0)) {  // below the horizon, or not a number
        c.fore = kBlack;
        c.name_back = rounded(backcolor);
        return c;
    }
    c.fore = kBlue;
    switch (eisei_blink) {
        case 2: c.name_back = rounded(selected_color); break;
        case 1: c.name_back = rounded(blink_phase != 0 ? backcolor : selected_color); break;
        default: c.name_back = rounded(backcolor); break;
    }
    return c;
}

StationViewColors station_view_colors(double el_deg) {
    if (el_deg >= 0) return {kBlue, kYellow};
    return {kBlack, kButtonFace};
}

FreqRangeLabels load_freq_range(const std::string& record, CurrentSatValues& values) {
    apply_freq_range(values, record);
    const SatFreqRange f = parse_sat_freq_range(record);
    FreqRangeLabels l;
    auto band = [](const FieldPair& edges, const char* caption, std::string& title, std::string& range) {
        if (!edges.first.empty()) {
            title = caption;
            range = str_num(val(edges.first));
        }
        if (!edges.second.empty()) range += "～" + str_num(val(edges.second));
    };
    band(f.uplink, "送信周波数範囲", l.label56, l.label57);
    band(f.downlink, "受信周波数範囲", l.label58, l.label59);
    return l;
}

}  // namespace torv
