// Satellite groups and selection, the frequency ranges of the selected satellite, the
// time controls and the day and night band of the 24-hour chart.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "common/number_text.h"
#include "common/settings_store.h"
#include "mainwindow/main_window.h"
#include "orbit/time_base.h"
#include "platform/msg_box.h"
#include "platform/text.h"
#include "platform/twips.h"

namespace torv {

using platform::qs;

namespace {

// One more, held at the top of the 16-bit range instead of wrapping to negative.
void count_up(int16_t& counter) {
    if (counter < std::numeric_limits<int16_t>::max()) ++counter;
}
}  // namespace

// ---- groups and selection -------------------------------------------------------------

void MainWindow::load_sat_groups() {
    torv::load_sat_groups(l_.groups, torv_ini());
    Frame1.setCaption(qs(group_caption(l_.groups.group_current)));
    show_group_labels();
}

void MainWindow::show_group_labels() {
    const std::array<std::string, kSlots> names = l_.groups.shown();
    for (int k = 0; k < kSlots; ++k) {
        slot_labels()[k]->shrink_to_fit = true;  // names longer than the slot, in a smaller size
        slot_labels()[k]->setCaption(qs(names[k]));
    }
    l_.seam.zoom_slot_labels(names);
    load_sat_info(l_.tips, names);
}

void MainWindow::Command3_Click() { change_group(-1); }

void MainWindow::Command5_Click() { change_group(+1); }

void MainWindow::change_group(int step) {
    full_chart_refresh();
    step_group(l_.groups, step);
    Frame1.setCaption(qs(group_caption(l_.groups.group_current)));
    Picture3.Cls();
    draw_sun_band();
    show_group_labels();
    // A satellite of the new group that is already up counts as rising at the next redraw.
    l_.view.slot_prev_el.fill(0);
    sat_state_reset();
    l_.view.effect_sound_on = static_cast<int16_t>(Check1.value());
    l_.view.music_start_request = static_cast<int16_t>(Check2.value());
    load_sat_freq_range();
}

void MainWindow::select_slot(int k) {
    l_.groups.selected_sat = slot_labels()[k - 1]->caption().toStdString();
    l_.groups.group_slot = static_cast<int16_t>(k);
    Picture4.Cls();
    l_.view.future_orbits = 0;
    l_.chart.pass_list_rebuild = 1;
    load_sat_freq_range();
    l_.seam.ft847_form_load();
}

void MainWindow::sat_state_reset() { torv::sat_state_reset(l_.view); }

void MainWindow::load_sat_freq_range() {
    const FreqRangeLabels labels = load_freq_range(read_sat_freq_range(l_.groups.selected_sat, torv_ini()), l_.current_sat);
    Label56.setCaption(qs(labels.label56));
    Label57.setCaption(qs(labels.label57));
    Label58.setCaption(qs(labels.label58));
    Label59.setCaption(qs(labels.label59));
}

// ---- time controls ----------------------------------------------------------------------

void MainWindow::set_time_button_colors(platform::CommandButton* yellow,
                                   std::initializer_list<platform::CommandButton*> back) {
    yellow->setBackColor(kYellow);
    for (platform::CommandButton* b : back) b->setBackColor(std::llround(l_.settings.backcolor));
}

void MainWindow::Command1_Click() { count_up(l_.view.future_orbits); }

void MainWindow::Command10_Click() {
    count_up(l_.time.time_day_offset);
    full_chart_refresh();
    set_time_button_colors(&Command10, {&Command4, &Command20});
}

void MainWindow::Command20_Click() {
    if (l_.time.time_day_offset <= 0) {
        platform::msg_box(std::string(kTodayReachedMessage));
        Command4_Click();
        return;
    }
    --l_.time.time_day_offset;
    if (l_.time.time_day_offset == 0) {
        Command4_Click();
        return;
    }
    full_chart_refresh();
    set_time_button_colors(&Command20, {&Command4, &Command10});
}

void MainWindow::Command13_Click() {
    count_up(l_.time.time_accel_steps);
    Timer2.setInterval(3000);
    full_chart_refresh();
    set_time_button_colors(&Command13, {&Command4});
    Command13.setCaption(qs(l_.settings.kasoku_ritu) + QString::fromUtf8("分加速処理"));
}

void MainWindow::Command4_Click() {
    TimeState& t = l_.time;
    t.calc_time = clock_local_now(t);
    t.display_time = t.calc_time;
    t.calc_time = local_to_utc(t, t.calc_time);
    t.time_day_offset = t.time_half_days = t.time_accel_steps = 0;
    Timer2.setInterval(15000);
    full_chart_refresh();
    set_time_button_colors(&Command4, {&Command10, &Command13, &Command20});
    for (platform::PictureBox* p : {&Picture1, &Picture2, &Picture4}) p->Cls();
    l_.seam.clear_map_windows();
    l_.view.future_orbits = 0;
    t.time_minute_offset_on = 0;
    Line12.hide();
}

void MainWindow::Command14_Click() {
    full_chart_refresh();
    ChartFlags& c = l_.chart;
    if (c.chart_shift == 1) {
        Label18.setCaption(qs(hour_scale_text(false)));
        c.chart_shift = 0;
        Command14.setCaption(QString::fromUtf8("シフト→"));
    } else {
        Label18.setCaption(qs(hour_scale_text(true)));
        c.chart_shift = 1;
        Command14.setCaption(QString::fromUtf8("シフト←"));
        c.chart_shift_day = static_cast<int16_t>(split_datetime(l_.time.display_time).day);
    }
    DateTime when = clock_local_now(l_.time);
    sun_daylight_table(when, c.chart_shift, l_.time.time_diff, l_.station, l_.view.daylight_table);
    draw_sun_band();
}

// ---- day and night band -------------------------------------------------------------------

void MainWindow::draw_sun_band() {
    const double height = Picture3.scaleHeight();
    const platform::ColorValue night = static_cast<platform::ColorValue>(val(l_.settings.yoru_color));
    const platform::ColorValue day = static_cast<platform::ColorValue>(val(l_.settings.hiru_color));
    Picture3.Box(kChartLeft, 0, kChartRight, height, night, true);
    for (int i = 0; i <= kDaylightMinutes; ++i)
        if (l_.view.daylight_table[i] == 1.0f)
            Picture3.Box(kChartLeft + kChartMinuteWidth * i, 0, kChartLeft + kChartMinuteWidth * (i + 1), height, day, true);
}

}  // namespace torv
