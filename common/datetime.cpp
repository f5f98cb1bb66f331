#include "common/datetime.h"

#include <cmath>
#include <cstdio>

namespace torv {

namespace {
constexpr int64_t kMsPerDay = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t days_from_civil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civil_from_days(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const int64_t kEpochDays = days_from_civil(1899, 12, 30);
}  // namespace

DateTime date_serial(int year, int month, int day) {
    // Normalise the month first, then let the day run over.
    int64_t y = year + (month - 1) / 12;
    int64_t m = (month - 1) % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    return static_cast<double>(days_from_civil(y, m + 1, 1) - kEpochDays + (day - 1));
}

DateTime time_serial(int hour, int minute, int second) {
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

DateTime make_datetime(const DateParts& p) {
    return date_serial(p.year, p.month, p.day) + time_serial(p.hour, p.minute, p.second);
}

int64_t to_milliseconds(DateTime t) { return std::llround(t * kMsPerDay); }
DateTime from_milliseconds(int64_t ms) { return static_cast<double>(ms) / kMsPerDay; }

DateParts split_datetime(DateTime t) {
    int64_t s = std::llround(t * 86400.0);
    int64_t days = s >= 0 ? s / 86400 : -((-s + 86399) / 86400);
    int64_t secs = s - days * 86400;
    DateParts p;
    civil_from_days(days + kEpochDays, p.year, p.month, p.day);
    p.hour = static_cast<int>(secs / 3600);
    p.minute = static_cast<int>(secs / 60 % 60);
    p.second = static_cast<int>(secs % 60);
    return p;
}

int weekday(DateTime t) {
    int64_t days = static_cast<int64_t>(std::floor(t + 0.5 / 86400.0));
    // 30 December 1899 was a Saturday (7).
    int64_t w = ((days % 7) + 7 + 6) % 7;
    return static_cast<int>(w) + 1;
}

DateTime add_seconds(DateTime t, double seconds) {
    return from_milliseconds(to_milliseconds(t) + std::llround(seconds * 1000.0));
}
DateTime add_minutes(DateTime t, double minutes) { return add_seconds(t, minutes * 60.0); }
DateTime add_hours(DateTime t, double hours) { return add_seconds(t, hours * 3600.0); }
DateTime add_days(DateTime t, double days) { return add_seconds(t, days * 86400.0); }

std::string general_date_text(DateTime t) {
    const DateParts p = split_datetime(t);
    char date[16], time[16];
    std::snprintf(date, sizeof date, "%04d/%02d/%02d", p.year, p.month, p.day);
    std::snprintf(time, sizeof time, "%d:%02d:%02d", p.hour, p.minute, p.second);
    const bool midnight = p.hour == 0 && p.minute == 0 && p.second == 0;
    const bool day_zero = p.year == 1899 && p.month == 12 && p.day == 30;
    if (day_zero) return time;
    if (midnight) return date;
    return std::string(date) + " " + time;
}

}  // namespace torv
