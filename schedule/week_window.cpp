#include "schedule/week_window.h"

#include <QFont>
#include <cmath>

#include "orbit/week_passes.h"
#include "platform/layout.h"
#include "platform/text.h"
#include "platform/twips.h"

namespace torv {

using platform::qs;

namespace {

constexpr int kGraphWidth = 11040;  // twips: the margin and 7 twips a minute
constexpr int kGraphHeight = 2940;  // twips: seven rows of 420
constexpr int kStartInterval = 500, kFollowInterval = 2000;  // ms

// Runs of equal values over indexes first..last: fn(start, end, value) for each.
template <class Value, class Fn>
void for_each_run(int first, int last, Value value_at, Fn fn) {
    for (int start = first; start <= last;) {
        int end = start;
        while (end < last && value_at(end + 1) == value_at(start)) ++end;
        fn(start, end, value_at(start));
        start = end + 1;
    }
}

platform::ColorValue cell_color(WeekCellColour c, const WeekLook& look) {
    switch (c) {
        case WeekCellColour::Visible: return look.grp_for_color;
        case WeekCellColour::SquintGood: return look.ao40_sqa_color;
        case WeekCellColour::Below: break;
    }
    return look.grp_bk_color;
}

}  // namespace

WeekWindow::WeekWindow(WeekLinks links, int separator_length, const char* caption)
    : List1(this), Picture1(this), Label12(this), Label1(this), Label2(this), Label3(&Picture1),
      Label4(&Picture1), Label5(&Picture1), Label6(&Picture1), Label7(&Picture1), Label8(&Picture1),
      Label9(&Picture1), Label10(this), Label11(this), Label13(this), Label14(this), Command1(this), Command2(this),
      week_progress(this), l_(std::move(links)), separator_length_(separator_length) {
    setCaption(QString::fromUtf8(caption));
    move_twips(300, 300, 11400, 7620);
    platform::lay_out({
        {&Label2, 120, 60, 11040, 240, kWeekHeadingTop},
        {&Label1, 120, 300, 11040, 240, kWeekHeadingColumns},
        {&List1, 120, 540, 11040, 3000, nullptr, "人工衛星の週間スケジュール"},
        {&Label11, 120, 3660, 800, 240, "人工衛星"},
        {&Label10, 920, 3660, 1900, 240, "", "選択されている人工衛星の名前"},
        {&Label13, 2900, 3660, 1000, 240, "可視範囲 "},
        {&Label14, 4000, 3660, 1300, 240, "SQA適正範囲"},
        {&Command2, 9120, 3620, 1000, 330, "+1WEEK"},
        {&Command1, 10200, 3620, 1000, 330, "終了"},
        {&Label12, 120, 4020, kGraphWidth, 240},
        {&Picture1, 120, 4260, kGraphWidth, kGraphHeight, nullptr, "週間スケジュールのグラフ"},
        {&week_progress, 120, 7260, kGraphWidth, 180},
    });
    const std::array<platform::Label*, kWeekRows> dates = date_labels();
    for (int d = 0; d < kWeekRows; ++d)
        platform::lay_out({{dates[d], 60, d * kGraphHeight / kWeekRows + 150, 880, 240, "日付"}});
    // The lines line up under the headings only in a font of fixed width; the column
    // names, spaced with wide blanks, in a smaller size of it.
    QFont fixed(QStringLiteral("IPAGothic"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPixelSize(12);
    List1.setFont(fixed);
    Label2.setFont(fixed);
    fixed.setPixelSize(10);
    Label1.setFont(fixed);
    Picture1.setBackColor(platform::kWhite);
    Label12.setBackColor(platform::kButtonFace);
    Label14.hide();
    week_progress.hide();

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Timer1.Timer_ = [this] { Timer1_Timer(); };
    day_step_.setSingleShot(true);
    day_step_.setInterval(0);
    connect(&day_step_, &QTimer::timeout, this, [this] { compute_next_day(); });
}

WeekWindow::~WeekWindow() = default;

std::array<platform::Label*, kWeekRows> WeekWindow::date_labels() {
    return {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9};
}

double WeekWindow::graph_width() const { return platform::px_to_twips(Picture1.QWidget::width()); }
double WeekWindow::graph_height() const { return platform::px_to_twips(Picture1.QWidget::height()); }

void WeekWindow::Form_Load() {
    week_day_offset = 0;
    week_sat_name.clear();
    Timer1.setInterval(kStartInterval);
    look_ = l_.look ? l_.look() : WeekLook{};
    Label13.setBackColor(look_.grp_for_color);
    Label14.setBackColor(look_.ao40_sqa_color);
    ma_legend().setBackColor(look_.ao40_ma_color);
    // Today's day and night from 00:00, in the window's own table: the main window's
    // chart keeps its table, shifted or not.
    DateTime when = clock_local_now(l_.time);
    sun_daylight_table(when, 0, l_.time.time_diff, l_.station, daylight_table_);
    draw_sun_band();
    draw_week_grid();
    draw_hour_scale();
}

void WeekWindow::Form_Unload(bool& /*cancel*/) {
    day_step_.stop();
    days_left_ = 0;
}

void WeekWindow::Timer1_Timer() {
    if (computing() || week_is_current()) return;
    List1.Clear();
    week_day_offset = 0;
    before_recompute();
    compute_week();
    Timer1.setInterval(kFollowInterval);
}

void WeekWindow::Command1_Click() { Unload(); }

void WeekWindow::Command2_Click() {
    if (!computing()) compute_week();
}

void WeekWindow::compute_week() {
    Label10.setCaption(qs(l_.selected_sat));
    week_sat_name = l_.selected_sat;
    subject_ = week_subject(l_.elements, l_.corrections, week_sat_name, l_.station);
    add_stations(subject_);
    look_ = l_.look ? l_.look() : WeekLook{};
    subject_.ao40 = ao40_marks(subject_.name, look_.ao40_attitude_fetched, look_.ao40_attitude_error, look_.ao40_alat,
                               look_.ao40_alon, look_.ao40_sqa_value, look_.ao40_ma_start, look_.ao40_ma_end);
    Label14.setBackColor(look_.ao40_sqa_color);
    Label14.setVisible(subject_.ao40.squint_usable);
    ma_legend().setVisible(subject_.ao40.is_ao40);

    today_ = std::floor(clock_local_now(l_.time));
    days_left_ = kWeekRows;
    setCursor(Qt::BusyCursor);
    Command2.setEnabled(false);
    week_progress.setRange(0, kWeekRows);
    week_progress.setValue(0);
    week_progress.show();
    day_step_.start();
}

void WeekWindow::compute_next_day() {
    if (!computing()) return;
    const int row = kWeekRows - days_left_;
    const DateTime day = add_days(today_, week_day_offset);
    WeekDayCells cells;
    compute_week_day(subject_, local_to_utc(l_.time, day), tables[row], cells);
    draw_day_cells(row, cells);
    for (const std::string& line : week_day_lines(week_sat_name, day, tables[row])) List1.AddItem(qs(line));
    date_labels()[row]->setCaption(qs(week_date_label(day)));
    List1.AddItem(qs(week_separator(separator_length_)));
    ++week_day_offset;
    --days_left_;
    week_progress.setValue(row + 1);
    if (computing()) {
        day_step_.start();
        return;
    }
    unsetCursor();
    Command2.setEnabled(true);
    week_progress.hide();
}

// ---- the graph ----------------------------------------------------------------------

void WeekWindow::draw_sun_band() {
    const double W = graph_width(), H = graph_height(), w = (W - kGraphLeft) / kDayMinutes;
    const auto daylight = [this](int m) { return daylight_table_[m] == 1.0f; };
    for_each_run(0, kDayMinutes, daylight, [&](int m0, int m1, bool day) {
        Picture1.Box(kGraphLeft + m0 * w, 0, kGraphLeft + (m1 + 1) * w, H, day ? look_.hiru_color : look_.yoru_color,
                     true);
    });
}

void WeekWindow::draw_week_grid() {
    const double W = graph_width(), H = graph_height();
    Picture1.Box(0, 0, 3, H, platform::kWhite, true);
    Picture1.Box(0, 0, W, 3, platform::kWhite, true);
    Picture1.Box(0, H, W, H - 5, platform::kWhite, true);
    for (int i = 0; i <= 24; ++i) {
        const double x = kGraphLeft + i * (W - kGraphLeft) / 24;
        Picture1.Line(x, 0, x, H, platform::kWhite);
    }
    for (int k = 1; k <= kWeekRows; ++k) Picture1.Line(0, k * H / kWeekRows, W, k * H / kWeekRows, platform::kWhite);
}

void WeekWindow::draw_hour_scale() {
    const double W = graph_width();
    Label12.Cls();
    for (int hour = 0; hour <= 24; hour += 3) {
        const QString text = QString::number(hour);
        const double x = kGraphLeft + hour * (W - kGraphLeft) / 24 - Label12.textWidth(text) / 2;
        Label12.currentX = std::min(x, W - Label12.textWidth(text));
        Label12.currentY = 0;
        Label12.Print(text);
    }
}

void WeekWindow::draw_day_cells(int row, const WeekDayCells& cells) {
    const double W = graph_width(), H = graph_height(), w = (W - kGraphLeft) / kDayMinutes;
    const double top = row * H / kWeekRows;
    const auto colour = [&](int f) { return cells[f].colour; };
    for_each_run(1, kDayMinutes, colour, [&](int f0, int f1, WeekCellColour c) {
        Picture1.Box(kGraphLeft + (f0 - 1) * w, top + kCellTop, kGraphLeft + f1 * w, top + kCellBottom,
                     cell_color(c, look_), true);
    });
    const auto mark = [&](int f) { return cells[f].transponder_on; };
    for_each_run(1, kDayMinutes, mark, [&](int f0, int f1, bool on) {
        if (on)
            Picture1.Box(kGraphLeft + (f0 - 1) * w, top + kMarkTop, kGraphLeft + f1 * w, top + kCellBottom,
                         look_.ao40_ma_color, true);
    });
}

}  // namespace torv
