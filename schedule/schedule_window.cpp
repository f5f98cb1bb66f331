// The schedule window: its controls, its load with the time line from the current hour,
// the receiver, group and satellite boxes, adding and deleting entries, choosing a row,
// the time-line picture and closing. The run and the tick are in schedule_window_run.cpp.
#include "schedule/schedule_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <cmath>

#include "common/number_text.h"
#include "common/settings_store.h"
#include "orbit/time_base.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/text.h"
#include "platform/twips.h"

namespace torv {

using platform::qs;

namespace {

// The time line: 24 hours of 310 twips, 5 rows of 300.
constexpr int kPictureLeft = 1560, kPictureTop = 5400, kPictureWidth = 7440, kPictureHeight = 1500;
constexpr int kStripMargin = 240;  // the hour numbers reach this far left and right of the picture

const char* const kModeTexts[] = {"ビーコン受信", "通常受信（手動－自動取り込み）", "通常受信（自動）"};

std::string two_digits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

ScheduleWindow::ScheduleWindow(ScheduleWindowLinks links)
    : Frame2(this), Combo3(&Frame2), Frame1(this), Label1(&Frame1), Label2(&Frame1), Combo1(&Frame1),
      Combo2(&Frame1), Frame3(&Frame1), Frame4(&Frame1), Combo4(&Frame3), Combo5(&Frame3), Combo6(&Frame4),
      Combo7(&Frame4), Label3(&Frame3), Label4(&Frame3), Label5(&Frame4), Label6(&Frame4), Frame5(&Frame1),
      Option1(&Frame5), Option2(&Frame5), Option3(&Frame5), Label14(&Frame1), Text1(&Frame1), Command1(&Frame1),
      Command2(&Frame1), Command4(this), Command5(this), Command3(this), ListView1(this), Label10(this), Label8(this),
      Picture1(this), Line4(&Picture1), Label7(this), Label13(this), Label11(this), Label12(this), Timer1(this),
      l_(std::move(links)) {
    setCaption(QString::fromUtf8(kScheduleWindowCaption));
    move_twips(1200, 1200, 9240, 7500);
    for (auto& line : Line1) line.setParent(&Picture1);
    for (auto& line : Line2) line.setParent(&Picture1);
    for (auto& label : Label9) label.setParent(this);
    for (auto& mark : Shape1) mark.setParent(this);
    lay_out();
    Timer1.setInterval(5000);
    Timer1.setEnabled(false);
    Text1.installEventFilter(this);
}

void ScheduleWindow::lay_out() {
    platform::lay_out({
        {&Frame2, 120, 60, 2900, 720, "リモートのリグの選択"},
        {&Combo3, 120, 300, 2640, 330, nullptr, "コントロールを行うリグを選択設定してください"},
        {&Command4, 3180, 180, 2280, 480, "スケジュール運用開始", "登録されたスケジュールにしたがって運用を開始する"},
        {&Command5, 5580, 180, 2280, 480, "スケジュール運用中止", "スケジュール運用の中止"},
        {&Command3, 7980, 180, 1020, 480, "終了"},
        {&Frame1, 120, 840, 8880, 2160, "スケジュール"},
        {&Label1, 120, 300, 1560, 260, "衛星グループ"},
        {&Combo1, 120, 580, 1560, 330, nullptr, "衛星グループを選択"},
        {&Label2, 1800, 300, 1560, 260, "衛星名"},
        {&Combo2, 1800, 580, 1560, 330, nullptr, "衛星を選択"},
        {&Frame3, 3480, 240, 2160, 720, "開始時間"},
        {&Combo4, 120, 300, 720, 330},
        {&Label3, 870, 330, 240, 260, "時"},
        {&Combo5, 1110, 300, 720, 330},
        {&Label4, 1860, 330, 240, 260, "分"},
        {&Frame4, 5760, 240, 2160, 720, "終了時間"},
        {&Combo6, 120, 300, 720, 330},
        {&Label5, 870, 330, 240, 260, "時"},
        {&Combo7, 1110, 300, 720, 330},
        {&Label6, 1860, 330, 240, 260, "分"},
        {&Frame5, 120, 1020, 4200, 1020, "受信モード"},
        {&Option1, 120, 240, 3900, 240, "ビーコン受信"},
        {&Option2, 120, 480, 3900, 240, "通常受信（手動－自動取り込み）"},
        {&Option3, 120, 720, 3900, 240, "通常受信（自動）"},
        {&Label14, 4440, 1140, 900, 260, "最大仰角"},
        {&Text1, 5400, 1110, 900, 330},
        {&Command1, 6480, 1080, 1080, 420, "追加"},
        {&Command2, 7680, 1080, 1080, 420, "削除"},
        {&ListView1, 120, 3060, 8880, 1620, nullptr, "スケジュールされた衛星情報の一覧"},
        {&Label10, 120, 4740, 1400, 260, "スケジュール表"},
        {&Label7, 1560, 4740, 1500, 260, nullptr, "スケジュール設定を開始した時間"},
        {&Label13, 3180, 4740, 1500, 260},
        {&Label11, 4800, 4740, 900, 260},
        {&Label12, 5820, 4740, 3180, 260},
        {&Label8, kPictureLeft - kStripMargin, 5130, kPictureWidth + 2 * kStripMargin, 240},
        {&Picture1, kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight},
    });
    ListView1.setColumns({"リグ", "衛星グループ", "衛星名", "追跡開始時間", "追跡終了時間", "受信モード"});
    for (int k = 0; k < kMaxEntries; ++k) {
        platform::place(&Label9[k], 300, kPictureTop + 300 * k, 1200, 290);
        Label9[k].setToolTip(QString::fromUtf8("削除対象を選択するときはクリックしてください"));
        Label9[k].setBackColor(platform::kButtonFace);
        Shape1[k].setFillColor(platform::kBlack);
    }
    Picture1.setBackColor(platform::kWhite);
    // Its scale counts twips, so the line controls over it and its boxes share one measure.
    Picture1.Scale(0, 0, kPictureWidth, kPictureHeight);
    // Each hour number stands over its hour line.
    Label8.word_centre_x = [](int i, int) {
        return platform::twips_to_px(kStripMargin) + i * platform::twips_to_px(kPictureWidth) / 24.0;
    };
    Line4.setBorderColor(platform::kRed);
    Line4.setBorderWidth(2);
}

void ScheduleWindow::connect_handlers() {
    Combo1.Click = [this] { Combo1_Click(); };
    Combo2.Click = [this] { Combo2_Click(); };
    Combo3.Click = [this] { Combo3_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    ListView1.Click = [this] { ListView1_Click(); };
    for (int k = 0; k < kMaxEntries; ++k) Label9[k].Click = [this, k] { Label9_Click(k); };
    Timer1.Timer_ = [this] { Timer1_Timer(); };
}

// ---- load and close -------------------------------------------------------------------

void ScheduleWindow::Form_Load() {
    l_.schedule.sched_running = 0;
    t_ = ScheduleTimeline{};
    for (std::string_view g : kGroupNames) Combo1.AddItem(qs(std::string(g)));
    for (std::string_view r : kReceiverNames) Combo3.AddItem(qs(std::string(r)));
    for (int h = 0; h < 24; ++h)
        for (platform::ComboBox* box : {&Combo4, &Combo6}) box->AddItem(qs(two_digits(h)));
    for (int m = 0; m < 60; ++m)
        for (platform::ComboBox* box : {&Combo5, &Combo7}) box->AddItem(qs(two_digits(m)));
    // The boxes start empty: an entry names its own times, group and satellite.
    for (platform::ComboBox* box : {&Combo1, &Combo4, &Combo5, &Combo6, &Combo7}) box->setListIndex(-1);
    Option3.setValue(true);

    const DateTime now = clock_local_now(l_.time);
    Label7.setCaption(qs(general_date_text(std::floor(now))));
    // Separators: 24 hour columns, 5 rows.
    const double w = std::round(Picture1.scaleWidth() / 24), h = std::round(Picture1.scaleHeight() / 5);
    for (int k = 0; k < 23; ++k) Line1[k].setPoints(w * (k + 1), 0, w * (k + 1), Picture1.scaleHeight());
    for (int k = 0; k < 4; ++k) Line2[k].setPoints(0, h * (k + 1), Picture1.scaleWidth(), h * (k + 1));
    const int mark_heights[] = {30, 20, 10, 20, 10};
    for (int k = 0; k < kMaxEntries; ++k) {
        Label9[k].setCaption("");
        platform::place(&Shape1[k], 120, kPictureTop + static_cast<int>(k * h), 150,
                        static_cast<int>(h) + mark_heights[k]);
    }
    t_.start_hour = split_datetime(now).hour;
    Label8.setCaption(qs(hour_strip(t_.start_hour)));

    const QString rigu = qs(l_.settings.schedule_rigu);
    Combo3.setListIndex(std::max(Combo3.findText(rigu), 0));
    const bool weather = Combo3.text() == qs(std::string(kReceiverNames[kWeatherReceiver - 1]));
    Label14.setVisible(weather);
    Text1.setVisible(weather);
    connect_handlers();
    dde_put("Text17", "0");
    dde_put("Text18", "0");
    l_.schedule.sched_window_open = 1;
    Timer1.setEnabled(true);
    Timer1_Timer();
}

void ScheduleWindow::Form_Unload(bool& cancel) {
    // A tick inside a transceiver's start or stop closes the window once it is over.
    if (tick_guard_.running()) {
        cancel = true;
        unload_after_tick_ = true;
        return;
    }
    Timer1.setEnabled(false);
    ScheduleState& s = l_.schedule;
    // Nobody would be left to stop the receiver: closing ends the run and stops it.
    if (s.sched_running == 1) {
        s.sched_running = 0;
        const auto busy = tick_guard_.enter();
        stop_rig(s.sched_prev_rig);
    }
    MainWindow& main = l_.main_window();
    main.Command24.setBackColor(platform::kButtonFace);
    main.List1.setBackColor(kPassListPlain);
    main.List1.setToolTip(QString::fromUtf8(kPassListPlainTip));
    s.sched_window_open = 0;
    dde_put("Text18", "0");
    dde_put("Text17", "0");
}

// ---- the boxes ---------------------------------------------------------------------------

void ScheduleWindow::Combo1_Click() {
    Combo2.Clear();
    combo2_slots_.clear();
    const int g = Combo1.listIndex();
    if (g < 0 || g >= kGroups) return;
    for (int slot = 0; slot < kSlots; ++slot) {
        const std::string& name = l_.groups.group_sat_names[g][slot];
        if (name.empty()) continue;
        combo2_slots_.push_back(static_cast<int16_t>(slot));
        Combo2.AddItem(qs(name));
    }
}

void ScheduleWindow::Combo2_Click() {
    // The satellite's slot in its group, also when empty slots come before it.
    const int i = Combo2.listIndex();
    if (i >= 0 && i < static_cast<int>(combo2_slots_.size())) l_.schedule.sched_entry_slot = combo2_slots_[i];
}

void ScheduleWindow::Combo3_Click() {
    l_.settings.schedule_rigu = Combo3.text().toStdString();
    ini_write(Section{"SCHEDULE"}, Key{"RIGU"}, l_.settings.schedule_rigu, torv_ini());
    const bool weather = receiver_digit(l_.settings.schedule_rigu) == kWeatherReceiver;
    Label14.setVisible(weather);
    Text1.setVisible(weather);
    Text1.setText("");
}

bool ScheduleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &Text1 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty()) {
            int key_ascii = text.at(0).unicode();
            Text1_KeyPress(key_ascii);
            if (key_ascii == 0) return true;
        }
    }
    return platform::Form::eventFilter(watched, event);
}

void ScheduleWindow::Text1_KeyPress(int& key_ascii) {
    const bool control = key_ascii < 32;
    const bool sign_point_digit = key_ascii == '-' || key_ascii == '.' || (key_ascii >= '0' && key_ascii <= '9');
    if (control || sign_point_digit) return;
    QApplication::beep();
    key_ascii = 0;
}

// ---- adding and deleting --------------------------------------------------------------------

int ScheduleWindow::receive_mode_option() const {
    if (Option1.value()) return 1;
    if (Option2.value()) return 2;
    return 3;
}

void ScheduleWindow::Command1_Click() {
    ScheduleState& s = l_.schedule;
    const bool from_list = s.sched_from_pass_list == 1;
    s.sched_from_pass_list = 0;
    if (s.sched_running == 1) return;
    EntryInputs in;
    in.receiver = Combo3.text().toStdString();
    in.group = Combo1.text().toStdString();
    in.satellite = Combo2.text().toStdString();
    in.start_hour = Combo4.text().toStdString();
    in.start_minute = Combo5.text().toStdString();
    in.end_hour = Combo6.text().toStdString();
    in.end_minute = Combo7.text().toStdString();
    in.mode = receive_mode_option();
    in.max_el_text = Text1.text().toStdString();
    in.entry_slot = s.sched_entry_slot;
    in.from_pass_list = from_list;
    in.pass_minutes = s.sched_pass_minutes;
    in.pass_az = s.sched_pass_az;
    in.time_day_offset = l_.time.time_day_offset;
    in.chart_shift = l_.chart.chart_shift;
    const AddOutcome o = add_entry(t_, in);
    if (!o.added) {
        if (!o.message.empty()) platform::msg_box(o.message);
        return;
    }
    const int n = ListView1.AddItem(Combo3.text(), {Combo1.text(), Combo2.text(), Combo4.text() + ":" + Combo5.text(),
                                                    Combo6.text() + ":" + Combo7.text(),
                                                    QString::fromUtf8(kModeTexts[in.mode - 1])});
    Label9[n].setCaption(Combo2.text());
    if (s.sched_entry_slot >= 0 && s.sched_entry_slot < kSlots)
        Label9[n].setBackColor(static_cast<platform::ColorValue>(l_.settings.slot_color(s.sched_entry_slot)));
    redraw_timeline();
}

void ScheduleWindow::take_pass(const SchedulePass& p) {
    Combo4.setText(qs(p.pass.start_hour));
    Combo5.setText(qs(p.pass.start_minute));
    Combo6.setText(qs(p.pass.end_hour));
    Combo7.setText(qs(p.pass.end_minute));
    Text1.setText(qs(p.max_el_text));
    if (receiver_digit(Combo3.text().toStdString()) == kWeatherReceiver) {
        Label14.setEnabled(true);
        Text1.setEnabled(true);
    }
    Combo1.setText(qs(group_name(p.group)));
    Combo2.setText(qs(p.satellite));
    Command1_Click();
}

void ScheduleWindow::Command2_Click() {
    const int n = ListView1.listCount();
    if (n == 0) {
        platform::msg_box("情報が登録されていません");
        return;
    }
    const int i = ListView1.selectedItem();
    if (i < 0 || Shape1[i].fillColor() == platform::kBlack) {
        platform::msg_box("削除する項目を選択してください");
        return;
    }
    const int answer = platform::msg_box("ほんとうに削除しますか", platform::MsgButtons::YesNo);
    Shape1[i].setFillColor(platform::kBlack);
    if (answer != platform::vbYes) return;
    remove_entry(t_, i);
    // The rows below move up with their labels; the last label takes the look of a row
    // without entry.
    for (int r = i; r < n; ++r) {
        if (r + 1 < kMaxEntries) {
            Label9[r].setCaption(Label9[r + 1].caption());
            Label9[r].setBackColor(Label9[r + 1].backColor());
        } else {
            Label9[r].setCaption("");
            Label9[r].setBackColor(platform::kBlack);
        }
    }
    ListView1.RemoveItem(i);
    ListView1.update();
    redraw_timeline();
}

void ScheduleWindow::redraw_timeline() {
    Picture1.Cls();
    const double dx = Picture1.scaleWidth() / kLastCell, dy = Picture1.scaleHeight() / kMaxEntries;
    // An entry's row runs on past the picture's edge rather than being cut at cell 1440.
    for (int k = 0; k < static_cast<int>(t_.entries.size()); ++k) {
        const ScheduleEntry& e = t_.entries[k];
        Picture1.Box(e.entry_start * dx, k * dy, (e.entry_start + e.entry_minutes + 1) * dx, (k + 1) * dy,
                     Label9[k].backColor(), true);
    }
    Picture1.Refresh();
}

// ---- choosing a row ------------------------------------------------------------------------

void ScheduleWindow::mark_row(int row) {
    for (int k = 0; k < ListView1.listCount(); ++k) ListView1.setItemForeColor(k, k == row ? platform::kRed : platform::kBlack);
    for (int k = 0; k < kMaxEntries; ++k) Shape1[k].setFillColor(k == row ? platform::kRed : platform::kBlack);
    ListView1.update();
}

void ScheduleWindow::Label9_Click(int index) {
    if (ListView1.listCount() < index + 1) {
        mark_row(-1);
        return;
    }
    ListView1.setSelectedItem(index);
    mark_row(index);
}

void ScheduleWindow::ListView1_Click() {
    if (ListView1.listCount() == 0) return;
    mark_row(ListView1.selectedItem());
}

}  // namespace torv
