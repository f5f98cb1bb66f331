#include "mainwindow/pass_chart.h"

#include <cmath>

#include "common/number_text.h"
#include "common/sound_music.h"
#include "platform/paths.h"
#include "platform/twips.h"
#include "platform/text.h"

namespace torv {

namespace {

constexpr platform::ColorValue kWhite = 16777215;
constexpr double kRowPitch = 455, kBarTop = 170, kBarBottom = 290, kLowerHalfTop = 230;
constexpr double kThreeHours = 3 * kChartHourWidth;

platform::ColorValue colour(double c) { return static_cast<platform::ColorValue>(std::llround(c)); }

}  // namespace

PassChart::PassChart(OrbitContext& orbit, ChartFlags& chart, const MainSettings& settings, MainViewState& view,
                     PassChartControls controls)
    : orbit_(orbit), chart_(chart), settings_(settings), view_(view), c_(std::move(controls)) {}

double PassChart::line_height() const { return platform::px_to_twips(c_.Picture3->height()); }

ChartTime PassChart::chart_time() const {
    const TimeState& t = orbit_.time;
    return {t.time_day_offset, t.time_accel_steps, t.time_minute_offset_on, chart_.chart_shift, chart_.chart_shift_day};
}

// ---- rows --------------------------------------------------------------------------------

void PassChart::update_pass_timeline(std::string& name) {
    if (chart_.pass_list_rebuild == 1) {
        build_pass_list(orbit_.selected_sat);
        chart_.pass_list_rebuild = 0;
    }
    if (chart_.chart_refreshed == 1 || name.empty()) return;
    if (chart_.chart_recompute == 0) {
        redraw_timeline_row(name);
        return;
    }
    recompute_timeline_row(name);
    // Every recomputed row rebuilds the list; the last one of a refresh sees all rows.
    build_pass_list(orbit_.selected_sat);
    chart_.pass_list_rebuild = 0;
    chart_.pass_list_built = 1;
}

Ao40Marks PassChart::ao40_marks_of(const std::string& name) const {
    return ao40_marks(name, view_.ao40_attitude_fetched, view_.ao40_attitude_error, view_.ao40_alat, view_.ao40_alon,
                      settings_.ao40_sqa_value, settings_.ao40.start, settings_.ao40.end);
}

void PassChart::recompute_timeline_row(const std::string& name) {
    if (name == kAo40Name && settings_.alat_alon_disp == 1 && view_.ao40_attitude_fetched == 0 &&
        view_.ao40_attitude_error == 0 && c_.ao40_attitude_fetch)
        c_.ao40_attitude_fetch();
    const TimeState& t = orbit_.time;
    const DateTime start = chart_start_local(t, clock_local_now(t), chart_.chart_shift);
    WeekSubject subject = week_subject(orbit_.elements, orbit_.corrections, name, orbit_.station);
    subject.ao40 = ao40_marks_of(subject.name);
    const int r = timeline_row_of(c_.slot_captions(), name);
    compute_timeline_row(subject, local_to_utc(t, start), chart_.timeline.row(r));
    redraw_timeline_row(name);
}

void PassChart::draw_cells(int r, int first, int last, platform::ColorValue c, bool lower_half) {
    const double top = kRowPitch * r + (lower_half ? kLowerHalfTop : kBarTop), bottom = kRowPitch * r + kBarBottom;
    c_.Picture3->Box(kChartLeft + kChartMinuteWidth * (first - 1), top, kChartLeft + kChartMinuteWidth * last, bottom,
                     c, true);
}

void PassChart::redraw_timeline_row(const std::string& name) {
    const int r = timeline_row_of(c_.slot_captions(), name);
    const TimelineRow& row = chart_.timeline.row(r);
    const Ao40Marks marks = ao40_marks_of(name);
    // Runs of minutes of one look are painted as one box each.
    const auto cell_colour = [&](const WeekCell& cell) {
        switch (cell.colour) {
            case WeekCellColour::Below: return colour(settings_.grp_bk_color);
            case WeekCellColour::Visible: return colour(settings_.grp_for_color);
            case WeekCellColour::SquintGood: return colour(settings_.ao40_sqa_color);
        }
        return colour(settings_.grp_bk_color);
    };
    draw_cells(r, 1, kChartMinutes, colour(settings_.grp_bk_color), false);
    for (int m = 1; m <= kChartMinutes;) {
        const WeekCell cell = timeline_cell(row, m, marks);
        int last = m;
        while (last < kChartMinutes) {
            const WeekCell next = timeline_cell(row, last + 1, marks);
            if (next.colour != cell.colour || next.transponder_on != cell.transponder_on) break;
            ++last;
        }
        if (cell.colour != WeekCellColour::Below) draw_cells(r, m, last, cell_colour(cell), false);
        if (cell.transponder_on) draw_cells(r, m, last, colour(settings_.ao40_ma_color), true);
        m = last + 1;
    }
}

// ---- pass list ---------------------------------------------------------------------------

void PassChart::build_pass_list(const std::string& name) {
    const std::array<std::string, kChartSlots> captions = c_.slot_captions();
    // A satellite no slot shows has no row of its own: its list stays empty rather than
    // showing another satellite's passes.
    const bool shown = std::find(captions.begin(), captions.end(), name) != captions.end();
    pass_rows_ = shown ? build_pass_rows(chart_.timeline.row(timeline_row_of(captions, name)), chart_.chart_shift)
                       : std::vector<PassRow>{};
    platform::ListBox& list = *c_.List1;
    list.Clear();
    for (const PassRow& row : pass_rows_) list.AddItem(platform::qs(row.text));
    select_current_pass_row();
}

void PassChart::select_current_pass_row() {
    const std::optional<int> d =
        pass_list_offset(orbit_.time.display_time, chart_.chart_shift, chart_.chart_shift_day);
    c_.List1->setListIndex(current_pass_row(pass_rows_, d));
}

// ---- chart tick --------------------------------------------------------------------------

void PassChart::draw_grid_lines() {
    const double h = c_.Picture3->scaleHeight();
    for (int a = 1; a <= 7; ++a) c_.Picture3->Line(kChartLeft + kThreeHours * a, 0, kChartLeft + kThreeHours * a, h, kWhite);
    for (int i = 0; i < kOneHourLines; ++i) {
        platform::LineControl* line = c_.Line13[static_cast<size_t>(i)];
        if (settings_.jikan_disp != 1) {
            line->hide();
            continue;
        }
        const int x = static_cast<int>(std::lround(kChartLeft + kChartHourWidth * kOneHourLineHours[i]));
        line->setPoints(x, 0, x, static_cast<int>(line_height()));
        line->setBorderColor(colour(settings_.jikan1_line_color));
        line->show();
    }
}

void PassChart::take_marker_time() {
    TimeState& t = orbit_.time;
    const ChartTime ct = chart_time();
    DateTime when = t.display_time;
    if (!marker_time_simulated(ct)) {
        c_.Line12->hide();
        when = t.display_time = clock_local_now(t);
    }
    marker_ = display_marker(ct, when, t.display_time);
    platform::PictureBox& bar = *c_.Picture5;
    bar.Cls();
    const double half = kHalfDayBarWidth / 2, h = platform::px_to_twips(bar.height());
    const auto part = [&](bool today) { return colour(today ? settings_.toujitu_color : settings_.toujitugai_color); };
    bar.Box(0, 0, half, h, part(marker_.left_today), true);
    bar.Box(half, 0, kHalfDayBarWidth, h, part(marker_.right_today), true);
    c_.Line10->setVisible(marker_.visible);
}

void PassChart::move_markers() {
    const int x = static_cast<int>(std::lround(marker_.x));
    c_.Line10->setPoints(x, 0, x, static_cast<int>(line_height()));
    marker_prev_x_ = marker_.x;
    place_real_time_marker();
}

void PassChart::place_real_time_marker() {
    const RealTimeMarker m = real_time_marker(chart_time(), clock_local_now(orbit_.time));
    const int x = static_cast<int>(std::lround(m.x));
    c_.Line12->setPoints(x, 0, x, static_cast<int>(line_height()));
    c_.Line12->setVisible(m.visible);
}

void PassChart::mark_picked_time(double x) {
    const int at = static_cast<int>(std::lround(x));
    c_.Line10->setPoints(at, 0, at, static_cast<int>(line_height()));
    c_.Line10->setVisible(true);
}

void PassChart::check_five_minute_warning() {
    if (!c_.five_minute_ticked || !c_.five_minute_ticked()) return;
    const int d = warning_offset(orbit_.time.display_time, chart_.chart_shift);
    // Slots warned in the same minute cut each other's sound off: one is heard.
    if (five_minute_warning(chart_.timeline, d, five_min_warned_) > 0)
        play_sound_file(platform::program_file("sound5.wav"));
}

}  // namespace torv
