#include "mainwindow/alerts.h"

namespace torv {

namespace {
// Past this offset the look five minutes ahead would leave the chart.
constexpr int kLastWarnedOffset = kChartMinutes - 6;  // 1434
}  // namespace

HorizonCrossing check_aos_los(double e, double& prev_el) {
    const double p = prev_el;
    prev_el = e;
    if (e >= 0 && !(p > 0)) return HorizonCrossing::Rise;
    if (e < 0 && p > 0) return HorizonCrossing::Set;
    return HorizonCrossing::None;
}

LampStep visibility_lamp_step(int16_t eisei_blink, double e, int16_t& blink_phase) {
    if (eisei_blink == 0) return LampStep::AllDark;
    if (e < 0) {
        blink_phase = 0;
        return LampStep::Dark;
    }
    if (eisei_blink == 2) return LampStep::Lit;
    const bool lit = blink_phase == 0;
    blink_phase = lit ? 1 : 0;
    return lit ? LampStep::Lit : LampStep::Dark;
}

int warning_offset(DateTime display_time, int16_t chart_shift) {
    const DateParts t = split_datetime(display_time);
    if (chart_shift == 0) return 60 * t.hour + t.minute;
    return 60 * (t.hour < 12 ? t.hour + 12 : t.hour - 12) + t.minute;
}

int five_minute_warning(const TimelineTable& table, int d, std::array<int16_t, kWarnedSlots>& warned) {
    int sounds = 0;
    for (int s = 0; s < kWarnedSlots; ++s) {
        const TimelineRow& row = table.row(s);
        int16_t& w = warned[static_cast<size_t>(s)];
        if (row.timeline_el[d] >= 0 || d > kLastWarnedOffset) {
            w = 0;
        } else if (row.timeline_el[d + 5] >= 0) {
            if (w == 0) {
                w = 1;
                ++sounds;
            }
        } else {
            w = 0;
        }
    }
    return sounds;
}

}  // namespace torv
