#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "sim/ft736_sim.h"
#include "sim/ft847_sim.h"
#include "sim/ic910_sim.h"
#include "support/program_fixture.h"
#include "support/pump_until.h"

using namespace torv;

namespace {

// The whole program on the default data with the FT-847, IC-910 and FT-736 on simulated
// radios; the clock stands at 12:00 local time (03:00 UTC) when the schedule window
// opens, and moves only when a test moves it.
struct ScheduleProgram : ProgramOnDefaultData {
    sim::Ft847Sim ft847;
    sim::Ic910Sim ic910;
    sim::Ft736Sim ft736;

    void SetUp() override {
        ASSERT_TRUE(ft847.ok() && ic910.ok() && ft736.ok());
        ic910.state.main.freq = 435.85;  // FO-29's downlink band
        ft847.state.sat_rx_freq = 145.95;  // AO-7's downlink, where the operator left it
        ProgramOnDefaultData::SetUp();
        app->main_window().Command24_Click();
        schedule_window().Timer1.setEnabled(false);  // the test gives the ticks
    }
    void configure(const std::string& ini) override {
        ini_write(Section{"SERIAL"}, Key{"COM1"}, ft847.port_path(), ini);
        ini_write(Section{"SERIAL"}, Key{"COM2"}, ic910.port_path(), ini);
        ini_write(Section{"SERIAL"}, Key{"COM4"}, ft736.port_path(), ini);
        ini_write(Section{"FT847"}, Key{"CAT"}, "1:COM1:9600:", ini);
        ini_write(Section{"IC910"}, Key{"CAT"}, "1:COM2:9600:60:E0", ini);
        ini_write(Section{"FT736"}, Key{"CAT"}, "1:COM4:4800:", ini);
    }
    void TearDown() override {
        if (app) {
            for (RigWindow* w : app->rig_windows())
                if (w->running()) w->stop_operation();
        }
        ProgramOnDefaultData::TearDown();
    }

    ScheduleWindow& schedule_window() { return app->schedule_window(); }
    ScheduleState& sched() { return app->state.schedule; }
    ScheduleMirror& mirror() { return app->rig_context.mirror; }
    std::vector<std::string>& boxes_shown() { return platform::MsgBoxRecorder::current()->texts; }

    // Local time h:m:s of 21 January 2018 (UTC+9); an hour past 23 runs into the next day.
    static void at(int h, int m, int s = 0) {
        const int total = ((h - 9) * 60 + m) * 60 + s;  // seconds after 00:00 UTC of the 21st
        const int day = 21 + total / 86400, rest = total % 86400;
        platform::clock_fix({2018, 1, day, rest / 3600, rest / 60 % 60, rest % 60});
    }
    // An entry from the boxes.
    void add(const char* rig, int group, int satellite, int option, const char* h1, const char* m1, const char* h2,
             const char* m2) {
        ScheduleWindow& w = schedule_window();
        w.Combo3.setText(QString::fromUtf8(rig));
        w.Combo1.setListIndex(group);
        w.Combo2.setListIndex(-1);
        w.Combo2.setListIndex(satellite);
        platform::OptionButton* options[] = {&w.Option1, &w.Option2, &w.Option3};
        options[option - 1]->setValue(true);
        w.Combo4.setText(h1);
        w.Combo5.setText(m1);
        w.Combo6.setText(h2);
        w.Combo7.setText(m2);
        const int before = w.ListView1.listCount();
        w.Command1_Click();
        ASSERT_EQ(w.ListView1.listCount(), before + 1);
    }
    // One 5 s tick at local h:m:s, the program's own events let run a little after it.
    void tick(int h, int m, int s = 0) {
        at(h, m, s);
        schedule_window().Timer1_Timer();
        QCoreApplication::processEvents();
    }
};

// What the program shows of the run after a tick: the main window's group and
// satellite, each radio under control or not, the schedule's status line.
std::string picture(App& a, sim::Ft847Sim& ft847, sim::Ic910Sim& ic910, sim::Ft736Sim& ft736) {
    std::string s = group_name(a.state.groups.group_current) + " " + a.state.groups.selected_sat;
    if (ft847.state.cat_on || ft847.state.sat_mode) s += " FT-847";
    if (ic910.state.sat_mode) s += " IC-910";
    if (ft736.state.cat_on || ft736.state.sat_mode) s += " FT-736";
    return s + " [" + a.schedule_window().Label12.caption().toStdString() + "]";
}

}  // namespace

TEST_F(ScheduleProgram, ADayOfTicksRunsEachPassOnItsReceiverAndStopsItAtTheFirstFreeMinute) {
    add("ＦＴ８４７", 0, 1, 2, "12", "10", "12", "20");  // AO-7, manual receive with capture: cells 9..19
    add("ＩＣ９１０", 0, 0, 3, "12", "30", "12", "40");  // FO-29, automatic: cells 29..39
    add("ＦＴ７３６", 1, 0, 3, "12", "41", "12", "50");  // ISS, straight after: cells 40..49
    EXPECT_EQ(schedule_window().timeline().minute_code[9], 1122);
    EXPECT_EQ(schedule_window().timeline().minute_code[40], 4213);
    // The operator looks at another group meanwhile.
    app->main_window().Command5_Click();
    const std::string start = picture(*app, ft847, ic910, ft736);
    schedule_window().Command4_Click();
    EXPECT_EQ(sched().sched_running, 1);
    EXPECT_FALSE(schedule_window().Command1.isEnabled());

    // A day of ticks; each change of what the program shows is noted with its time.
    std::vector<std::string> seen{start};
    std::string last = start;
    std::vector<std::pair<int, int>> presses;  // FT-847's receive flags after each tick of its pass
    for (int t = 0; t < 24 * 3600; t += 5) {
        const int h = 12 + t / 3600, m = t / 60 % 60, s = t % 60;
        tick(h, m, s);
        const std::string now = picture(*app, ft847, ic910, ft736);
        if (now != last) {
            last = now;
            seen.push_back(now + " @" + std::to_string(h % 24) + ":" + (m < 10 ? "0" : "") + std::to_string(m));
        }
        if (t == 9 * 60 + 5) {
            presses.push_back({mirror().ft847_rx_auto, mirror().ft847_auto_capture});
            // A pass runs on the window's own tick: the Doppler-corrected uplink reaches the radio.
            EXPECT_TRUE(pump_until([&] { return ft847.state.sat_tx_freq > 432.0; }, 6000));
        }
        if (t == 29 * 60 + 5) {
            EXPECT_EQ(mirror().ic910_rx_auto, 1);
        }
    }
    const std::vector<std::string> expected{
        start,
        "グループＡ AO-7 FT-847 [ＦＴ－８４７ 運用開始 ] @12:09",
        "グループＡ AO-7 [] @12:20",
        "グループＡ FO-29 IC-910 [ＩＣ－９１０ 運用開始 ] @12:29",
        // The next pass wants another receiver: the IC-910 is given back before the FT-736 starts.
        "グループＢ ISS FT-736 [ＦＴ－７３６ 運用開始 ] @12:40",
        "グループＢ ISS [] @12:50",
    };
    EXPECT_EQ(seen, expected);
    // Receive frequency to manual, then auto-capture on.
    EXPECT_EQ(presses, (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_FALSE(ft847.state.cat_on);
    EXPECT_FALSE(ic910.state.sat_mode);
    EXPECT_FALSE(ft736.state.cat_on);
    EXPECT_EQ(mirror().ft847_running + mirror().ic910_running + mirror().ft736_running, 0);
    EXPECT_TRUE(boxes_shown().empty()) << boxes_shown().front();
    EXPECT_EQ(sched().sched_prev_rig, 999);
}

TEST_F(ScheduleProgram, TheTimeLineWrapsAndTheNextDayRunsThePassAgain) {
    add("ＦＴ８４７", 0, 1, 3, "11", "00", "11", "05");  // an hour before the window opened: tomorrow
    schedule_window().Command4_Click();
    tick(12, 0);
    EXPECT_FALSE(ft847.state.cat_on);
    tick(10, 59 + 24 * 60);  // 10:59 tomorrow: cell 1379
    EXPECT_TRUE(ft847.state.cat_on);
    EXPECT_EQ(app->state.groups.selected_sat, "AO-7");
    tick(11, 5 + 24 * 60);
    EXPECT_FALSE(ft847.state.cat_on);
}

TEST_F(ScheduleProgram, AReceiverThatCannotStartIsNotPressedAndNothingWaitsForAnOperator) {
    ini_write(Section{"SERIAL"}, Key{"COM1"}, "/nonexistent/tty", torv_ini());
    add("ＦＴ８４７", 0, 1, 2, "12", "10", "12", "20");
    schedule_window().Command4_Click();
    tick(12, 9);
    EXPECT_EQ(mirror().ft847_running, 0);
    EXPECT_EQ(schedule_window().Label12.caption(), "ＣＯＭポート　COM1 のオープンができませんでした。");
    // Later ticks of the pass press no button of the stopped window.
    tick(12, 10);
    tick(12, 15);
    EXPECT_EQ(schedule_window().Label12.caption(), "ＣＯＭポート　COM1 のオープンができませんでした。");
    EXPECT_EQ(mirror().ft847_rx_auto, 1);
    EXPECT_TRUE(boxes_shown().empty());
}

TEST_F(ScheduleProgram, ATickDoesNotRunInsideTheStopOfAnother) {
    add("ＦＴ８４７", 0, 1, 3, "12", "10", "12", "20");
    add("ＩＣ９１０", 0, 0, 3, "12", "30", "12", "40");
    schedule_window().Command4_Click();
    tick(12, 9);
    ASSERT_TRUE(ft847.state.cat_on);
    // The window's timer runs while the stop waits; meanwhile the clock reaches the next pass.
    ScheduleWindow& w = schedule_window();
    w.Timer1.setInterval(50);
    w.Timer1.setEnabled(true);
    QTimer::singleShot(300, [] { at(12, 29); });
    at(12, 20);
    w.Timer1_Timer();
    w.Timer1.setEnabled(false);
    EXPECT_FALSE(ft847.state.cat_on);
    EXPECT_EQ(mirror().ic910_running, 0);  // not started inside the stop
    tick(12, 29);
    EXPECT_EQ(mirror().ic910_running, 1);
}

TEST_F(ScheduleProgram, ClosingTheWindowDuringARunEndsItAndStopsItsReceiver) {
    add("ＩＣ９１０", 0, 0, 3, "12", "10", "12", "20");
    schedule_window().Command4_Click();
    tick(12, 9);
    ASSERT_TRUE(ic910.state.sat_mode);
    schedule_window().Command3_Click();
    EXPECT_FALSE(app->schedule_window.exists());
    EXPECT_EQ(sched().sched_running, 0);
    EXPECT_EQ(sched().sched_window_open, 0);
    EXPECT_FALSE(ic910.state.sat_mode);
    EXPECT_EQ(mirror().ic910_running, 0);
}

TEST_F(ScheduleProgram, StoppingTheRunKeepsTheReceiverAndClearsThePublishedValues) {
    add("ＦＴ８４７", 0, 1, 3, "12", "10", "12", "20");
    schedule_window().Command4_Click();
    tick(12, 9);
    EXPECT_EQ(app->live_values_window().item_text("Text18"), "1123");
    schedule_window().Command5_Click();
    EXPECT_EQ(sched().sched_running, 0);
    EXPECT_TRUE(schedule_window().Command1.isEnabled());
    EXPECT_EQ(app->main_window().List1.backColor(), kPassListRegistering);
    for (const char* item : {"Text17", "Text18", "Text19"}) EXPECT_EQ(app->live_values_window().item_text(item), "0");
    EXPECT_TRUE(ft847.state.cat_on);
    // Started again during a free minute: the receiver of the interrupted pass is stopped.
    schedule_window().Command4_Click();
    tick(12, 25);
    EXPECT_FALSE(ft847.state.cat_on);
}
