#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>

#include "app/contexts.h"
#include "common/settings_store.h"
#include "platform/twips.h"
#include "schedule/schedule_window.h"
#include "support/main_harness.h"
#include "support/recorded_boxes.h"

using namespace torv;

namespace {

// The schedule window over the main window of the default data, without transceivers.
// The clock stands at 12:00 local time unless a test moves it.
struct ScheduleWindowTest : ::testing::Test {
    MainHarness h;
    ScheduleMirror mirror;
    platform::FormInstance<ScheduleWindow> schedule_window{[this] {
        return std::make_unique<ScheduleWindow>(
            schedule_window_links(h, mirror, h.main_window, h.dde, [](Transceiver) { return nullptr; }));
    }};

    // The main window opens this schedule window and gives it passes, as in the program.
    struct Seam : MainHarness::Seam {
        Seam(MainHarness& h, ScheduleWindowTest& t) : MainHarness::Seam(h), t(t) {}
        void schedule_window_show() override { t.schedule_window().Show(); }
        void schedule_window_take_pass(const SchedulePass& pass) override {
            if (ScheduleWindow* w = t.schedule_window.existing()) w->take_pass(pass);
        }
        ScheduleWindowTest& t;
    };

    void SetUp() override {
        h.answer_with<Seam>(*this);
        MainWindow& f = h.main_window();
        for (platform::Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3}) t->setEnabled(false);
    }
    void TearDown() override {
        schedule_window.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ScheduleWindow& opened() {
        h.main_window().Command24_Click();
        h.main_window().Command24_Click();  // a second press shows the same window
        ScheduleWindow& w = schedule_window();
        w.Timer1.setEnabled(false);
        return w;
    }
    static std::vector<std::string>& shown() { return platform::MsgBoxRecorder::current()->texts; }
    std::string dde(const char* item) { return h.dde().item_text(item).toStdString(); }

    // Chooses the boxes as the operator would and presses "追加".
    static void add(ScheduleWindow& w, const char* rig, int group, int satellite, const char* h1, const char* m1,
                    const char* h2, const char* m2) {
        w.Combo3.setText(QString::fromUtf8(rig));
        w.Combo1.setListIndex(group);
        w.Combo2.setListIndex(satellite);
        w.Combo4.setText(h1);
        w.Combo5.setText(m1);
        w.Combo6.setText(h2);
        w.Combo7.setText(m2);
        w.Command1_Click();
    }
    static std::vector<std::string> row(const ScheduleWindow& w, int i) {
        std::vector<std::string> cells;
        for (int c = 0; c < 6; ++c) cells.push_back(w.ListView1.cell(i, c).toStdString());
        return cells;
    }
    // A pass-list row rising at h1:m1 and setting at h2:m2, highest at 07.0 degrees,
    // azimuth 180.0 there, p minutes visible.
    static QString pass_row(const char* aos, const char* los, const char* p) {
        return QString::fromUtf8(std::string(aos) + "  005.0  045.5     10:05  180.0  07.0  128.0     " + los +
                                 "  270.0  213.3  " + p);
    }
    void double_click_pass(const QString& text) {
        MainWindow& f = h.main_window();
        f.List1.Clear();
        f.List1.AddItem(text);
        f.List1.setListIndex(0);
        f.List1_DblClick();
    }
};

}  // namespace

TEST_F(ScheduleWindowTest, OpensOnATimeLineFromTheCurrentHour) {
    platform::clock_fix({2018, 1, 21, 0, 40, 0});  // 09:40 local
    h.dde().set_item_text("Text17", "9");
    ScheduleWindow& w = opened();
    EXPECT_EQ(w.timeline().start_hour, 9);
    EXPECT_TRUE(w.Label8.caption().startsWith("09   10   11"));
    EXPECT_TRUE(w.Label8.caption().endsWith("08   09   "));
    // The cursor stands at cell 40: 40 of 1440 parts of the picture.
    const double x = 40 * w.Picture1.scaleWidth() / 1440;
    EXPECT_NEAR(w.Line4.geometry().center().x(), platform::twips_to_px(x), 1.5);
    EXPECT_EQ(w.Label7.caption(), "2018/01/21");
    EXPECT_EQ(dde("Text17"), "0");
    EXPECT_EQ(dde("Text18"), "0");
    EXPECT_EQ(w.Label11.caption(), " 0");
    EXPECT_EQ(h.schedule.sched_window_open, 1);
    EXPECT_EQ(w.Combo3.text(), "ＦＴ８４７");  // the stored receiver's default
    EXPECT_TRUE(w.Option3.value());
    EXPECT_FALSE(w.Text1.isVisibleTo(&w));
    EXPECT_EQ(w.Combo4.listCount(), 24);
    EXPECT_EQ(w.Combo7.list(59), "59");
    EXPECT_TRUE(w.Combo4.text().isEmpty());
}

TEST_F(ScheduleWindowTest, AnEntryByHandListsItsRowColoursItsLabelAndCodesItsMinutes) {
    ScheduleWindow& w = opened();  // 12:00: the time line starts at 12
    w.Combo1.setListIndex(0);
    ASSERT_GE(w.Combo2.listCount(), 5);
    add(w, "ＩＣ９１０", 0, 4, "13", "10", "13", "40");
    ASSERT_EQ(w.ListView1.listCount(), 1);
    const std::string sat = h.groups.group_sat_names[0][4];
    EXPECT_EQ(row(w, 0), (std::vector<std::string>{"ＩＣ９１０", "グループＡ", sat, "13:10", "13:40", "通常受信（自動）"}));
    EXPECT_EQ(w.Label9[0].caption().toStdString(), sat);
    const auto colour = static_cast<platform::ColorValue>(h.settings.color_eisei5);
    EXPECT_EQ(w.Label9[0].backColor(), colour);
    EXPECT_EQ(w.timeline().minute_code[69], 2153);
    EXPECT_EQ(w.timeline().minute_code[99], 2153);
    EXPECT_EQ(w.timeline().minute_code[100], 0);
    // The entry's row on the time line in its label's colour, the rest white.
    const double dx = w.Picture1.scaleWidth() / 1440, dy = w.Picture1.scaleHeight() / 5;
    EXPECT_EQ(w.Picture1.Point(85 * dx, dy / 2), colour);
    EXPECT_EQ(w.Picture1.Point(300 * dx, dy / 2), platform::kWhite);
    EXPECT_EQ(w.Picture1.Point(85 * dx, dy * 1.5), platform::kWhite);

    // The beacon option's text in the list, and a refusal told in a box.
    w.Option1.setValue(true);
    boxes();
    add(w, "ＦＴ８４７", 0, 0, "13", "40", "13", "50");
    EXPECT_EQ(shown(), (std::vector<std::string>{kOverlapMessage}));
    add(w, "ＦＴ８４７", 0, 0, "13", "41", "13", "50");
    ASSERT_EQ(w.ListView1.listCount(), 2);
    EXPECT_EQ(w.ListView1.cell(1, 5), "ビーコン受信");
    EXPECT_EQ(w.timeline().minute_code[100], 1111);
}

TEST_F(ScheduleWindowTest, TheSlotDigitIsTheSatellitesPlaceInItsGroup) {
    h.groups.group_sat_names[1] = {"", "AO-7", "", "FO-29", "", "", "ISS"};
    ScheduleWindow& w = opened();
    w.Combo1.setListIndex(1);
    ASSERT_EQ(w.Combo2.listCount(), 3);
    add(w, "ＴＳ２０００", 1, 1, "14", "00", "14", "10");
    EXPECT_EQ(h.schedule.sched_entry_slot, 3);
    EXPECT_EQ(w.timeline().minute_code[119], 3243);  // slot 4, not the box's second place
    EXPECT_EQ(w.Label9[0].backColor(), static_cast<platform::ColorValue>(h.settings.color_eisei4));
}

TEST_F(ScheduleWindowTest, ChoosingARowAndDeletingIt) {
    ScheduleWindow& w = opened();
    boxes();
    w.Command2_Click();
    EXPECT_EQ(shown(), (std::vector<std::string>{"情報が登録されていません"}));
    const char* starts[] = {"13", "14", "15", "16"};
    for (int i = 0; i < 4; ++i) add(w, "ＦＴ８４７", 0, i, starts[i], "00", starts[i], "10");
    ASSERT_EQ(w.ListView1.listCount(), 4);
    const QString third = w.Label9[2].caption(), fourth = w.Label9[3].caption();
    const platform::ColorValue third_colour = w.Label9[2].backColor(), fifth_colour = w.Label9[4].backColor();

    // Selected in the list by code, but not chosen with a click.
    w.ListView1.setSelectedItem(1);
    boxes();
    w.Command2_Click();
    EXPECT_EQ(shown(), (std::vector<std::string>{"削除する項目を選択してください"}));

    // A click on the row label chooses the row: it and its mark turn red, the others black.
    w.Label9_Click(1);
    EXPECT_EQ(w.ListView1.selectedItem(), 1);
    EXPECT_EQ(w.Shape1[1].fillColor(), platform::kRed);
    for (int c = 0; c < 6; ++c) EXPECT_EQ(w.ListView1.cellForeColor(1, c), platform::kRed);
    EXPECT_EQ(w.ListView1.cellForeColor(0, 0), platform::kBlack);

    // "No" keeps the entry but takes the choice back.
    platform::MsgBoxRecorder& r = boxes();
    r.answers = {platform::vbNo};
    w.Command2_Click();
    EXPECT_EQ(r.texts, (std::vector<std::string>{"ほんとうに削除しますか"}));
    EXPECT_EQ(w.ListView1.listCount(), 4);
    EXPECT_EQ(w.Shape1[1].fillColor(), platform::kBlack);

    w.Label9_Click(1);
    boxes().answers = {platform::vbYes};
    w.Command2_Click();
    ASSERT_EQ(w.ListView1.listCount(), 3);
    EXPECT_EQ(w.Label9[1].caption(), third);
    EXPECT_EQ(w.Label9[1].backColor(), third_colour);
    EXPECT_EQ(w.Label9[2].caption(), fourth);
    EXPECT_EQ(w.Label9[3].caption(), "");  // the look of the fifth, empty row
    EXPECT_EQ(w.Label9[3].backColor(), fifth_colour);
    EXPECT_EQ(w.timeline().minute_code[119], 0);  // the deleted entry's minutes are free
    EXPECT_NE(w.timeline().minute_code[179], 0);  // the others' stay where they were
    EXPECT_EQ(w.timeline().entries[1].entry_start, 179);
    EXPECT_EQ(w.Shape1[1].fillColor(), platform::kBlack);

    // A click on a row without entry takes every choice back.
    w.ListView1_Click();
    w.Label9_Click(0);
    w.Label9_Click(4);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(w.Shape1[k].fillColor(), platform::kBlack);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(w.ListView1.cellForeColor(i, 2), platform::kBlack);
}

TEST_F(ScheduleWindowTest, TheWeatherReceiverAsksForAMaximumElevationAndIsRemembered) {
    ScheduleWindow& w = opened();
    w.Text1.setText("12");
    w.Combo3.setText("気象衛星受信機");
    EXPECT_TRUE(w.Text1.isVisibleTo(&w));
    EXPECT_TRUE(w.Label14.isVisibleTo(&w));
    EXPECT_TRUE(w.Text1.text().isEmpty());
    EXPECT_EQ(ini_read(Section{"SCHEDULE"}, Key{"RIGU"}, torv_ini()), "気象衛星受信機");
    EXPECT_EQ(h.settings.schedule_rigu, "気象衛星受信機");

    // Only control keys, "-", "." and digits reach the box.
    w.Text1.setFocus();
    for (QChar c : QString("-1a2/.5 x")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&w.Text1, &press);
    }
    EXPECT_EQ(w.Text1.text(), "-12.5");

    schedule_window.Unload();
    EXPECT_EQ(schedule_window().Combo3.text(), "気象衛星受信機");  // preselected at the next opening
    EXPECT_TRUE(schedule_window().Text1.isVisibleTo(&schedule_window()));
    schedule_window().Combo3.setText("ＩＣ９１０");
    EXPECT_FALSE(schedule_window().Text1.isVisibleTo(&schedule_window()));
}

TEST_F(ScheduleWindowTest, APassFromThePassListFillsTheBoxesAndIsAdded) {
    MainWindow& f = h.main_window();
    // Closed window: nothing happens.
    double_click_pass(pass_row("23:58", "00:09", "011"));
    EXPECT_EQ(h.schedule.sched_from_pass_list, 0);

    ScheduleWindow& w = opened();
    h.schedule.sched_entry_slot = 6;
    double_click_pass(pass_row("23:58", "00:09", "011"));
    EXPECT_EQ(w.Combo4.text(), "23");
    EXPECT_EQ(w.Combo5.text(), "58");
    EXPECT_EQ(w.Combo6.text(), "00");
    EXPECT_EQ(w.Combo7.text(), "09");
    EXPECT_EQ(w.Text1.text(), " 7");
    EXPECT_EQ(h.schedule.sched_pass_minutes, 11);
    EXPECT_FLOAT_EQ(h.schedule.sched_pass_az, 180.0f);
    EXPECT_FLOAT_EQ(h.schedule.sched_pass_max_el, 7.0f);
    EXPECT_EQ(w.Combo1.text().toStdString(), group_name(h.groups.group_current));
    EXPECT_EQ(w.Combo2.text(), f.Label3.caption());
    const auto& names = h.groups.group_sat_names[h.groups.group_current];
    const auto slot = std::find(names.begin(), names.end(), f.Label3.caption().toStdString()) - names.begin();
    EXPECT_EQ(h.schedule.sched_entry_slot, slot);
    EXPECT_EQ(h.schedule.sched_from_pass_list, 0);
    ASSERT_EQ(w.ListView1.listCount(), 1);
    EXPECT_EQ(w.timeline().entries[0].entry_start, 717);  // 11 hours 58 minutes after 12:00, one early
    EXPECT_EQ(w.timeline().entries[0].entry_minutes, 11);

    // A pass gone by is refused as past; the next "追加" uses the time boxes.
    boxes();
    double_click_pass(pass_row("07:10", "07:20", "010"));
    EXPECT_EQ(shown(), (std::vector<std::string>{kPastMessage}));
    EXPECT_EQ(h.schedule.sched_from_pass_list, 0);
    EXPECT_EQ(w.ListView1.listCount(), 1);
    w.Command1_Click();  // 07:10-07:20 from the boxes: tomorrow morning
    ASSERT_EQ(w.ListView1.listCount(), 2);
    EXPECT_EQ(w.timeline().entries[1].entry_start, 1149);

    // The main window showing another day, or the run active: refused, or nothing at all.
    h.time.time_day_offset = 1;
    boxes();
    double_click_pass(pass_row("15:00", "15:10", "010"));
    EXPECT_EQ(shown(), (std::vector<std::string>{kOtherDayMessage}));
    h.time.time_day_offset = 0;
    w.Command4_Click();
    boxes();
    double_click_pass(pass_row("15:00", "15:10", "010"));
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(w.ListView1.listCount(), 2);
    EXPECT_EQ(w.Combo4.text(), "15");  // as the refused pass left it
}

TEST_F(ScheduleWindowTest, EveryTickPublishesTheCurrentMinute) {
    ScheduleWindow& w = opened();
    h.schedule.sched_pass_az = 123.5f;
    w.Combo3.setText("気象衛星受信機");
    w.Text1.setText(".5");
    add(w, "気象衛星受信機", 0, 0, "12", "00", "12", "30");
    w.Timer1_Timer();
    EXPECT_EQ(dde("Text18"), "5113");
    EXPECT_EQ(dde("Text17"), ".5");
    EXPECT_EQ(dde("Text19"), "123.5");
    EXPECT_EQ(w.Label11.caption(), " 5113");

    platform::clock_fix({2018, 1, 21, 3, 31, 0});  // 12:31: free again
    w.Timer1_Timer();
    EXPECT_EQ(dde("Text18"), "0");
    EXPECT_EQ(dde("Text17"), "0");
    EXPECT_EQ(dde("Text19"), "0");

    // Closing: the main window's button and list as they were, two items cleared.
    h.dde().set_item_text("Text19", "7");
    schedule_window.Unload();
    EXPECT_EQ(h.schedule.sched_window_open, 0);
    EXPECT_EQ(h.main_window().List1.backColor(), kPassListPlain);
    EXPECT_EQ(dde("Text19"), "7");
}
