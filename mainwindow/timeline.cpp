#include "mainwindow/timeline.h"

#include <cmath>

#include "orbit/geodesy.h"
#include "orbit/squint.h"

namespace torv {

int timeline_row_of(const std::array<std::string, kChartSlots>& slot_captions, const std::string& name) {
    for (int s = 0; s < kChartSlots; ++s)
        if (slot_captions[static_cast<size_t>(s)] == name) return s;
    return 0;
}

DateTime chart_start_local(const TimeState& time, DateTime clock_local, int16_t chart_shift) {
    TimeState t = time;  // the steps move calc_time; the shared one stays as it is
    t.calc_time = clock_local;
    step_time_days(t);
    step_time_accel(t);
    step_time_minutes(t);
    return std::floor(t.calc_time) + (chart_shift == 1 ? 0.5 : 0.0);
}

void clear_timeline_row(TimelineRow& row) {
    for (int m = 1; m <= kChartMinutes; ++m) {
        row.timeline_visible[m] = 0;
        row.timeline_az[m] = row.timeline_el[m] = row.timeline_phase[m] = 0;
        row.timeline_squint[m] = -1;
    }
}

void compute_timeline_row(const WeekSubject& s, DateTime chart_start_utc, TimelineRow& row) {
    clear_timeline_row(row);
    if (!s.usable) return;
    const Ao40Marks& ao40 = s.ao40;
    for (int m = 1; m <= kChartMinutes; ++m) {
        const SatPosition p = propagate(s.orbit, s.own, datetime_to_mjd(add_minutes(chart_start_utc, m - 1)));
        if (!p.ok) continue;
        row.timeline_az[m] = p.view.az;
        row.timeline_el[m] = p.view.el;
        row.timeline_phase[m] = lower_below_360(p.mean_anomaly);
        if (ao40.squint_usable) row.timeline_squint[m] = squint_deg(ao40.alat, ao40.alon, p.true_anomaly);
        row.timeline_visible[m] = p.view.el >= 0 ? 1 : 0;
    }
}

WeekCell timeline_cell(const TimelineRow& row, int m, const Ao40Marks& marks) {
    if (row.timeline_visible[m] != 1) return WeekCell{};
    return visible_minute_cell(marks, row.timeline_squint[m], row.timeline_phase[m]);
}

}  // namespace torv
