#include "platform/clock.h"

#include <ctime>
#include <optional>

namespace platform {
namespace {
std::optional<std::time_t>& fixed_instant() {
    static std::optional<std::time_t> instant;
    return instant;
}
}  // namespace

ClockReading clock_utc_now() {
    const std::time_t now = fixed_instant() ? *fixed_instant() : std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec};
}

void clock_fix(const ClockReading& utc) {
    std::tm t{};
    t.tm_year = utc.year - 1900;
    t.tm_mon = utc.month - 1;
    t.tm_mday = utc.day;
    t.tm_hour = utc.hour;
    t.tm_min = utc.minute;
    t.tm_sec = utc.second;
    fixed_instant() = timegm(&t);
}

void clock_release() { fixed_instant().reset(); }

}  // namespace platform
