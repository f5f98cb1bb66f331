// The schedule's run: the 5 s tick, which moves the cursor and publishes the current
// minute for an outside weather-satellite receiver program, and while the run is active
// applies the minute's code to the main window and the transceiver windows, and stops
// the receiver at the first free minute after a pass.
#include "common/dde_items.h"
#include "common/number_text.h"
#include "common/waits.h"
#include "orbit/time_base.h"
#include "platform/text.h"
#include "schedule/schedule_window.h"

namespace torv {

using platform::qs;

namespace {

// The status line of a receiver being run, by receiver digit.
constexpr std::array<const char*, kReceiverNames.size()> kStartTexts = {
    "ＦＴ－８４７ 運用開始 ", "ＩＣ－９１０ 運用開始 ", "ＴＳ－２０００ 運用開始 ", "ＦＴ－７３６ 運用開始 ",
    "気象衛星 運用開始 "};

// How often, and how far apart, a receiver is asked to stop.
constexpr int kStopTries = 6;
constexpr float kStopWait = 1.0f;

}  // namespace

void ScheduleWindow::dde_put(const char* item, const std::string& text) { l_.dde().set_item_text(item, qs(text)); }

void ScheduleWindow::publish(const std::string& code, const std::string& max_el, const std::string& az) {
    dde_put("Text18", code);
    dde_put("Text17", max_el);
    dde_put("Text19", az);
}

void ScheduleWindow::Timer1_Timer() {
    // A start or stop waits (the radio's replies, the stop's retries): a tick falling due
    // meanwhile is skipped rather than run inside it.
    if (const auto tick = tick_guard_.try_enter()) tick_steps();
    if (unload_after_tick_ && !tick_guard_.running()) {
        unload_after_tick_ = false;
        Unload();
    }
}

void ScheduleWindow::tick_steps() {
    const DateTime now = clock_local_now(l_.time);
    const DateParts clock = split_datetime(now);
    const int m = timeline_minute(clock.hour, clock.minute, t_.start_hour);
    const double x = m * (Picture1.scaleWidth() / kLastCell);
    Line4.setPoints(x, 0, x, Picture1.scaleHeight());
    const int code = t_.minute_code[m];
    Label11.setCaption(qs(str_num(code)));
    publish(dde_number_text("Text18", code), dde_number_text("Text17", t_.minute_max_el[m]),
            dde_number_text("Text19", t_.minute_az[m]));
    Label13.setCaption(qs(general_date_text(std::floor(now))));

    ScheduleState& s = l_.schedule;
    if (s.sched_running == 0) return;
    if (code != 0) {
        apply_slot_code(code);
        t_.prev_code = code;
    } else if (t_.prev_code != 0) {
        stop_rig(s.sched_rig);
        t_.prev_code = 0;
    }
}

// ---- starting and stopping the run -----------------------------------------------------

void ScheduleWindow::Command4_Click() {
    Command4.setBackColor(platform::kYellow);
    MainWindow& main = l_.main_window();
    main.List1.setBackColor(kPassListPlain);
    main.List1.setToolTip(QString::fromUtf8(kPassListPlainTip));
    Command1.setEnabled(false);
    Command2.setEnabled(false);
    l_.schedule.sched_running = 1;
}

void ScheduleWindow::Command5_Click() {
    Command4.setBackColor(platform::kButtonFace);
    MainWindow& main = l_.main_window();
    main.List1.setBackColor(kPassListRegistering);
    main.List1.setToolTip(QString::fromUtf8(kPassListRegisteringTip));
    Command1.setEnabled(true);
    Command2.setEnabled(true);
    publish("0", "0", "0");
    l_.schedule.sched_running = 0;
}

// ---- applying a code ----------------------------------------------------------------------

void ScheduleWindow::apply_slot_code(int code) {
    ScheduleState& s = l_.schedule;
    const SlotDigits d = decode_slot_code(code);
    s.sched_rig = d.rig;
    s.sched_group = d.group;
    s.sched_slot = d.slot;
    s.sched_mode = d.mode;
    // Another receiver takes over: the one running is given back first, so no radio is
    // left running after its pass (and the new satellite is selected after its stop).
    if (s.sched_rig != s.sched_prev_rig && transceiver_of(s.sched_prev_rig)) stop_rig(s.sched_prev_rig);

    const SatGroupTable& g = l_.groups;
    if (s.sched_group != g.group_current + 1 || s.sched_prev_group != s.sched_group) select_group(s.sched_group);
    s.sched_prev_group = s.sched_group;
    if (s.sched_slot != s.sched_prev_slot || s.sched_slot != g.group_slot) select_slot(s.sched_slot);
    s.sched_prev_slot = s.sched_slot;

    if (s.sched_rig != s.sched_prev_rig) {
        if (s.sched_rig < 1 || s.sched_rig > kWeatherReceiver) return;
        start_receiver(s.sched_rig);
        s.sched_prev_rig = s.sched_rig;
    }
    if (const std::optional<Transceiver> t = transceiver_of(s.sched_rig)) apply_receive_mode(*t, s.sched_mode);
}

void ScheduleWindow::select_group(int group) {
    // The main window's previous-group button lowers the group by one: 1..5 lands on A..E.
    l_.groups.group_current = static_cast<int16_t>(group);
    l_.main_window().Command3_Click();
}

void ScheduleWindow::select_slot(int slot) {
    using Click = void (MainWindow::*)();
    static constexpr Click labels[] = {
        &MainWindow::Label12_Click, &MainWindow::Label13_Click, &MainWindow::Label14_Click, &MainWindow::Label15_Click,
        &MainWindow::Label16_Click, &MainWindow::Label60_Click, &MainWindow::Label61_Click};
    if (slot >= 1 && slot <= kSlots) (l_.main_window().*labels[slot - 1])();
}

int* ScheduleWindow::running_flag(Transceiver t) {
    ScheduleMirror& m = l_.mirror;
    const std::array<int*, kTransceivers> flags = {&m.ft847_running, &m.ic910_running, &m.ts2000_running,
                                                   &m.ft736_running};
    return flags[transceiver_row(t)];
}

void ScheduleWindow::start_receiver(int rig) {
    Label12.setCaption(QString::fromUtf8(kStartTexts[rig - 1]));
    const std::optional<Transceiver> t = transceiver_of(rig);
    if (!t) return;
    // The main window's remote button of the transceiver shows its window.
    using Click = void (MainWindow::*)();
    static constexpr std::array<Click, kTransceivers> buttons = {
        &MainWindow::Command12_Click, &MainWindow::Command19_Click, &MainWindow::Command21_Click,
        &MainWindow::Command23_Click};
    (l_.main_window().*buttons[transceiver_row(*t)])();
    if (*running_flag(*t) != 0) return;
    if (RigWindow* w = l_.rig_window(*t)) w->Command2_Click();
}

void ScheduleWindow::apply_receive_mode(Transceiver t, int mode) {
    // A receiver whose start failed is not pressed: its buttons would only refuse.
    if (*running_flag(t) != 1) return;
    RigWindow* w = l_.rig_window(t);
    if (!w) return;
    const RigWindow::Mirror& f = w->mirror();
    // The run uses beacon reception and auto-capture only where the radio has them.
    const bool beacon = f.beacon_mode != nullptr, capture = f.auto_capture != nullptr;
    if (mode == 1) {
        if (beacon && *f.beacon_mode == 0) w->beacon_toggle();
        return;
    }
    if (mode != 2 && mode != 3) return;
    if (beacon && *f.beacon_mode == 1) w->beacon_toggle();
    if (*f.fixed_side != 2) w->Label2_Click();
    if (mode == 2) {
        if (*f.rx_auto == 1) {
            w->Command11_Click();
            if (capture) w->auto_capture_toggle();
        } else if (capture && *f.auto_capture == 0) {
            w->auto_capture_toggle();
        }
        return;
    }
    if (capture && *f.auto_capture == 1) w->auto_capture_toggle();
    if (*f.rx_auto == 0) w->Command11_Click();
}

void ScheduleWindow::stop_rig(int rig) {
    // The weather-satellite receiver has nothing to stop; its status stays.
    if (rig == kWeatherReceiver) return;
    if (const std::optional<Transceiver> t = transceiver_of(rig)) stop_transceiver(*t);
    Label12.setCaption("");
    ScheduleState& s = l_.schedule;
    s.sched_prev_rig = s.sched_prev_group = s.sched_prev_slot = 999;
}

void ScheduleWindow::stop_transceiver(Transceiver t) {
    // A stop asked for while the radio waits for a reply is carried out after that
    // wait: asked again once a second until the link is down.
    for (int tries = 0; tries < kStopTries && *running_flag(t) != 0; ++tries) {
        RigWindow* w = l_.rig_window(t);
        if (!w) break;
        // The FT-847's start/stop button stops it; the others' close button stops and closes.
        if (t == Transceiver::Ft847) w->Command2_Click();
        else w->Command1_Click();
        wait_sec(kStopWait);
    }
    if (t != Transceiver::Ft847) return;
    if (RigWindow* w = l_.rig_window(t)) w->Command1_Click();  // hidden, still loaded
}

}  // namespace torv
