#include "mainwindow/pass_list.h"

#include "common/number_text.h"
#include "orbit/geodesy.h"

namespace torv {

namespace {

std::string degrees(double rad, const char* pattern) { return format_number(rad_to_deg(rad), pattern); }
std::string phase(double mean_anomaly) { return format_number(mean_anomaly * 256.0 / 360.0, "000.0"); }

// The pass being formatted: its first visible minute, its highest (the latest of equal
// maxima) and, once known, the minute its set is shown from.
struct OpenPass {
    int aos = 0, max = 0;
    std::string text;
};

void format_pass_aos(OpenPass& p, const TimelineRow& row, int m, int16_t shift) {
    p.aos = p.max = m;
    p.text = chart_time_text(m - 1, shift) + "  " + degrees(row.timeline_az[m], "000.0") + "  " +
             phase(row.timeline_phase[m]) + "     ";
}

// Ends the pass at minute m: the first minute below the horizon, or the chart's last
// minute while still visible. The set is shown from the minute before, except at the
// chart's last minute, which is taken as it is (so a pass whose last visible minute is
// the next-to-last one ends at the chart's end, one minute longer).
PassRow format_pass_max_los(const OpenPass& p, const TimelineRow& row, int m, int16_t shift) {
    if (m != kChartMinutes) m = m - 1;
    const int k = p.max;
    PassRow r;
    r.text = p.text + chart_time_text(k, shift) + "  " + degrees(row.timeline_az[k], "000.0") + "  " +
             degrees(row.timeline_el[k], "00.0") + "  " + phase(row.timeline_phase[k]) + "     " +
             chart_time_text(m, shift) + "  " + degrees(row.timeline_az[m], "000.0") + "  " +
             phase(row.timeline_phase[m]) + "  " + format_number(m - p.aos + 1, "000");
    r.pass_row_aos = p.aos - 1;
    r.pass_row_los = m;
    return r;
}

}  // namespace

std::string chart_time_text(int offset, int16_t chart_shift) {
    int hour = offset / 60 + 12 * chart_shift;
    if (hour >= 24) hour -= 24;
    return format_number(hour, "00") + ":" + format_number(offset - 60 * (offset / 60), "00");
}

std::vector<PassRow> build_pass_rows(const TimelineRow& row, int16_t shift) {
    std::vector<PassRow> rows;
    OpenPass p;
    bool in_pass = false;
    for (int m = 1; m <= kChartMinutes; ++m) {
        if (row.timeline_visible[m] == 1) {
            if (!in_pass) {
                format_pass_aos(p, row, m, shift);
                in_pass = true;
                if (m == kChartMinutes) rows.push_back(format_pass_max_los(p, row, m, shift));
            } else if (m == kChartMinutes) {
                rows.push_back(format_pass_max_los(p, row, m, shift));
            } else if (!(row.timeline_el[p.max] > row.timeline_el[m])) {
                p.max = m;
            }
        } else if (in_pass) {
            rows.push_back(format_pass_max_los(p, row, m, shift));
            in_pass = false;
        }
    }
    return rows;
}

std::optional<int> pass_list_offset(DateTime display_time, int16_t chart_shift, int16_t chart_shift_day) {
    const DateParts t = split_datetime(display_time);
    if (chart_shift == 0) return 60 * t.hour + t.minute;
    if (t.hour < 12) {
        if (t.day == chart_shift_day) return std::nullopt;
        return 60 * t.hour + 720 + t.minute;
    }
    return 60 * t.hour - 720 + t.minute;
}

int current_pass_row(const std::vector<PassRow>& rows, std::optional<int> d) {
    if (!d) return -1;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].pass_row_aos <= *d && *d < rows[i].pass_row_los) return static_cast<int>(i);
    return -1;
}

PassPick pick_pass(const std::string& row_text) {
    // Cut at single blanks: the runs of blanks between the values give empty fields.
    std::vector<std::string> f(1);
    for (char c : row_text) {
        if (c != ' ') f.back() += c;
        else if (f.size() < 30) f.emplace_back();
    }
    f.resize(30);
    const auto first2 = [](const std::string& t) { return t.substr(0, 2); };
    const auto last2 = [](const std::string& t) { return t.size() < 2 ? t : t.substr(t.size() - 2); };
    PassPick p;
    p.start_hour = first2(f[0]);
    p.start_minute = last2(f[0]);
    p.end_hour = first2(f[20]);
    p.end_minute = last2(f[20]);
    p.minutes = round_half_even_as<int16_t>(val(f[26]));
    p.max_az = static_cast<float>(val(f[11]));
    p.max_el = static_cast<float>(val(f[13]));
    return p;
}

}  // namespace torv
