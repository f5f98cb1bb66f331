#pragma once
#include <QTimer>
#include <array>
#include <functional>
#include <string>

#include "common/station_table.h"
#include "orbit/daylight_table.h"
#include "orbit/element_table.h"
#include "orbit/mean_motion.h"
#include "orbit/time_base.h"
#include "orbit/week_table.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture_box.h"

// What the week windows show and draw with, shared by the own station's table and the
// two-station table: the pass list, the week graph over today's day and night, and the
// timer that follows the main window's selection.
namespace torv {

// Colours and AO-40 values as the main window holds them at the moment of asking
// (defaults: those of the settings).
struct WeekLook {
    platform::ColorValue grp_for_color = 255, grp_bk_color = 65280;
    platform::ColorValue ao40_sqa_color = 255, ao40_ma_color = 16776960;
    platform::ColorValue hiru_color = 16744576, yoru_color = 0;
    int16_t ao40_attitude_fetched = 0, ao40_attitude_error = 0;
    std::string ao40_alat, ao40_alon, ao40_sqa_value = "30";
    double ao40_ma_start = -1, ao40_ma_end = -1;
};

// The shared state the week windows read. They write none of it.
struct WeekLinks {
    const ElementTable& elements;
    const SatCorrectionTable& corrections;
    const OwnStation& station;
    const TimeState& time;  // the UTC offset
    const std::string& selected_sat;
    const PartnerStationTable& partners;
    const int16_t& partner_index;
    std::function<WeekLook()> look;
};

// Graph geometry in twips: a left margin for the dates, then 1440 minute columns.
constexpr double kGraphLeft = 960;
constexpr double kCellTop = 200, kCellBottom = 320, kMarkTop = 260;

class WeekWindow : public platform::Form {
    Q_OBJECT
public:
    // Places the controls both windows have; each window places its own after.
    WeekWindow(WeekLinks links, int separator_length, const char* caption);
    ~WeekWindow() override;

    platform::ListBox List1;        // the pass lines and day separators
    platform::PictureBox Picture1;  // the week graph
    platform::PictureBox Label12;   // hour scale above the graph, numbers over the hour lines
    platform::Label Label1, Label2;  // column headings
    platform::Label Label3, Label4, Label5, Label6, Label7, Label8, Label9;  // dates of rows 0..6
    platform::Label Label10, Label11;  // the computed satellite
    platform::Label Label13, Label14;  // legends: visible, AO-40 squint within the limit
    platform::CommandButton Command1, Command2;  // "終了", "+1WEEK"
    platform::ProgressBar week_progress;  // days done while a week is computed
    platform::Timer Timer1{this};         // recomputes the week when the selection changed (0.5 s, then 2 s)

    // ---- the week ----
    WeekMinuteTables tables;
    int16_t week_day_offset = 0;  // days after today of the next day to compute
    std::string week_sat_name;

    // Starts computing seven days from week_day_offset on. The days are computed one by
    // one, the program handling its events between them; the list grows day by day.
    void compute_week();
    // True while a week is being computed.
    bool computing() const { return days_left_ > 0; }

    void Timer1_Timer();
    void Command1_Click();  // "終了"
    void Command2_Click();  // "+1WEEK"

    std::array<platform::Label*, kWeekRows> date_labels();
    const DaylightTable& daylight_table() const { return daylight_table_; }

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // The two-station table's differences.
    virtual bool week_is_current() const { return week_sat_name == l_.selected_sat; }
    virtual void before_recompute() {}
    virtual void add_stations(WeekSubject& subject) { (void)subject; }
    virtual platform::Label& ma_legend() = 0;

    const WeekLinks& links() const { return l_; }

private:
    void compute_next_day();
    void draw_sun_band();
    void draw_week_grid();
    void draw_hour_scale();
    void draw_day_cells(int row, const WeekDayCells& cells);
    double graph_width() const;
    double graph_height() const;

    WeekLinks l_;
    int separator_length_;
    DaylightTable daylight_table_{};  // today's, from 00:00: the window's own
    WeekLook look_;
    WeekSubject subject_;
    DateTime today_ = 0;
    int days_left_ = 0;
    QTimer day_step_;  // runs the next day once the program's events are handled
};

}  // namespace torv
