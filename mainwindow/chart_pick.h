#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The 24-hour chart under the mouse: which day the pointed part shows, and the minute
// offset a click sets so that the display follows the clicked minute.
namespace torv {

constexpr double kChartClickLeft = 960, kChartClickRight = 6000;  // twips of the chart's two ends
constexpr double kChartMiddle = 3480;                              // where its halves meet

// The tip for the left or right half: "本日", "翌日", "前日" or n followed by "日後". On
// the shifted chart same_day says whether the display's day of the month is still
// the day the shift was switched on.
std::string chart_day_tip(bool left_half, int16_t day_offset, int16_t chart_shift, bool same_day);

// The minute offset for a click at x twips when the clock stands now_min minutes
// (with their fraction) after local midnight; none outside the chart.
std::optional<int16_t> picked_minute_offset(double x, double now_min, int16_t chart_shift);

inline const char* const kAccelNoPickMessage = "加速処理中の為、時間変更できません";
inline const char* const kPickedTimeTip = "時間変更時点の軌道を計算する";

}  // namespace torv
