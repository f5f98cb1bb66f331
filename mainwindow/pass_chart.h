#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "mainwindow/alerts.h"
#include "mainwindow/chart_axis.h"
#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "mainwindow/pass_list.h"
#include "mainwindow/timeline.h"
#include "orbit/sat_position.h"
#include "platform/controls.h"
#include "platform/picture_box.h"

// The 24-hour pass chart of the main window: a bar per display slot over the chart's
// 1440 minutes, coloured by visibility (AO-40 also by antenna squint and transponder
// phase), its time axis with the half-day bar and the two time markers, the pass list
// of the selected satellite under it with the current pass selected, and the warning
// a few minutes before a pass.
namespace torv {

struct PassChartControls {
    platform::PictureBox* Picture3 = nullptr;  // the chart, twips
    platform::PictureBox* Picture5 = nullptr;  // the half-day bar, twips
    platform::LineControl* Line10 = nullptr;   // display-time marker
    platform::LineControl* Line12 = nullptr;   // real-time marker
    std::array<platform::LineControl*, kOneHourLines> Line13{};  // one-hour lines
    platform::ListBox* List1 = nullptr;        // pass list
    // The captions of the seven slot labels, which name each chart row.
    std::function<std::array<std::string, kChartSlots>()> slot_captions;
    std::function<bool()> five_minute_ticked;  // Check3 "5分前通知"
    // AO-40's attitude, fetched once per run when its chart row first needs it.
    std::function<void()> ao40_attitude_fetch;
};

class PassChart {
public:
    PassChart(OrbitContext& orbit, ChartFlags& chart, const MainSettings& settings, MainViewState& view,
              PassChartControls controls);

    // ---- the rows (called by the redraw for every slot) ----
    void update_pass_timeline(std::string& name);
    void redraw_timeline_row(const std::string& name);

    // ---- the pass list ----
    void build_pass_list(const std::string& name);
    void select_current_pass_row();
    const std::vector<PassRow>& pass_rows() const { return pass_rows_; }

    // ---- the chart tick ----
    void draw_grid_lines();
    void take_marker_time();
    bool marker_moves_left() const { return marker_prev_x_ > marker_.x; }
    void move_markers();
    void place_real_time_marker();
    void check_five_minute_warning();
    // The display-time marker straight through a point picked on the chart (x in twips).
    void mark_picked_time(double x);

private:
    void recompute_timeline_row(const std::string& name);
    void draw_cells(int r, int first, int last, platform::ColorValue colour, bool lower_half);
    Ao40Marks ao40_marks_of(const std::string& name) const;
    ChartTime chart_time() const;
    double line_height() const;  // the line controls' length: the picture's height in twips

    OrbitContext& orbit_;
    ChartFlags& chart_;
    const MainSettings& settings_;
    MainViewState& view_;
    PassChartControls c_;
    std::vector<PassRow> pass_rows_;
    std::array<int16_t, kWarnedSlots> five_min_warned_{};
    DisplayMarker marker_;
    double marker_prev_x_ = 0;
};

}  // namespace torv
