#include "platform/clock.h"

#include <ctime>
#include <optional>

namespace platform {
namespace {
std::optional<ClockReading>& fixed_reading() {
    static std::optional<ClockReading> reading;
    return reading;
}
}  // namespace

ClockReading clock_now() {
    if (fixed_reading()) return *fixed_reading();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

void clock_fix(const ClockReading& reading) { fixed_reading() = reading; }
void clock_release() { fixed_reading().reset(); }

}  // namespace platform
