// The 24-hour chart under the mouse: the day tool tips of the chart and of the hour
// scale above it, and the click that moves the shown time to the clicked minute.
#include <cmath>

#include "mainwindow/chart_pick.h"
#include "mainwindow/main_window.h"
#include "mainwindow/map_geometry.h"
#include "platform/msg_box.h"
#include "platform/text.h"
#include "platform/twips.h"

namespace torv {

namespace {

std::string day_tip(const TimeState& t, const ChartFlags& c, bool left_half) {
    const bool same_day = split_datetime(t.display_time).day == c.chart_shift_day;
    return chart_day_tip(left_half, t.time_day_offset, c.chart_shift, same_day);
}

}  // namespace

void MainWindow::Label18_MouseMove(double x) {
    const double half = platform::px_to_twips(Label18.width()) / 2.0;
    Label18.setToolTip(platform::qs(day_tip(l_.time, l_.chart, x <= half)));
}

void MainWindow::Picture3_MouseMove(double x) {
    if (l_.time.time_minute_offset_on == 1) return;
    Picture3.setToolTip(platform::qs(day_tip(l_.time, l_.chart, x <= kChartMiddle)));
}

void MainWindow::Picture3_MouseDown(double x) {
    // While the schedule window is open, passes reach it from the pass list instead.
    if (l_.schedule.sched_window_open == 1) return;
    chart_click_x = static_cast<float>(x);
    set_display_time();
}

void MainWindow::set_display_time() {
    TimeState& t = l_.time;
    if (t.time_accel_steps > 0) {
        platform::msg_box(kAccelNoPickMessage);
        return;
    }
    const DateTime clock = clock_local_now(t);
    const double now_min = (clock - std::floor(clock)) * 1440;
    const std::optional<int16_t> offset = picked_minute_offset(chart_click_x, now_min, l_.chart.chart_shift);
    if (!offset) return;
    t.time_minute_offset_on = 1;
    t.time_minute_offset = *offset;
    Command4.setBackColor(color_value(l_.settings.backcolor));
    Picture3.setToolTip(QString::fromUtf8(kPickedTimeTip));
    t.calc_time = simulated_local_time(t, clock);
    Label21.setCaption(platform::qs(general_date_text(t.calc_time)));
    t.display_time = t.calc_time;
    pass_chart().mark_picked_time(chart_click_x);
    place_real_time_marker();
}

}  // namespace torv
