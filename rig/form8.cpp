#include "rig/form8.h"

#include <QKeyEvent>
#include <QTimer>

#include "common/number_text.h"
#include "common/sat_records.h"
#include "common/settings_store.h"
#include "common/waits.h"
#include "rig/cat_link.h"
#include "rig/frame_text.h"
#include "rig/ft847_frames.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {


// The highest frequency the window sends on either side, MHz.
constexpr double kTopFrequency = 460;

const char* const kNotInCatMode = "ＦＴ８４７がＣＡＴ運用のモードになっていません";

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

}  // namespace

form8::form8(RigContext& context)
    : RigWindow(context, Options{}), Command1(this), Command2(this), Command3(this), Command4(this), Command5(this),
      Command6(this), Command7(this), Command8(this), Command9(this), Command10(this), Command11(this),
      Command12(this), Command13(this), Command14(this), Command15(this), Command16(this), Command17(this),
      Command18(this), Shape14(this), Shape15(this), Label15(this), Label16(this), Label25(this), Label26(this),
      Label32(this), Label33(this), Picture1(this), Picture2(this), MSComm1(this) {
    setCaption("ＦＴ８４７リモートコントロール");
    Command1.setCaption("終了");
    Command2.setCaption("FT847CAT運用開始");
    const std::pair<platform::CommandButton*, const char*> captions[] = {
        {&Command3, "CW"},  {&Command4, "FM"},   {&Command5, "LSB"},       {&Command6, "USB"},
        {&Command7, "USB"}, {&Command8, "LSB"},  {&Command9, "CW"},        {&Command10, "FM"},
        {&Command11, "自動"}, {&Command12, "自動"}, {&Command13, "周波数取込"}, {&Command14, "周波数取込"},
        {&Command15, "ＳＯ－５０オン信号"}, {&Command16, "ＰＴＴ"}, {&Command17, "ビーコン受信"},
        {&Command18, "自動取込"},
    };
    for (const auto& [button, caption] : captions) button->setCaption(caption);
    Command15.hide();
    QMenu* settings = menuBar()->addMenu("設定");
    MENU_8_iti = settings->addAction("WINDOWSの位置決定 ");
    Timer1.setInterval(1000);
    Timer2.setInterval(1700);
    Timer2.setEnabled(false);
    for (platform::PictureBox* meter : {&Picture1, &Picture2}) meter->Scale(0, 0, 32, 1);
    place_controls();
    connect_handlers();
}

void form8::place_controls() {
    platform::place(&Command2, 6240, 120, 2400, 420);
    platform::place(&Command1, 6240, 600, 2400, 420);
    platform::Label* status[] = {&Label15, &Label16, &Label25, &Label26, &Label32, &Label33};
    for (int i = 0; i < 6; ++i) platform::place(status[i], 6240, 1140 + 300 * i, 2400, 280);
    platform::CommandButton* tx_modes[] = {&Command6, &Command5, &Command3, &Command4};
    platform::CommandButton* rx_modes[] = {&Command7, &Command8, &Command9, &Command10};
    for (int i = 0; i < 4; ++i) {
        platform::place(tx_modes[i], 120 + 600 * i, 3240, 560, 360);
        platform::place(rx_modes[i], 2640 + 600 * i, 3240, 560, 360);
    }
    platform::place(&Shape15, 120, 3720, 240, 240);
    platform::place(&Command12, 420, 3720, 900, 360);
    platform::place(&Command14, 1380, 3720, 1100, 360);
    platform::place(&Shape14, 2640, 3720, 240, 240);
    platform::place(&Command11, 2940, 3720, 900, 360);
    platform::place(&Command13, 3900, 3720, 1100, 360);
    platform::place(&Command18, 5060, 3720, 1100, 360);
    platform::place(&Command16, 120, 4200, 1400, 480);
    platform::place(&Command17, 1620, 4200, 1400, 480);
    platform::place(&Command15, 3120, 4200, 2000, 480);
    platform::place(&Picture1, 120, 4800, 3840, 300);
    platform::place(&Picture2, 4080, 4800, 3840, 300);
}

void form8::connect_handlers() {
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command6.Click = [this] { mode_button(1, "1"); };
    Command5.Click = [this] { mode_button(1, "2"); };
    Command3.Click = [this] { mode_button(1, "3"); };
    Command4.Click = [this] { mode_button(1, "4"); };
    Command7.Click = [this] { mode_button(2, "1"); };
    Command8.Click = [this] { mode_button(2, "2"); };
    Command9.Click = [this] { mode_button(2, "3"); };
    Command10.Click = [this] { mode_button(2, "4"); };
    Command11.Click = [this] { Command11_Click(); };
    Command12.Click = [this] { Command12_Click(); };
    Command13.Click = [this] { Command13_Click(); };
    Command14.Click = [this] { Command14_Click(); };
    Command15.Click = [this] { Command15_Click(); };
    Command16.Click = [this] { Command16_Click(); };
    Command17.Click = [this] { Command17_Click(); };
    Command18.Click = [this] { Command18_Click(); };
    Timer1.Timer_ = [this] { Timer1_Timer(); };
    Timer2.Timer_ = [this] { Timer2_Timer(); };
    MSComm1.OnComm = [this] { MSComm1_OnComm(); };
    connect(MENU_8_iti, &QAction::triggered, this, [this] { MENU_8_iti_Click(); });
}

// ---- set-up, start, stop, close --------------------------------------------------

void form8::form_load() {
    const WindowPosition at = read_window_position("F8_TOP_LEFT", "630:9780");
    move_twips(at.left, at.top, std::max(width(), 8800), 6180);
    keep_on_screen();
    const std::string& sat = ctx.sat.selected_sat;
    Label4.setCaption(qs(sat));
    state.no_sat_info = 0;
    ft847_no_info_notice_shown = 0;

    const std::optional<std::string> record = read_sat_info(sat, torv_ini());
    if (!record) {
        if (ctx.services.open_sat_info_editor) ctx.services.open_sat_info_editor();
        state.no_sat_info = 1;
        return;
    }
    make_rx_fixed_at_setup();
    parse_sat_info(*record);
    draw_meter(Picture1, 0, 0, false);
    draw_meter(Picture2, 0, 0, false);
    Command2.setEnabled(val(ctx.ft847_cat.enable) == 1);

    set_auto(state.tx_auto, Shape15, Command12, true);
    Command14.setEnabled(false);
    set_auto(state.rx_auto, Shape14, Command11, true);
    ctx.mirror.ft847_rx_auto = 1;
    Command13.setEnabled(false);
    state.auto_capture_on = 0;
    ctx.mirror.ft847_auto_capture = 0;
    Command18.setEnabled(false);
    Command18.setBackColor(kButtonFace);

    const double type = val(state.conversion_type);
    const CurrentSatValues& s = ctx.sat.values;
    auto band = [](double low, double high) {
        return qs(format_number(low, "##0.000") + "～" + format_number(high, "##0.000"));
    };
    if (type == 0) {
        Label32.setCaption(qs(format_number(s.sat_uplink_low, "##0.000")));
        Label33.setCaption(qs(format_number(s.sat_downlink_low, "##0.000")));
    } else if (type == 1 || type == 2) {
        Label32.setCaption(band(s.sat_uplink_low, s.sat_uplink_high));
        Label33.setCaption(band(s.sat_downlink_low, s.sat_downlink_high));
    }
}

void form8::set_auto(int& flag, platform::Shape& lamp, platform::CommandButton& button, bool on) {
    flag = on ? 1 : 0;
    lamp.setFillColor(on ? kRed : kWhite);
    button.setCaption(on ? "自動" : "手動");
}

bool form8::single_vfo() const { return ctx.sat.selected_sat == "ISSDG" || same_band == 1; }

void form8::Command2_Click() {
    if (ctx.mirror.ft847_running == 1) {
        stop_operation();
        return;
    }
    MSComm1.RThreshold = 1;
    MSComm1.SThreshold = 1;
    MSComm1.InputLen = 5;
    if (!open_cat_port(MSComm1, ctx.ft847_cat.port, ctx.ft847_cat.speed, "n,8,1")) {
        Hide();
        return;
    }
    Label15.setCaption("COM OPEN");
    ctx.mirror.ft847_running = 1;
    ptt_on = 0;
    key_preview_ = true;
    send_hex_command(ft847::frame(ft847::CatOn));

    same_band = Label1.caption().left(2) == Label2.caption().left(2) ? 1 : 0;
    if (ctx.sat.selected_sat != "ISSDG" && same_band == 0)
        send_hex_command(ft847::frame(ft847::SatModeOn));
    else
        notice("ＳＰＬＩＴ運用に設定してください\r\n送信周波数は手動設定になります。");
    if (ctx.sat.selected_sat == "GO-32")
        notice("ＦＴ８４７のメニュー２３のデジタルモードの設定を９６００ＢＰＳに設定変更してください。！！");

    Command2.setBackColor(kGreen);
    Command2.setCaption("FT847CAT運用終了");
    if (ctx.services.run_sat_programs) ctx.services.run_sat_programs();
    initial_modes_and_tone();
}

void form8::stop_operation() {
    // Never close the port under a request that waits for its reply.
    if (wait_busy()) return;
    for (platform::PictureBox* meter : {&Picture1, &Picture2}) {
        meter->Cls();
        draw_meter(*meter, 0, 0, false);
    }
    if (ctx.mirror.ft847_running == 0) return;

    ptt_on = 0;
    key_preview_ = false;
    send_hex_command(ft847::frame(ft847::PttOff));
    Command16.setBackColor(kButtonFace);
    send_hex_command(ft847::frame(ft847::CtcssOff));
    send_hex_command(ft847::frame(ft847::SatModeOff));
    send_hex_command(ft847::frame(ft847::CatOff));
    MSComm1.setPortOpen(false);
    ctx.mirror.ft847_running = 0;
    Command2.setCaption("FT847CAT運用開始");
    Command15.hide();
    Label15.setCaption("COM CLOSE");
    Label25.setCaption("");
    Command2.setBackColor(kButtonFace);
    save_corrections();
}

void form8::save_corrections() {
    write_sat_corrections(ctx.sat.selected_sat, HScroll1.value(), HScroll2.value(), ctx.rig.sat_converter_offset,
                          torv_ini());
}

void form8::Command1_Click() {
    stop_operation();
    if (MSComm1.PortOpen()) notice("停止させてから、終了してください");
    else Hide();
}

void form8::Form_Unload(bool& cancel) {
    stop_operation();
    // A link that could not be stopped keeps its window: unloading it would drop the
    // port without the closing frames.
    if (MSComm1.PortOpen()) {
        notice("停止させてから、終了してください");
        cancel = true;
    }
}

void form8::stop_for_exit(std::function<void()> done) {
    if (ctx.mirror.ft847_running == 1 && wait_busy()) {
        QTimer::singleShot(100, this, [this, done = std::move(done)]() mutable { stop_for_exit(std::move(done)); });
        return;
    }
    stop_operation();
    if (done) done();
}

void form8::MENU_8_iti_Click() { save_window_position("F8_TOP_LEFT", top(), left()); }

// ---- the tick ----------------------------------------------------------------------

void form8::Timer1_Timer() {
    // A tick that waits (a reply, a notice) lets events run; a tick falling due
    // meanwhile is skipped rather than nested, so no notice is stacked on another.
    if (!in_tick_) run_tick();
}

void form8::run_tick() {
    const bool outer = in_tick_;
    in_tick_ = true;
    struct Leave {
        bool& flag;
        bool outer;
        ~Leave() { flag = outer; }
    } leave{in_tick_, outer};

    if (Label4.caption() != qs(ctx.sat.selected_sat)) form_load();
    if (state.no_sat_info == 1) {
        if (ft847_no_info_notice_shown != 1) {
            ft847_no_info_notice_shown = 1;
            // The link is stopped (the transmitter unkeyed) before the notice waits for
            // the operator, not after.
            stop_operation();
            notice("人工衛星の情報登録後、再度実行してください。");
            Hide();
        }
        return;
    }
    update_modes_and_tone();
    poll_meters();
    engine_step();
    send_frequencies();
}

// ---- frames ------------------------------------------------------------------------

void form8::send_hex_command(const std::string& text) {
    if (!MSComm1.PortOpen()) return;
    for (uint8_t byte : frames::hex_bytes(text)) MSComm1.Output(QByteArray(1, static_cast<char>(byte)));
}

void form8::send_write(const std::vector<uint8_t>& bytes) {
    if (MSComm1.PortOpen())
        MSComm1.Output(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
}

void form8::send_frequencies() {
    if (ctx.mirror.ft847_running != 1) return;
    const ft847::Opcode rx_op = single_vfo() ? ft847::MainFrequency : ft847::SatRxFrequency;
    // A frequency the four BCD bytes cannot carry gets no frame at all.
    auto send = [this](double mhz, ft847::Opcode op) {
        if (const auto frame = ft847::frequency_frame(mhz, op)) send_write(*frame);
    };
    if (state.send_freq <= kTopFrequency && state.tx_auto == 1) send(state.send_freq, ft847::SatTxFrequency);

    if (beacon_on == 1) {
        const double beacon = val(ctx.rig.rig_beacon_text);
        if (beacon > 140) {
            send(beacon, rx_op);
        } else if (ctx.sched_running != 0) {
            if (ctx.services.sched_status) ctx.services.sched_status(ctx.sat.selected_sat + ":ビーコン周波数の確認をしてください");
        } else {
            notice("ビーコン周波数の確認をしてください。");
            Command17_Click();
        }
        return;
    }
    if (state.recive_freq <= kTopFrequency && state.rx_auto == 1) send(state.recive_freq, rx_op);
}

void form8::set_tone() {
    const std::string& tone = ctx.sat.values.sat_tone;
    if (ctx.sat.selected_sat == "SO-50") {
        Command15.show();
        send_hex_command(ft847::tone_frame(ft847::ctcss_code("67.0")));
        Label25.setCaption("トーン信号６７ＨＺをセット");
        send_hex_command(ft847::frame(ft847::CtcssOn));
    } else if (tone != "なし") {
        send_hex_command(ft847::tone_frame(ft847::ctcss_code(tone)));
        Label25.setCaption(qs("トーン信号" + tone + "をセット"));
        send_hex_command(ft847::frame(ft847::CtcssOn));
    } else {
        send_hex_command(ft847::frame(ft847::CtcssOff));
        Command15.hide();
        Label25.setCaption("");
    }
}

void form8::update_modes_and_tone() {
    if (ctx.mirror.ft847_running != 1) return;
    const ft847::Opcode rx_op = single_vfo() ? ft847::MainMode : ft847::SatRxMode;
    if (state.rx_mode != state.rx_mode_sent && beacon_on != 1) {
        state.rx_mode_sent = state.rx_mode;
        if (state.recive_freq <= kTopFrequency) send_hex_command(ft847::mode_frame(state.rx_mode, rx_op));
    }
    if (state.tx_mode != state.tx_mode_sent) {
        state.tx_mode_sent = state.tx_mode;
        if (state.send_freq <= kTopFrequency) send_hex_command(ft847::mode_frame(state.tx_mode, ft847::SatTxMode));
        set_tone();
    }
}

void form8::initial_modes_and_tone() {
    state.rx_mode_sent = state.rx_mode;
    if (state.recive_freq <= kTopFrequency)
        send_hex_command(ft847::mode_frame(state.rx_mode, single_vfo() ? ft847::MainMode : ft847::SatRxMode));
    state.tx_mode_sent = state.tx_mode;
    if (state.send_freq <= kTopFrequency) send_hex_command(ft847::mode_frame(state.tx_mode, ft847::SatTxMode));
    set_tone();
}

void form8::send_beacon_mode() {
    if (ctx.mirror.ft847_running != 1) return;
    if (ctx.sat.values.sat_beacon_mode == state.rx_mode_sent) return;
    state.rx_mode_sent = ctx.sat.values.sat_beacon_mode;
    if (state.recive_freq <= kTopFrequency)
        send_hex_command(ft847::mode_frame(ctx.sat.values.sat_beacon_mode, single_vfo() ? ft847::MainMode : ft847::SatRxMode));
}

// ---- replies, meters, serial errors ------------------------------------------------

void form8::poll_meters() {
    if (ctx.mirror.ft847_running != 1) return;
    if (state.recive_freq <= kTopFrequency) {
        reply_kind = 0;
        send_hex_command(ft847::frame(ft847::ReadRxStatus));
        wait_sec(0.25f);
    }
    if (state.send_freq <= kTopFrequency) {
        reply_kind = 1;
        send_hex_command(ft847::frame(ft847::ReadTxStatus));
        wait_sec(0.4f);
    }
}

void form8::MSComm1_OnComm() {
    const int event = MSComm1.CommEvent;
    if (event == platform::comEvReceive) receive_reply();
    else if (event > 1000) Label16.setCaption(qs(comm_error_text(event)));
}

void form8::receive_reply() {
    MSComm1.InputLen = 5;
    const int n = MSComm1.InBufferCount();
    const QByteArray bytes = MSComm1.Input();
    if (bytes.isEmpty()) return;
    Label15.setCaption("");
    Label16.setCaption("");
    const uint8_t first = static_cast<uint8_t>(bytes[0]);
    switch (reply_kind) {
        case 0:
            Label15.setCaption(qs(str_num(first)));
            draw_s_meter(first);
            break;
        case 1:
            Label16.setCaption(qs(str_num(first)));
            draw_po_meter(first);
            break;
        default:
            if (n == 5) {
                std::array<uint8_t, 5> reply{};
                for (int i = 0; i < 5; ++i) reply[i] = static_cast<uint8_t>(bytes[i]);
                frequency_reply(reply);
            } else {
                Label16.setCaption("通信エラー");
            }
    }
}

void form8::frequency_reply(const std::array<uint8_t, 5>& reply) {
    Label16.setCaption(qs(str_num(reply[0])));
    const bool receive = reply_kind == 2;
    if (reply_count > 0) {
        if (receive) parse_rx_frequency(reply);
        else parse_tx_frequency(reply);
    }
    reply_count -= 1;
    // Tracking continues from the frequency the operator tuned on the transceiver.
    if (receive) {
        if (state.conversion_type != "0") state.rx_base_text = num_text(state.rx_sum);
        HScroll2_Change();
    } else {
        if (state.conversion_type != "0") state.tx_base_text = num_text(state.tx_sum);
        HScroll1_Change();
    }
}

bool form8::parse_frequency(const std::array<uint8_t, 5>& reply, double& sum, std::string& mode) {
    const double previous = sum;
    sum = ft847::reply_frequency(reply);
    const bool accepted = !(previous - sum > 10 || sum > kTopFrequency);
    if (!accepted) {
        sum = previous;
        notice("データ取り込みに失敗しましたので、もう一度ボタンを押してください");
    }
    if (const auto code = ft847::reply_mode(reply[4])) mode = *code;
    return accepted;
}

void form8::parse_rx_frequency(const std::array<uint8_t, 5>& reply) { parse_frequency(reply, state.rx_sum, state.rx_mode); }
void form8::parse_tx_frequency(const std::array<uint8_t, 5>& reply) { parse_frequency(reply, state.tx_sum, state.tx_mode); }

// A meter is 32 columns: a bar of value columns, then the grid over it.
void form8::draw_meter(platform::PictureBox& meter, int value, platform::ColorValue color, bool bar) {
    if (bar && value > 0) meter.Box(0, 0, value, 1, color, true);
    for (int i = 1; i <= 31; ++i) meter.Line(i, 0, i, 1, 0);
}

void form8::draw_s_meter(uint8_t status) {
    Picture1.Cls();
    draw_meter(Picture1, status & 0x1F, kGreen, true);
}

void form8::draw_po_meter(uint8_t status) {
    Picture2.Cls();
    draw_meter(Picture2, status & 0x1F, kRed, (status & 0x80) == 0);
}

// ---- operating buttons -------------------------------------------------------------

bool form8::link_refused() {
    if (ctx.mirror.ft847_running != 0) return false;
    notice(kNotInCatMode);
    return true;
}

void form8::mode_button(int side, const std::string& code) {
    if (link_refused()) return;
    if (side == 1) {
        state.tx_mode = code;
        show_mode_lamps(tx_lamps, code);
        dde_put("Text15", mode_name(code));
    } else {
        state.rx_mode = code;
        show_mode_lamps(rx_lamps, code);
        dde_put("Text16", mode_name(code));
    }
}

void form8::Command11_Click() {
    if (link_refused()) return;
    if (state.auto_capture_on == 1) {
        notice("受信周波数の自動取り込みモードになっています。自動取り込みモードを解除してから自動モードにしてください。");
        return;
    }
    const bool to_auto = state.rx_auto != 1;
    set_auto(state.rx_auto, Shape14, Command11, to_auto);
    ctx.mirror.ft847_rx_auto = state.rx_auto;
    Command13.setEnabled(!to_auto);
    Command18.setEnabled(!to_auto);
    if (to_auto) HScroll2_Change();
}

void form8::Command12_Click() {
    if (link_refused()) return;
    const bool to_auto = state.tx_auto != 1;
    set_auto(state.tx_auto, Shape15, Command12, to_auto);
    Command14.setEnabled(!to_auto);
    if (to_auto) HScroll1_Change();
}

void form8::Command13_Click() {
    Command13.setEnabled(false);
    if (state.rx_auto == 1 || ctx.mirror.ft847_running != 1) return;
    Timer1.setEnabled(false);
    reply_kind = 2;
    reply_count = 5;
    send_hex_command(ft847::frame(ft847::ReadSatRx));
    reading_ = true;
    wait_sec(0.5f);
    reading_ = false;
    // A manual transmit side is computed from the captured frequency and sent once,
    // also when the capture fell inside a tick's wait.
    if (state.tx_auto != 1) {
        state.tx_auto = 1;
        run_tick();
        state.tx_auto = 0;
    }
    Timer1.setEnabled(true);
    Command13.setEnabled(true);
}

void form8::Command14_Click() {
    Command14.setEnabled(false);
    if (state.tx_auto == 1 || ctx.mirror.ft847_running != 1) return;
    Timer1.setEnabled(false);
    reply_kind = 3;
    reply_count = 5;
    send_hex_command(ft847::frame(ft847::ReadSatTx));
    wait_sec(0.5f);
    Timer1.setEnabled(true);
    Command14.setEnabled(true);
}

void form8::Command18_Click() {
    if (link_refused()) return;
    if (state.fixed_side != 2) {
        notice("受信周波数固定モードに変更してください。");
        return;
    }
    const bool on = state.auto_capture_on != 1;
    Command13.setEnabled(!on);
    Command18.setBackColor(on ? kYellow : kButtonFace);
    state.auto_capture_on = on ? 1 : 0;
    ctx.mirror.ft847_auto_capture = state.auto_capture_on;
    Timer2.setEnabled(on);
}

void form8::Timer2_Timer() {
    // A capture falling due while the last read still waits (its refusal may be on
    // screen) would only stack another read and another notice on it.
    if (state.auto_capture_on != 1 || reading_) return;
    Command13_Click();
    Command13.setEnabled(false);
}

void form8::Command17_Click() {
    if (link_refused()) return;
    const bool on = beacon_on != 1;
    beacon_on = on ? 1 : 0;
    ctx.mirror.ft847_beacon_mode = beacon_on;
    Command17.setBackColor(on ? kYellow : kButtonFace);
    if (on) send_beacon_mode();
}

void form8::Command16_Click() {
    if (link_refused()) return;
    const bool on = ptt_on != 1;
    ptt_on = on ? 1 : 0;
    send_hex_command(ft847::frame(on ? ft847::PttOn : ft847::PttOff));
    Command16.setBackColor(on ? kRed : kButtonFace);
}

void form8::Form_KeyDown(int key_code, int shift, bool auto_repeat) {
    (void)shift;
    if (key_code == 17 && !auto_repeat) Command16_Click();
}

void form8::keyPressEvent(QKeyEvent* event) {
    if (key_preview_ && event->key() == Qt::Key_Control) {
        Form_KeyDown(17, (event->modifiers().toInt() >> 25) & 7, event->isAutoRepeat());
        return;
    }
    RigWindow::keyPressEvent(event);
}

void form8::Command15_Click() {
    Command15.setBackColor(kYellow);
    send_hex_command(ft847::tone_frame(ft847::ctcss_code("74.4")));
    send_hex_command(ft847::frame(ft847::CtcssOn));
    Label25.setCaption("ＣＴＣＳＳトーン信号を送信");
    send_hex_command(ft847::frame(ft847::PttOn));
    sleep_sec(2.0f);
    send_hex_command(ft847::frame(ft847::PttOff));
    Label25.setCaption("ＣＴＣＳＳトーン信号７４．４ＨＺを送信完了");
    state.tx_mode_sent.clear();
    Command15.setBackColor(ctx.backcolor);
}

}  // namespace torv
