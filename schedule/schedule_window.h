#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/live_values_window.h"
#include "common/reentry_guard.h"
#include "common/schedule_state.h"
#include "mainwindow/main_window.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture_box.h"
#include "rig/rig_window.h"
#include "schedule/schedule_timeline.h"

namespace torv {

// What the schedule window works on: the shared schedule values, the main window's
// groups, chart and time offsets and slot colours, the transceivers' mirrored flags,
// and the windows it drives.
struct ScheduleWindowLinks {
    ScheduleState& schedule;
    SatGroupTable& groups;
    const ChartFlags& chart;
    const TimeState& time;
    MainSettings& settings;
    ScheduleMirror& mirror;
    platform::FormInstance<MainWindow>& main_window;
    platform::FormInstance<LiveValuesWindow>& dde;
    // The transceiver's window as it is now; none when not loaded.
    std::function<RigWindow*(Transceiver t)> rig_window;
};

// "スケジュール運用": up to five passes on a 24-hour time line from the hour the window
// was opened, added by hand or from the main window's pass list, and run unattended:
// every 5 s the current minute's code selects the group and satellite in the main
// window, starts the entry's transceiver and sets its receive mode, and a free minute
// after a pass stops it.
class ScheduleWindow : public platform::Form {
    Q_OBJECT
public:
    explicit ScheduleWindow(ScheduleWindowLinks links);

    platform::Frame Frame2;  // "リモートのリグの選択"
    platform::ComboBox Combo3;  // the transceiver (or weather receiver) the run controls
    platform::Frame Frame1;  // "スケジュール"
    platform::Label Label1, Label2;     // "衛星グループ", "衛星名"
    platform::ComboBox Combo1, Combo2;  // group, satellite
    platform::Frame Frame3, Frame4;     // start, end
    platform::ComboBox Combo4, Combo5,  // start hour, minute
        Combo6, Combo7;                 // end hour, minute
    platform::Label Label3, Label4, Label5, Label6;  // "時", "分", "時", "分"
    platform::Frame Frame5;  // "受信モード"
    platform::OptionButton Option1,  // "ビーコン受信"
        Option2,                     // "通常受信（手動－自動取り込み）"
        Option3;                     // "通常受信（自動）"
    platform::Label Label14;         // "最大仰角", shown for the weather receiver
    platform::TextBox Text1;  // maximum elevation of a weather-receiver entry
    platform::CommandButton Command1, Command2;  // "追加", "削除"
    platform::CommandButton Command4, Command5;  // start and stop the run
    platform::CommandButton Command3;            // "終了"
    platform::ListView ListView1;                // the entries: rig, group, satellite, start, end, receive mode
    platform::Label Label10;         // "スケジュール表"
    platform::Label Label8;          // hour numbers
    platform::PictureBox Picture1;   // the time line: 5 rows × 1440 minutes
    std::array<platform::LineControl, 23> Line1;  // hour separators
    std::array<platform::LineControl, 4> Line2;   // row separators
    platform::LineControl Line4;                  // the "now" cursor
    std::array<platform::Label, kMaxEntries> Label9;  // row labels
    std::array<platform::Shape, kMaxEntries> Shape1;  // row marks: red = chosen
    platform::Label Label7;                      // the date the window was opened
    platform::Label Label13, Label11, Label12;   // today, the current minute's code, the run's status
    platform::Timer Timer1;                      // 5 s

    const ScheduleTimeline& timeline() const { return t_; }

    // ---- entries ----
    void Command1_Click();  // add
    void Command2_Click();  // delete
    void redraw_timeline();
    // A pass from the main window's pass list: into the boxes, then added.
    void take_pass(const SchedulePass& pass);
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Label9_Click(int index);
    void ListView1_Click();
    // Keys the maximum-elevation box takes: control keys, "-", "." and digits; key_ascii
    // becomes 0 (with a beep) for the others.
    void Text1_KeyPress(int& key_ascii);
    void Command3_Click() { Unload(); }

    // ---- the run ----
    void Timer1_Timer();
    void Command4_Click();  // start the run
    void Command5_Click();  // stop the run
    void apply_slot_code(int code);
    void stop_rig(int rig);

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lay_out();
    void connect_handlers();
    int receive_mode_option() const;
    void mark_row(int row);
    void tick_steps();
    void select_group(int group);
    void select_slot(int slot);
    void start_receiver(int rig);
    void apply_receive_mode(Transceiver t, int mode);
    void stop_transceiver(Transceiver t);
    // The transceiver's running flag in the mirrored flags.
    int* running_flag(Transceiver t);
    void publish(const std::string& code, const std::string& max_el, const std::string& az);
    void dde_put(const char* item, const std::string& text);

    ScheduleWindowLinks l_;
    ScheduleTimeline t_;
    std::vector<int16_t> combo2_slots_;  // the group slot of each satellite box entry
    ReentryGuard tick_guard_;
    bool unload_after_tick_ = false;
};

inline const char* const kScheduleWindowCaption = "スケジュール運用";

}  // namespace torv
