// The link part of the transceiver window template: set-up, start, stop and its
// deferral, closing, the tick and the frames every tick sends.
#include <QTimer>

#include "common/number_text.h"
#include "common/sat_records.h"
#include "common/settings_store.h"
#include "common/waits.h"
#include "platform/text.h"
#include "rig/cat_link.h"
#include "rig/frame_text.h"
#include "rig/rig_window.h"

namespace torv {

using platform::qs;

namespace {

std::string comm_error_text(int event) {
    switch (event) {
        case platform::comEventBreak: return "中断信号受信 通信エラー";
        case platform::comEventFrame: return "フレームエラー 通信エラー";
        case platform::comEventOverrun: return "オーバーランエラー 通信エラー";
        case platform::comEventRxOver: return "受信バッファオーバー 通信エラー";
        case platform::comEventRxParity: return "受信パリティエラー 通信エラー";
        case platform::comEventTxFull: return "送信バッファフル 通信エラー";
        case platform::comEventDCB: return "DCB取得エラー 通信エラー";
        default: return "未定義エラー発生 通信エラー";
    }
}

// How long a stop waits for its closing frames to leave.
constexpr int kDrainMs = 3000;

std::string band_text(double low, double high) {
    return format_number(low, "##0.000") + "～" + format_number(high, "##0.000");
}

}  // namespace

void RigWindow::place_link_controls() {
    platform::place(&Command2, 6240, 120, 2400, 420);
    platform::place(&Command1, 6240, 600, 2400, 420);
    // Status rows; the fourth is the radio's.
    platform::Label* status[] = {&Label15, &Label16, &Label25, nullptr, &Label32, &Label33};
    for (int i = 0; i < 6; ++i)
        if (status[i]) platform::place(status[i], 6240, 1140 + 300 * i, 2400, 280);
    platform::CommandButton* tx_modes[] = {&Command6, &Command5, &Command3, &Command4};
    platform::CommandButton* rx_modes[] = {&Command7, &Command8, &Command9, &Command10};
    const char* names[] = {"USB", "LSB", "CW", "FM"};
    for (int i = 0; i < 4; ++i) {
        platform::place(tx_modes[i], 120 + 600 * i, 3240, 560, 360);
        platform::place(rx_modes[i], 2640 + 600 * i, 3240, 560, 360);
        tx_modes[i]->setCaption(names[i]);
        rx_modes[i]->setCaption(names[i]);
    }
    platform::place(&Shape15, 120, 3720, 240, 240);
    platform::place(&Command12, 420, 3720, 900, 360);
    platform::place(&Command14, 1380, 3720, 1100, 360);
    platform::place(&Shape14, 2640, 3720, 240, 240);
    platform::place(&Command11, 2940, 3720, 900, 360);
    platform::place(&Command13, 3900, 3720, 1100, 360);
    platform::place(&Command15, 3120, 4200, 2000, 480);
    platform::place(&Picture1, 120, 4800, 3840, 300);
    platform::place(&Picture2, 4080, 4800, 3840, 300);
    for (platform::PictureBox* meter : {&Picture1, &Picture2}) meter->Scale(0, 0, 32, 1);
    Command1.setCaption("終了");
    Command2.setCaption(radio_.start_caption);
    Command11.setCaption("自動");
    Command12.setCaption("自動");
    Command13.setCaption("周波数取込");
    Command14.setCaption("周波数取込");
    Command15.setCaption("ＳＯ－５０オン信号");
    Command15.hide();
    Timer1.setInterval(radio_.tick_ms);
    Timer2.setInterval(1700);
    Timer2.setEnabled(false);
}

void RigWindow::connect_link_handlers() {
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command6.Click = [this] { mode_button(Side::Tx, RadioMode::Usb); };
    Command5.Click = [this] { mode_button(Side::Tx, RadioMode::Lsb); };
    Command3.Click = [this] { mode_button(Side::Tx, RadioMode::Cw); };
    Command4.Click = [this] { mode_button(Side::Tx, RadioMode::Fm); };
    Command7.Click = [this] { mode_button(Side::Rx, RadioMode::Usb); };
    Command8.Click = [this] { mode_button(Side::Rx, RadioMode::Lsb); };
    Command9.Click = [this] { mode_button(Side::Rx, RadioMode::Cw); };
    Command10.Click = [this] { mode_button(Side::Rx, RadioMode::Fm); };
    Command11.Click = [this] { Command11_Click(); };
    Command12.Click = [this] { Command12_Click(); };
    Command13.Click = [this] { Command13_Click(); };
    Command14.Click = [this] { Command14_Click(); };
    Command15.Click = [this] { Command15_Click(); };
    Timer1.Timer_ = [this] { Timer1_Timer(); };
    Timer2.Timer_ = [this] { Timer2_Timer(); };
    MSComm1.OnComm = [this] { MSComm1_OnComm(); };
}

void RigWindow::set_link_buttons(platform::CommandButton* ptt, platform::CommandButton* beacon,
                                 platform::CommandButton* capture) {
    ptt_button_ = ptt;
    beacon_button_ = beacon;
    capture_button_ = capture;
    if (ptt) platform::place(ptt, 120, 4200, 1400, 480);
    if (beacon) platform::place(beacon, 1620, 4200, 1400, 480);
    if (capture) platform::place(capture, 5060, 3720, 1100, 360);
}

// ---- set-up ------------------------------------------------------------------------

void RigWindow::form_load() {
    setup_begin();
    const std::string& sat = ctx.sat.selected_sat;
    Label4.setCaption(qs(sat));
    state.no_sat_info = 0;
    no_info_notice_shown = 0;
    const std::optional<std::string> record = read_sat_info(sat, torv_ini());
    if (!record) {
        if (ctx.services.open_sat_info_editor) ctx.services.open_sat_info_editor();
        state.no_sat_info = 1;
        return;
    }
    make_rx_fixed_at_setup();
    parse_sat_info(*record);
    for (platform::PictureBox* meter : {&Picture1, &Picture2}) draw_meter(*meter, 0, 0);
    Command2.setEnabled(val(cat_.enable) == 1);

    set_auto(state.tx_auto, Shape15, Command12, true);
    Command14.setEnabled(false);
    set_auto(state.rx_auto, Shape14, Command11, true);
    *mirror_.rx_auto = 1;
    Command13.setEnabled(false);
    state.auto_capture_on = 0;
    if (mirror_.auto_capture) *mirror_.auto_capture = 0;
    if (capture_button_) {
        capture_button_->setEnabled(false);
        capture_button_->setBackColor(kButtonFace);
    }
    show_passbands();
    setup_end();
}

void RigWindow::set_auto(int& flag, platform::Shape& lamp, platform::CommandButton& button, bool on) {
    flag = on ? 1 : 0;
    lamp.setFillColor(on ? kRed : kWhite);
    button.setCaption(on ? "自動" : "手動");
}

void RigWindow::show_passbands() {
    // The passbands go by the conversion type's number: a type written "01" or "1.0"
    // shows the bands as "1" does.
    const double type = val(state.conversion_type);
    const CurrentSatValues& s = ctx.sat.values;
    if (type == 0) {
        Label32.setCaption(qs(format_number(s.sat_uplink_low, "##0.000")));
        Label33.setCaption(qs(format_number(s.sat_downlink_low, "##0.000")));
    } else if (type == 1 || type == 2) {
        Label32.setCaption(qs(band_text(s.sat_uplink_low, s.sat_uplink_high)));
        Label33.setCaption(qs(band_text(s.sat_downlink_low, s.sat_downlink_high)));
    }
}

// ---- start, stop, close ------------------------------------------------------------

void RigWindow::Command2_Click() {
    if (running()) request_stop();
    else start_link();
}

void RigWindow::start_link() {
    MSComm1.RThreshold = radio_.r_threshold;
    MSComm1.SThreshold = radio_.s_threshold;
    MSComm1.InputLen = radio_.input_len;
    if (!open_cat_port(MSComm1, cat_.port, cat_.speed, port_framing())) {
        notice(port_open_failure_message(cat_.port));
        end_window(radio_.start_failure);
        return;
    }
    Label15.setCaption(radio_.open_status);
    ptt_on = 0;
    line_lost_ = false;
    // The link counts as running once the radio has taken the opening frames; one it
    // gives up is stopped like a running one, so the radio is given back. A line that
    // hung up meanwhile ends it as a lost line, whatever the opening made of it.
    const bool opened = send_opening();
    *mirror_.running = 1;
    if (line_lost_) {
        end_lost_link();
        return;
    }
    if (!opened) {
        end_window(radio_.start_failure);
        return;
    }
    key_preview_ = ptt_button_ != nullptr;
    // A link lost while transmitting left the radio keyed, whatever the window shows.
    if (ptt_button_ && !radio_.ptt_in_own_frames) send_ptt(false);
    after_opening();
    // Ended under the start's notices (a line lost meanwhile): nothing more to start.
    if (!running()) return;
    Command2.setBackColor(kGreen);
    Command2.setCaption(radio_.stop_caption);
    if (ctx.services.run_sat_programs) ctx.services.run_sat_programs();
    send_initial_state();
}

void RigWindow::stop_operation() {
    // Never close the port under a request that waits for its reply.
    if (wait_busy()) return;
    clear_meters();
    if (!running()) return;

    ptt_on = 0;
    key_preview_ = false;
    if (ptt_button_) {
        if (!radio_.ptt_in_own_frames) send_ptt(false);
        ptt_button_->setBackColor(kButtonFace);
    }
    send_closing();
    // What the radio still had to say is of no use now; what was said to it must reach
    // it before the port closes, unless the line takes nothing.
    MSComm1.setInBufferCount(0);
    MSComm1.drain_output(kDrainMs);
    MSComm1.setPortOpen(false);
    *mirror_.running = 0;
    Command2.setCaption(radio_.start_caption);
    Command15.hide();
    Label15.setCaption(radio_.closed_status);
    Label25.setCaption("");
    Command2.setBackColor(kButtonFace);
    after_stop();
    save_corrections();
}

bool RigWindow::link_busy() const { return running() || MSComm1.PortOpen(); }

void RigWindow::request_stop() {
    if (stop_pending_) return;
    if (!wait_busy() || !link_busy()) {
        carry_out_stop();
        return;
    }
    // A request waits for its reply further up: stop as soon as that wait has ended.
    stop_pending_ = true;
    Command2.setCaption("停止中…");
    after_waits(this, [this] {
        stop_pending_ = false;
        carry_out_stop();
    });
}

void RigWindow::request_setup() {
    if (!wait_busy()) {
        form_load();
        return;
    }
    if (setup_pending_) return;
    setup_pending_ = true;
    after_waits(this, [this] {
        setup_pending_ = false;
        form_load();
    });
}

void RigWindow::carry_out_stop() {
    stop_operation();
    const End end = end_after_stop_;
    end_after_stop_ = End::None;
    const std::vector<std::function<void()>> calls = std::move(after_stop_calls_);
    after_stop_calls_.clear();
    for (const auto& call : calls) call();
    if (end == End::Hide) Hide();
    else if (end == End::Unload) Unload();
}

void RigWindow::end_window(End how) {
    if (how == End::Unload || end_after_stop_ == End::None) end_after_stop_ = how;
    request_stop();
}

void RigWindow::stop_for_exit(std::function<void()> done) {
    after_stop_calls_.push_back(std::move(done));
    request_stop();
}

void RigWindow::save_corrections() {
    const std::string& sat = ctx.sat.selected_sat;
    // A failed write is told by the settings store; a record too long to hold them is told here.
    if (write_sat_corrections(sat, HScroll1.value(), HScroll2.value(), ctx.rig.sat_converter_offset, torv_ini()) ==
        CorrectionsSaved::TooLong)
        notice(corrections_too_long_message(sat));
}

void RigWindow::Command1_Click() { end_window(radio_.close_button); }

void RigWindow::Form_Unload(bool& cancel) {
    // A link that cannot be stopped yet (running, or starting with its port open) keeps
    // its window: unloading it would drop the port without the closing frames, under a
    // wait of its own. It unloads once the stop is done.
    if (stop_pending_ || (link_busy() && wait_busy())) {
        cancel = true;
        end_window(End::Unload);
        return;
    }
    stop_operation();
    on_unload();
}

// ---- the tick ----------------------------------------------------------------------

void RigWindow::Timer1_Timer() {
    // A tick that waits (a reply, a notice) lets events run; a tick falling due
    // meanwhile is skipped rather than nested, so no notice is stacked on another.
    if (const auto tick = tick_guard_.try_enter()) tick_steps();
}

void RigWindow::run_tick() {
    const auto tick = tick_guard_.enter();
    tick_steps();
}

void RigWindow::tick_steps() {
    if (Label4.caption() != qs(ctx.sat.selected_sat)) {
        form_load();
        if (!after_satellite_change()) return;
    }
    if (state.no_sat_info == 1) {
        missing_record();
        return;
    }
    update_modes_and_tone();
    poll_meters();
    engine_step();
    send_frequencies();
}

void RigWindow::missing_record() {
    const bool once = radio_.missing_record == MissingRecord::NoticeOnceAndHide;
    if (once && no_info_notice_shown == 1) return;
    no_info_notice_shown = 1;
    // The link is stopped (the transmitter unkeyed) before the notice waits for the
    // operator, not after.
    request_stop();
    notice("人工衛星の情報登録後、再度実行してください。");
    if (once) {
        Hide();
        return;
    }
    state.no_sat_info = 0;
    end_window(End::Unload);
}

void RigWindow::update_modes_and_tone() {
    if (!running()) return;
    if (state.rx_mode != state.rx_mode_sent && beacon_on != 1) {
        state.rx_mode_sent = state.rx_mode;
        if (state.recive_freq <= radio_.mode_highest) send_mode(Side::Rx, state.rx_mode);
    }
    if (state.tx_mode != state.tx_mode_sent) {
        state.tx_mode_sent = state.tx_mode;
        if (state.send_freq <= radio_.mode_highest) send_mode(Side::Tx, state.tx_mode);
        set_tone();
    }
}

void RigWindow::initial_modes_and_tone() {
    state.rx_mode_sent = state.rx_mode;
    if (state.recive_freq <= radio_.mode_highest) send_mode(Side::Rx, state.rx_mode);
    state.tx_mode_sent = state.tx_mode;
    if (state.send_freq <= radio_.mode_highest) {
        if (radio_.start_tx_mode_pause > 0) sleep_sec(radio_.start_tx_mode_pause);
        send_mode(Side::Tx, state.tx_mode);
    }
    set_tone();
}

void RigWindow::send_beacon_mode() {
    if (!running()) return;
    const RadioMode mode = sat_beacon_mode();
    if (mode == state.rx_mode_sent) return;
    state.rx_mode_sent = mode;
    if (state.recive_freq <= radio_.mode_highest) send_mode(Side::Rx, mode);
}

bool RigWindow::sendable(Side side) const {
    const bool tx = side == Side::Tx;
    const double f = tx ? state.send_freq : state.recive_freq;
    const int automatic = tx ? state.tx_auto : state.rx_auto;
    // A side the satellite does not have (a receive-only satellite's uplink 0) is
    // never sent, whatever its corrections make of it.
    const double nominal = val(tx ? state.uplink_text : state.downlink_text);
    return automatic == 1 && nominal > 0 && f > 0 && f >= radio_.lowest && f <= radio_.highest;
}

void RigWindow::send_frequencies() {
    if (!running()) return;
    if (sendable(Side::Tx)) send_frequency(Side::Tx, state.send_freq);
    if (beacon_on == 1) send_beacon_frequency();
    else if (sendable(Side::Rx)) send_frequency(Side::Rx, state.recive_freq);
}

void RigWindow::send_beacon_frequency() {
    const double beacon = val(ctx.rig.rig_beacon_text);
    if (beacon > radio_.beacon_lowest) {
        send_frequency(Side::Rx, beacon);
    } else if (ctx.sched_running != 0) {
        notice(ctx.sat.selected_sat + ":ビーコン周波数の確認をしてください");
    } else {
        notice("ビーコン周波数の確認をしてください。");
        beacon_toggle();
    }
}

void RigWindow::notice(const std::string& text) {
    if (ctx.sched_running != 0 && ctx.services.sched_status) ctx.services.sched_status(text);
    else torv::notice(text);
}

// ---- the port ----------------------------------------------------------------------

void RigWindow::send_hex_command(const std::string& text) {
    if (!MSComm1.PortOpen()) return;
    for (uint8_t byte : frames::hex_bytes(text)) MSComm1.Output(QByteArray(1, static_cast<char>(byte)));
}

void RigWindow::write_bytes(const std::vector<uint8_t>& bytes) {
    if (MSComm1.PortOpen())
        MSComm1.Output(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
}

void RigWindow::send_request(const std::string& hex_frame) {
    MSComm1.setInBufferCount(0);
    send_hex_command(hex_frame);
}

void RigWindow::MSComm1_OnComm() {
    const int event = MSComm1.CommEvent;
    if (event == platform::comEvReceive) receive_reply();
    else if (event == platform::comEventCDTO) line_lost();
    else if (event > 1000 && radio_.shows_serial_errors) Label16.setCaption(qs(comm_error_text(event)));
}

void RigWindow::line_lost() {
    // Told once: the first report closes the port, so nothing more is written to the
    // dead line and its further reads and writes report nothing.
    if (!MSComm1.PortOpen()) return;
    MSComm1.setPortOpen(false);
    line_lost_ = true;
    // The link ends from the event loop, never inside the read or write that found the
    // line gone; a start still sending its opening frames ends it itself.
    QTimer::singleShot(0, this, [this] { end_lost_link(); });
}

void RigWindow::end_lost_link() {
    if (!line_lost_ || !running()) return;
    line_lost_ = false;
    // As a stop (its frames go nowhere, the port being closed), then the notice; during
    // a wait both come once the outermost wait has ended.
    after_stop_calls_.push_back([this] { notice(line_lost_message(cat_.port)); });
    request_stop();
}

// A meter is 32 columns: a bar of that many columns, then the grid over it.
void RigWindow::draw_meter(platform::PictureBox& meter, int columns, platform::ColorValue color) {
    if (columns > 0) meter.Box(0, 0, columns, 1, color, true);
    for (int i = 1; i <= 31; ++i) meter.Line(i, 0, i, 1, 0);
}

void RigWindow::clear_meters() {
    for (platform::PictureBox* meter : {&Picture1, &Picture2}) {
        meter->Cls();
        draw_meter(*meter, 0, 0);
    }
}

}  // namespace torv
