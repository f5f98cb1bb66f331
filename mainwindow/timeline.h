#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/datetime.h"
#include "orbit/time_base.h"
#include "orbit/week_table.h"

// The 24-hour chart's minute tables: for each display slot, where its satellite stands
// in every minute of the chart. The chart rows, the pass list, the five-minute warning
// and the sky-track chart read them. Computing a row is a plain function of the
// satellite, the station and the chart start: it writes no shared result, no live label
// and no published item, whatever instants it computes.
namespace torv {

constexpr int kChartSlots = 7;
constexpr int kChartMinutes = 1440;  // minute indexes 1..1440; index 0 holds no minute

// One slot's row. Index m (1..1440) holds the satellite at chart start + (m - 1)
// minutes; index 0 is never written and never cleared.
struct TimelineRow {
    std::array<int16_t, kChartMinutes + 1> timeline_visible{};  // 1: elevation >= 0
    std::array<double, kChartMinutes + 1> timeline_az{};        // radians, 0..2 pi
    std::array<double, kChartMinutes + 1> timeline_el{};        // radians
    std::array<double, kChartMinutes + 1> timeline_phase{};     // mean anomaly, degrees 0..360
    std::array<double, kChartMinutes + 1> timeline_squint{};    // AO-40's squint, degrees; -1: none
};

// The rows of the seven slots, held for the whole run (on the heap: it is large).
struct TimelineTable {
    std::vector<TimelineRow> rows = std::vector<TimelineRow>(kChartSlots);
    const TimelineRow& row(int slot) const { return rows[static_cast<size_t>(slot)]; }
    TimelineRow& row(int slot) { return rows[static_cast<size_t>(slot)]; }
};

// The row a satellite is drawn into: the first slot whose name label shows the name,
// else row 0.
int timeline_row_of(const std::array<std::string, kChartSlots>& slot_captions, const std::string& name);

// The chart's start in local time: the date of the clock moved by the day offset, the
// acceleration and a picked minute (not by 12-hour steps), at 00:00, or at 12:00 when the
// chart is shifted. Reads the time controls only.
DateTime chart_start_local(const TimeState& time, DateTime clock_local, int16_t chart_shift);

// Resets a row: nothing visible, angles and phases 0, squint -1 (index 0 untouched).
void clear_timeline_row(TimelineRow& row);

// Computes the 1440 minutes of a row from the chart start (UTC). AO-40's squint is
// stored when its attitude is usable (subject.ao40.squint_usable). A satellite whose
// element set cannot be computed leaves the row cleared: never visible.
void compute_timeline_row(const WeekSubject& subject, DateTime chart_start_utc, TimelineRow& row);

// What minute m of a row shows on the chart: visible or not, AO-40's squint and
// transponder-on marks.
WeekCell timeline_cell(const TimelineRow& row, int m, const Ao40Marks& marks);

}  // namespace torv
