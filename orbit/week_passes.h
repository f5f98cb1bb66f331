#pragma once
#include <string>
#include <vector>

#include "common/datetime.h"
#include "orbit/week_table.h"

// The passes of one computed day and their text lines in the week pass tables.
namespace torv {

// One pass within a day, as minute indexes (1..1440): its first visible minute, its
// highest minute (the later one of equal elevations) and its last visible minute.
struct WeekPass {
    int aos = 0, max = 0, los = 0;
};

// The day's passes in order. A pass still visible at minute 1440 ends there (the next
// day opens a new one at its minute 1); minute 1440 closes a pass without entering the
// comparison for its maximum, unless the pass is that minute alone.
std::vector<WeekPass> find_week_passes(const WeekDayRow& row);

// The text line of a pass: name (7 characters), date, then time, azimuth and phase of
// the rise, time, azimuth, elevation and phase of the maximum, time, azimuth and phase
// of the set, and the minutes visible. A minute index i prints as i div 60 : i mod 60.
std::string week_pass_line(const std::string& name, DateTime day, const WeekDayRow& row, const WeekPass& pass);

// All lines of a day, in order.
std::vector<std::string> week_day_lines(const std::string& name, DateTime day, const WeekDayRow& row);

// The separator after each day: 99 "-" in the own station's table, 79 in the two-station table.
constexpr int kWeekSeparatorLength = 99;
constexpr int kTwoStationSeparatorLength = 79;
inline std::string week_separator(int length) { return std::string(static_cast<size_t>(length), '-'); }

// "2004/05/01"; the graph's row label takes it from the third character on: "04/05/01".
std::string short_date_text(DateTime day);
std::string week_date_label(DateTime day);

// The headings above the list (also printed).
inline const char* const kWeekHeadingTop =
    "　　　　　　　　　------AOS----- 　    ------EL MAX------     　------LOS-----";
inline const char* const kWeekHeadingColumns =
    "衛星名　　　　日付　　　時間　　方位　　ＭＡ　　　　時間　　方位 　仰角　ＭＡ　   　 時間 　 方位　 ＭＡ 　可視時間";

}  // namespace torv
