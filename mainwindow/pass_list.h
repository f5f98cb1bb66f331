#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/datetime.h"
#include "mainwindow/timeline.h"

// The pass list under the 24-hour chart: one row per pass of the selected satellite
// within the chart's 24 hours, with its rise (AOS), highest point (MAX) and set (LOS).
// The schedule reads a row by splitting its text at single blanks (fields 0 AOS time,
// 2 and 4 its azimuth and phase, 9 MAX time, 11 azimuth, 13 elevation, 15 phase, 20 LOS
// time, 22 and 24 its azimuth and phase, 26 the minutes visible), so the text is an
// interface.
namespace torv {

struct PassRow {
    std::string text;
    int pass_row_aos = 0;  // chart minute offsets of the rise and the set
    int pass_row_los = 0;
};

// A row as the schedule takes it: the rise and set hours and minutes (two-digit texts),
// the minutes visible, the azimuth at the highest point and the elevation there.
struct PassPick {
    std::string start_hour, start_minute, end_hour, end_minute;
    int16_t minutes = 0;
    float max_az = 0;
    float max_el = 0;
};
PassPick pick_pass(const std::string& row_text);

// The clock time of a chart minute offset: "HH:MM", the hour wrapping at 24.
std::string chart_time_text(int offset, int16_t chart_shift);

// Every pass of the row, in order; as many as the day holds.
std::vector<PassRow> build_pass_rows(const TimelineRow& row, int16_t chart_shift);

// The chart minute offset of the display time for the current-row selection; none
// before the chart's start (a morning on the day the shift was switched on).
std::optional<int> pass_list_offset(DateTime display_time, int16_t chart_shift, int16_t chart_shift_day);

// The index of the row whose pass is in progress at the offset (AOS <= d < LOS), or -1.
int current_pass_row(const std::vector<PassRow>& rows, std::optional<int> offset);

// The heading above the list.
inline const char* const kPassListHeading =
    "　時間　　方位　　ＭＡ　　　時間　　方位 　仰角　ＭＡ　   　 時間 　 方位　 ＭＡ 　可視時間";

}  // namespace torv
