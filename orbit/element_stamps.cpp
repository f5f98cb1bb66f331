#include "orbit/element_stamps.h"

#include <cstdio>

#include "common/number_text.h"
#include "orbit/time_base.h"

namespace torv {

namespace {

constexpr int kStaleDays = 10;
constexpr double kStampLeadHours = 48;

bool all_digits(const std::string& s, size_t pos, size_t n) {
    if (pos + n > s.size()) return false;
    for (size_t i = pos; i < pos + n; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

int number_at(const std::string& s, size_t pos, size_t n) {
    return pos < s.size() ? whole_part_as<int>(val(s.substr(pos, n))) : 0;
}

double mjd_of(int year, int month, int day) {
    int16_t y = round_half_even_as<int16_t>(year), m = round_half_even_as<int16_t>(month),
            d = round_half_even_as<int16_t>(day);
    double mjd = 0;
    date_to_mjd(y, m, d, mjd);
    return mjd;
}

}  // namespace

std::string stamp_text(const platform::ClockReading& now) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", now.year, now.month, now.day, now.hour, now.minute,
                  now.second);
    return buf;
}

std::optional<DateTime> parse_stamp(const std::string& s) {
    // "yyyy/mm/dd hh:mm:ss"
    if (s.size() != 19 || s[4] != '/' || s[7] != '/' || s[10] != ' ' || s[13] != ':' || s[16] != ':') return std::nullopt;
    for (size_t pos : {0, 5, 8, 11, 14, 17})
        if (!all_digits(s, pos, pos == 0 ? 4 : 2)) return std::nullopt;
    DateParts p{number_at(s, 0, 4), number_at(s, 5, 2), number_at(s, 8, 2),
                number_at(s, 11, 2), number_at(s, 14, 2), number_at(s, 17, 2)};
    if (p.year < 1 || p.month < 1 || p.month > 12 || p.day < 1 || p.hour > 23 || p.minute > 59 || p.second > 59)
        return std::nullopt;
    // A day past the month's end (2月30日) is no date.
    if (split_datetime(date_serial(p.year, p.month, p.day)).day != p.day) return std::nullopt;
    return make_datetime(p);
}

bool usable_stamp(const std::string& yymmdd, const platform::ClockReading& now) {
    if (yymmdd == kAbsentStampMain || yymmdd == kAbsentStampWindow) return true;
    const std::optional<DateTime> stamp = parse_stamp(yymmdd);
    const DateParts local{now.year, now.month, now.day, now.hour, now.minute, now.second};
    return stamp && *stamp <= add_hours(make_datetime(local), kStampLeadHours);
}

std::string element_date_caption(const ElementUpdateState& state) {
    return state.kidoukousin_yymmdd + "  ORB" + state.kidoukousin_orbit;
}

std::string element_date_tooltip(const std::string& elm_auto_sw) {
    if (elm_auto_sw == "0" || elm_auto_sw == "1") return "クリックすると軌道要素更新へ移動";
    if (elm_auto_sw == "2") return "torv_solid.elmの軌道要素ファイルを参照中";
    return {};
}

int16_t elements_stale_flag(const std::string& yymmdd, const platform::ClockReading& today) {
    const int year = number_at(yymmdd, 0, 4);
    if (year < -999 || year > 9999) return 1;  // a damaged stamp is no date: as old as a missing one
    const double now = mjd_of(today.year, today.month, today.day);
    const double stamp = mjd_of(year, number_at(yymmdd, 5, 2), number_at(yymmdd, 8, 2));
    return now - stamp >= kStaleDays ? 1 : 0;
}

void take_stamp_from_line1(ElementUpdateState& state, const std::string& line1, const platform::ClockReading& now) {
    state.kidoukousin_orbit = line1.size() > 18 ? line1.substr(18, 5) : std::string();
    state.kidoukousin_yymmdd = stamp_text(now);
}

}  // namespace torv
