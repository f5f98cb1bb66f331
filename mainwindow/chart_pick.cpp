#include "mainwindow/chart_pick.h"

#include "common/number_text.h"

namespace torv {

namespace {
constexpr double kTwipsPerMinute = (kChartClickRight - kChartClickLeft) / 1440;
constexpr double kHalfDayMinutes = 720;

std::string days_ahead(int n) { return format_number(n, "#0") + "日後"; }
}  // namespace

std::string chart_day_tip(bool left_half, int16_t day_offset, int16_t chart_shift, bool same_day) {
    const bool shifted = chart_shift == 1;
    if (day_offset > 0) return days_ahead(day_offset + (shifted && !left_half ? 1 : 0));
    if (!shifted) return "本日";
    if (same_day) return left_half ? "本日" : "翌日";
    return left_half ? "前日" : "本日";
}

std::optional<int16_t> picked_minute_offset(double x, double now_min, int16_t chart_shift) {
    if (x < kChartClickLeft || x > kChartClickRight) return std::nullopt;
    const double m = (x - kChartClickLeft) / kTwipsPerMinute;
    return static_cast<int16_t>(round_half_even(m - now_min + (chart_shift == 1 ? kHalfDayMinutes : 0)));
}

}  // namespace torv
