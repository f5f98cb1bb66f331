#include "orbit/week_passes.h"

#include <cstdio>

#include "common/number_text.h"
#include "orbit/geodesy.h"

namespace torv {

namespace {

constexpr size_t kNameChars = 7;

// The first n characters of a UTF-8 text.
std::string first_chars(const std::string& text, size_t n) {
    size_t chars = 0, i = 0;
    for (; i < text.size(); ++i) {
        const bool lead = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (lead && chars++ == n) break;
    }
    return text.substr(0, i);
}

std::string minute_text(int i) { return format_number(i / 60, "00") + ":" + format_number(i % 60, "00"); }
std::string degrees(double rad, const char* pattern) { return format_number(rad_to_deg(rad), pattern); }
std::string phase(double mean_anomaly) { return format_number(mean_anomaly * 256.0 / 360.0, "000.0"); }

}  // namespace

std::vector<WeekPass> find_week_passes(const WeekDayRow& row) {
    std::vector<WeekPass> passes;
    WeekPass p;
    bool in_pass = false;
    for (int a = 1; a <= kDayMinutes; ++a) {
        if (row.week_visible[a] == 1.0) {
            if (!in_pass) {
                p = WeekPass{a, a, 0};
                in_pass = true;
            } else if (a != kDayMinutes && row.week_el[p.max] <= row.week_el[a]) {
                p.max = a;
            }
            if (a == kDayMinutes) {
                p.los = a;
                passes.push_back(p);
            }
        } else if (in_pass) {
            // The set is the last visible minute, also when the first invisible one is
            // the day's last: a pass that set at 23:59 does not end at 24:00.
            p.los = a - 1;
            passes.push_back(p);
            in_pass = false;
        }
    }
    return passes;
}

std::string week_pass_line(const std::string& name, DateTime day, const WeekDayRow& row, const WeekPass& pass) {
    const auto& az = row.week_az;
    const auto& ma = row.week_mean_anomaly;
    std::string line = first_chars(name + "       ", kNameChars) + short_date_text(day);
    line += "  " + minute_text(pass.aos) + "  " + degrees(az[pass.aos], "000.0") + "  " + phase(ma[pass.aos]);
    line += "     " + minute_text(pass.max) + "  " + degrees(az[pass.max], "000.0") + "  " +
            degrees(row.week_el[pass.max], "00.0") + "  " + phase(ma[pass.max]);
    line += "     " + minute_text(pass.los) + "  " + degrees(az[pass.los], "000.0") + "  " + phase(ma[pass.los]);
    line += "  " + format_number(pass.los - pass.aos + 1, "000");
    return line;
}

std::vector<std::string> week_day_lines(const std::string& name, DateTime day, const WeekDayRow& row) {
    std::vector<std::string> lines;
    for (const WeekPass& p : find_week_passes(row)) lines.push_back(week_pass_line(name, day, row, p));
    return lines;
}

std::string short_date_text(DateTime day) {
    const DateParts p = split_datetime(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", p.year, p.month, p.day);
    return text;
}

std::string week_date_label(DateTime day) { return short_date_text(day).substr(2); }

}  // namespace torv
