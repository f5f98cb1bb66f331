#include <gtest/gtest.h>

#include "common/datetime.h"
#include "mainwindow/chart_pick.h"
#include "platform/twips.h"
#include "support/main_harness.h"

using torv::MainWindow;

namespace {

QString qs(const char* s) { return QString::fromUtf8(s); }

// The main window at 12:00:00 local time with the chart unshifted.
struct ChartPick : ::testing::Test {
    MainHarness h;
    MainWindow& f = h.main_window();
    const torv::DateTime today = torv::date_serial(2018, 1, 21);
};

}  // namespace

TEST_F(ChartPick, AClickMovesTheShownTimeToTheClickedMinuteAndTheNextTickFollowsIt) {
    f.Picture3_MouseDown(960 + 3.5 * 300);  // 05:00 on the chart, 420 minutes before now
    EXPECT_EQ(h.time.time_minute_offset_on, 1);
    EXPECT_EQ(h.time.time_minute_offset, -420);
    EXPECT_EQ(f.Label21.caption(), "2018/01/21 5:00:00");
    EXPECT_DOUBLE_EQ(h.time.display_time, today + 5.0 / 24);
    EXPECT_EQ(f.Picture3.toolTip(), qs("時間変更時点の軌道を計算する"));
    EXPECT_NE(f.Command4.palette().color(QPalette::Button), QColor(255, 255, 0));  // no longer "now"
    EXPECT_TRUE(f.Line10.isVisibleTo(&f.Picture3));
    EXPECT_EQ(f.Line10.geometry().center().x(), (960 + 1050) / 15);  // through the click
    // The day tip of the chart is off while the picked time applies.
    f.Picture3_MouseMove(1000);
    EXPECT_EQ(f.Picture3.toolTip(), qs("時間変更時点の軌道を計算する"));

    f.Timer1_Timer();  // the views now show 05:00 and its satellites
    EXPECT_DOUBLE_EQ(h.time.display_time, today + 5.0 / 24);
    f.Command4_Click();  // "現在": the clock again
    EXPECT_EQ(h.time.time_minute_offset_on, 0);
    EXPECT_EQ(f.Command4.palette().color(QPalette::Button), QColor(255, 255, 0));
    f.Timer1_Timer();
    EXPECT_DOUBLE_EQ(h.time.display_time, today + 0.5);
}

TEST_F(ChartPick, ClicksThatPickNothing) {
    f.Picture3_MouseDown(6001);  // beyond the chart: only the position is kept
    EXPECT_EQ(f.chart_click_x, 6001);
    EXPECT_EQ(h.time.time_minute_offset_on, 0);

    h.schedule.sched_window_open = 1;  // the schedule window takes passes from the list
    f.Picture3_MouseDown(2000);
    EXPECT_EQ(f.chart_click_x, 6001);
    EXPECT_EQ(h.time.time_minute_offset_on, 0);
    h.schedule.sched_window_open = 0;

    f.Command13_Click();  // time accelerated
    f.Picture3_MouseDown(2000);
    EXPECT_EQ(h.time.time_minute_offset_on, 0);
    ASSERT_FALSE(h.messages().empty());
    EXPECT_EQ(h.messages().back(), "加速処理中の為、時間変更できません");
}

TEST_F(ChartPick, DayTipsOfTheChartAndTheHourScale) {
    const double half_label = platform::px_to_twips(f.Label18.width()) / 2.0;
    f.Picture3_MouseMove(3480);
    EXPECT_EQ(f.Picture3.toolTip(), qs("本日"));
    f.Command10_Click();  // +1 day
    f.Command10_Click();
    f.Command14_Click();  // shifted: the right half is one day further
    f.Picture3_MouseMove(3481);
    EXPECT_EQ(f.Picture3.toolTip(), qs("3日後"));
    f.Label18_MouseMove(half_label);
    EXPECT_EQ(f.Label18.toolTip(), qs("2日後"));
    f.Label18_MouseMove(half_label + 15);
    EXPECT_EQ(f.Label18.toolTip(), qs("3日後"));
}
