// The 24-hour chart on the main window: its rows drawn from the minute tables, its hour
// scale, its time axis and markers, and the pass list of the selected satellite.
#include <gtest/gtest.h>

#include <QImage>

#include "mainwindow/chart_axis.h"
#include "mainwindow/pass_list.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "support/main_harness.h"
#include "support/map_fixture.h"

using namespace torv;

namespace {

constexpr platform::ColorValue kFor = 255, kBack = 65280;  // the default row colours
constexpr platform::ColorValue kToday = 65535, kOtherDay = 16777215;

double minute_x(int m) { return kChartLeft + kChartMinuteWidth * (m - 0.5); }
double bar_y(int row) { return 455.0 * row + 230; }

// The middle minute of every run of at least 12 minutes where the row is (or is not) visible.
std::vector<int> run_middles(const TimelineRow& row, int16_t visible) {
    std::vector<int> middles;
    for (int m = 1; m <= kChartMinutes;) {
        int last = m;
        while (last < kChartMinutes && (row.timeline_visible[last + 1] == 1) == (row.timeline_visible[m] == 1)) ++last;
        if ((row.timeline_visible[m] == 1) == (visible == 1) && last - m >= 12) middles.push_back((m + last) / 2);
        m = last + 1;
    }
    return middles;
}

// Columns (label pixels) holding the dark glyph pixels of each word of a label drawn alone.
std::vector<std::pair<int, int>> word_extents(platform::Label& label) {
    QImage img(label.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    label.render(&img);
    std::vector<std::pair<int, int>> words;
    int gap = 99;
    for (int x = 0; x < img.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < img.height() && !ink; ++y) ink = qGray(img.pixel(x, y)) < 128;
        if (ink && gap > 4) words.emplace_back(x, x);
        if (ink) words.back().second = x;
        gap = ink ? 0 : gap + 1;
    }
    return words;
}

}  // namespace

TEST(PassChartRows, BarsShowTheVisibleMinutesOfEveryShownSatellite) {
    MainHarness h;
    MainWindow& f = h.main_window();
    f.Timer1_Timer();  // the first redraw computes every row
    int checked = 0;
    for (int s = 0; s < kChartSlots; ++s) {
        const TimelineRow& row = h.chart.timeline.row(s);
        for (int16_t visible : {1, 0})
            for (int m : run_middles(row, visible)) {
                EXPECT_EQ(f.Picture3.Point(minute_x(m), bar_y(s)), visible ? kFor : kBack) << s << " minute " << m;
                ++checked;
            }
    }
    EXPECT_GT(checked, 30);
    EXPECT_EQ(h.chart.chart_recompute, 0);
}

TEST(PassChartRows, RowsComputedForTheChartDayWriteNoLiveValue) {
    MainHarness h;
    MainWindow& f = h.main_window();
    std::map<std::string, int> changes;
    LiveValuesWindow& d = h.dde();
    for (auto [item, name] : {std::pair{&d.Text2, "Text2"}, {&d.Text3, "Text3"}, {&d.Text5, "Text5"}})
        QObject::connect(item, &QLineEdit::textChanged, [&changes, name] { ++changes[name]; });
    int label_changes = 0;
    f.Label4.Change = [&] { ++label_changes; };
    f.Timer1_Timer();  // 7 x 1440 minutes computed for the chart
    ASSERT_EQ(h.chart.chart_recompute, 0);
    for (const auto& [item, n] : changes) EXPECT_LE(n, 1) << item;
    EXPECT_LE(label_changes, 1);
    // What is shown is the current instant's value: a tick without any chart computation
    // at the same instant shows the same.
    const QString az = f.Label4.caption(), text2 = d.Text2.text();
    f.Timer1_Timer();
    EXPECT_EQ(f.Label4.caption(), az);
    EXPECT_EQ(d.Text2.text(), text2);
}

TEST(PassChartRows, EmptySlotsKeepNoBarAndANewDayRecomputesTheRows) {
    MainHarness h({{"SATELITE", "GROUP-A", "ISS,SO-50"}});
    MainWindow& f = h.main_window();
    f.Timer1_Timer();
    const platform::ColorValue night = f.Picture3.Point(minute_x(300), bar_y(4));
    EXPECT_NE(night, kFor);
    EXPECT_NE(night, kBack);  // no bar drawn for an empty slot
    const DateTime first_start = chart_start_local(h.time, clock_local_now(h.time), 0);

    platform::clock_fix({2018, 1, 21, 14, 59, 59});  // 23:59:59 local
    f.Timer2_Timer();
    f.Timer1_Timer();
    EXPECT_EQ(h.chart.chart_recompute, 0);
    const TimelineRow before = h.chart.timeline.row(0);
    platform::clock_fix({2018, 1, 21, 15, 0, 5});  // 00:00:05 the next day
    f.Timer2_Timer();  // the marker moves left: a new chart day
    EXPECT_EQ(h.chart.chart_recompute, 1);
    f.Timer1_Timer();
    EXPECT_NE(h.chart.timeline.row(0).timeline_el[100], before.timeline_el[100]);
    EXPECT_EQ(chart_start_local(h.time, clock_local_now(h.time), 0), first_start + 1);
}

TEST(PassChartAxis, GridOneHourLinesAndTheDisplayTimeMarker) {
    MainHarness h({{"JIKAN", "DISP", "1"}, {"COLOR", "JIKAN1_LINE_COLOR", "255"}});
    MainWindow& f = h.main_window();
    f.Timer1_Timer();
    const double three_oclock = kChartLeft + 3 * kChartHourWidth;
    EXPECT_TRUE(colour_near(f.Picture3, three_oclock, 100, 16777215));  // above the first bar
    for (int i = 0; i < kOneHourLines; ++i) {
        EXPECT_TRUE(f.Line13[i].isVisibleTo(&f)) << i;
        const int x_px = platform::twips_to_px(static_cast<int>(kChartLeft + kChartHourWidth * kOneHourLineHours[i]));
        EXPECT_NEAR(f.Line13[i].geometry().center().x(), x_px, 1) << i;
    }
    // Noon at the test clock: the marker halfway along the chart, the bar today's colour.
    EXPECT_TRUE(f.Line10.isVisibleTo(&f));
    EXPECT_NEAR(f.Line10.geometry().center().x(), platform::twips_to_px(3480), 1);
    EXPECT_FALSE(f.Line12.isVisibleTo(&f));
    EXPECT_EQ(f.Picture5.Point(1000, 90), kToday);
    EXPECT_EQ(f.Picture5.Point(4000, 90), kToday);

    f.Command10_Click();  // another day: both halves another day's colour, no marker
    f.Timer2_Timer();
    EXPECT_EQ(f.Picture5.Point(1000, 90), kOtherDay);
    EXPECT_EQ(f.Picture5.Point(4000, 90), kOtherDay);
    EXPECT_FALSE(f.Line10.isVisibleTo(&f));

    h.settings.jikan_disp = 0;
    f.Timer2_Timer();
    for (platform::LineControl& line : f.Line13) EXPECT_FALSE(line.isVisibleTo(&f));
}

TEST(PassChartAxis, HourNumbersStandOverTheirLinesAndLetTheBarShow) {
    MainHarness h;
    MainWindow& f = h.main_window();
    f.Timer1_Timer();
    for (bool shifted : {false, true}) {
        if (shifted) f.Command14_Click();
        const std::vector<std::pair<int, int>> words = word_extents(f.Label18);
        ASSERT_EQ(words.size(), 9u) << shifted;
        for (int i = 0; i < 9; ++i) {
            // Where the hour line of this word is drawn, in the scale's pixels.
            const QPointF line = f.Picture3.mapTo(&f, QPointF((kChartLeft + 630.0 * i) / platform::kTwipsPerPixel, 0));
            const double x = f.Label18.mapFrom(&f, line).x();
            EXPECT_LE(words[i].first - 1, x) << "word " << i << (shifted ? " shifted" : "");
            EXPECT_GE(words[i].second + 1, x) << "word " << i << (shifted ? " shifted" : "");
        }
    }
    // Between the numbers the half-day bar shows through the scale.
    QImage shown(f.Picture5.size(), QImage::Format_RGB32);
    f.Picture5.render(&shown);
    const std::vector<std::pair<int, int>> words = word_extents(f.Label18);
    const QPoint between = f.Label18.mapTo(&f.Picture5, QPoint((words[0].second + words[1].first) / 2, 3));
    EXPECT_EQ(platform::from_qcolor(shown.pixelColor(between)), kToday);
}

namespace {

// Fixes the clock at a minute offset from the test day's chart start (local midnight).
void clock_at_offset(const TimeState& time, double minutes) {
    const DateParts p = split_datetime(local_to_utc(time, add_minutes(date_serial(2018, 1, 21), minutes)));
    platform::clock_fix({p.year, p.month, p.day, p.hour, p.minute, p.second});
}

std::vector<std::string> list_texts(platform::ListBox& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.listCount(); ++i) texts.push_back(list.list(i).toStdString());
    return texts;
}

std::vector<std::string> row_texts(const std::vector<PassRow>& rows) {
    std::vector<std::string> texts;
    for (const PassRow& r : rows) texts.push_back(r.text);
    return texts;
}

}  // namespace

TEST(PassListWindow, PassesOfTheSelectedSatelliteWithTheCurrentOneSelected) {
    MainHarness h({{"SATELITE", "GROUP-A", "ISS,SO-50,FO-29"}});
    MainWindow& f = h.main_window();
    f.Label12_Click();  // ISS
    f.Timer1_Timer();
    EXPECT_EQ(f.Label19.caption().toStdString(), kPassListHeading);
    const std::vector<PassRow> rows = build_pass_rows(h.chart.timeline.row(0), 0);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(list_texts(f.List1), row_texts(rows));

    const PassRow& pass = rows[1];
    clock_at_offset(h.time, pass.pass_row_aos + 0.5);  // during the pass
    f.Timer2_Timer();
    EXPECT_EQ(f.List1.listIndex(), 1);
    EXPECT_EQ(f.List1.selectedItems().size(), 1);
    clock_at_offset(h.time, pass.pass_row_los);  // its set: no row
    f.Timer2_Timer();
    EXPECT_EQ(f.List1.listIndex(), -1);
    EXPECT_TRUE(f.List1.selectedItems().isEmpty());

    f.Label13_Click();  // SO-50: its passes at the next redraw, without recomputing
    f.Timer1_Timer();
    EXPECT_EQ(list_texts(f.List1), row_texts(build_pass_rows(h.chart.timeline.row(1), 0)));
}

TEST(PassListWindow, ASatelliteNoSlotShowsListsNoPasses) {
    // The stored selection names a satellite the shown group does not hold.
    MainHarness h({{"SATELITE", "GROUP-A", "ISS,SO-50"}, {"SATELITE", "SELECT", "0:FO-29"}});
    MainWindow& f = h.main_window();
    ASSERT_EQ(h.groups.selected_sat, "FO-29");
    f.Timer1_Timer();
    EXPECT_EQ(f.List1.listCount(), 0);  // not the first slot's (ISS's) passes
    f.Label12_Click();
    f.Timer1_Timer();
    EXPECT_GT(f.List1.listCount(), 0);
}
