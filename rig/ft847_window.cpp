#include "rig/ft847_window.h"

#include <QMenuBar>

#include "common/number_text.h"
#include "common/waits.h"
#include "platform/text.h"
#include "rig/cat_link.h"
#include "rig/ft847_frames.h"

namespace torv {

using platform::qs;

namespace {

const RigWindow::Radio kFt847{
    .not_running_text = "ＦＴ８４７がＣＡＴ運用のモードになっていません",
    .start_caption = "FT847CAT運用開始",
    .stop_caption = "FT847CAT運用終了",
    .highest = 460,
    .mode_highest = 460,
    .beacon_lowest = 140,
    .missing_record = RigWindow::MissingRecord::NoticeOnceAndHide,
    .close_button = RigWindow::End::Hide,
    .start_failure = RigWindow::End::Hide,
};

}  // namespace

Ft847Window::Ft847Window(RigContext& context)
    : RigWindow(context, kFt847, context.ports.ft847,
                {&context.mirror.ft847_running, &context.mirror.ft847_rx_auto, &context.mirror.ft847_fixed_side,
                 &context.mirror.ft847_auto_capture, &context.mirror.ft847_beacon_mode}),
      Command16(this), Command17(this), Command18(this), Label26(this), Label34(this), Label35(this) {
    setCaption("ＦＴ８４７リモートコントロール");
    Command16.setCaption("ＰＴＴ");
    Command17.setCaption("ビーコン受信");
    Command18.setCaption("自動取込");
    set_link_buttons(&Command16, &Command17, &Command18);
    set_converter_labels(&Label34, &Label35);
    platform::place(&Label26, 6240, 2040, 2400, 280);
    QMenu* settings = menuBar()->addMenu("設定");
    MENU_8_iti = settings->addAction("WINDOWSの位置決定 ");
    Command16.Click = [this] { Command16_Click(); };
    Command17.Click = [this] { Command17_Click(); };
    Command18.Click = [this] { Command18_Click(); };
    connect(MENU_8_iti, &QAction::triggered, this, [this] { MENU_8_iti_Click(); });
}

// ---- set-up, start, stop -----------------------------------------------------------

void Ft847Window::setup_begin() {
    // Every set-up, also the one after a satellite change, moves the window back to
    // its saved place.
    const WindowPosition at = read_window_position("F8_TOP_LEFT", "630:9780");
    move_twips(at.left, at.top, std::max(width(), 8800), 6180);
    keep_on_screen();
}

void Ft847Window::MENU_8_iti_Click() { save_window_position("F8_TOP_LEFT", top(), left()); }

bool Ft847Window::single_vfo() const { return ctx.sat.selected_sat == "ISSDG" || same_band == 1; }

bool Ft847Window::send_opening() {
    send_hex_command(ft847::frame(ft847::CatOn));
    same_band = Label1.caption().left(2) == Label2.caption().left(2) ? 1 : 0;
    // A same-band pair (and the digipeater) stays out of satellite mode: receive
    // frames go to the main VFO.
    if (!single_vfo()) send_hex_command(ft847::frame(ft847::SatModeOn));
    return true;
}

void Ft847Window::after_opening() {
    if (single_vfo()) notice("ＳＰＬＩＴ運用に設定してください\r\n送信周波数は手動設定になります。");
    if (ctx.sat.selected_sat == "GO-32")
        notice("ＦＴ８４７のメニュー２３のデジタルモードの設定を９６００ＢＰＳに設定変更してください。！！");
}

void Ft847Window::send_closing() {
    send_hex_command(ft847::frame(ft847::CtcssOff));
    send_hex_command(ft847::frame(ft847::SatModeOff));
    send_hex_command(ft847::frame(ft847::CatOff));
}

void Ft847Window::send_ptt(bool on) { send_hex_command(ft847::frame(on ? ft847::PttOn : ft847::PttOff)); }

// ---- frames ------------------------------------------------------------------------

void Ft847Window::send_frequency(Side side, double mhz) {
    const ft847::Opcode op = side == Side::Tx ? ft847::SatTxFrequency
                             : single_vfo()   ? ft847::MainFrequency
                                              : ft847::SatRxFrequency;
    // A frequency the four BCD bytes cannot carry gets no frame at all.
    if (const auto frame = ft847::frequency_frame(mhz, op)) write_bytes(*frame);
}

void Ft847Window::send_mode(Side side, RadioMode mode) {
    const ft847::Opcode op = side == Side::Tx ? ft847::SatTxMode : single_vfo() ? ft847::MainMode : ft847::SatRxMode;
    send_hex_command(ft847::mode_frame(mode, op));
}

void Ft847Window::set_tone() {
    const std::string& tone = ctx.sat.values.sat_tone;
    if (ctx.sat.selected_sat == "SO-50") {
        Command15.show();
        send_hex_command(ft847::tone_frame(*ft847::ctcss_code("67.0")));
        Label25.setCaption("トーン信号６７ＨＺをセット");
        send_hex_command(ft847::frame(ft847::CtcssOn));
    } else if (tone == "なし") {
        tone_off("");
    } else if (const auto code = ft847::ctcss_code(tone)) {
        send_hex_command(ft847::tone_frame(*code));
        Label25.setCaption(qs("トーン信号" + tone + "をセット"));
        send_hex_command(ft847::frame(ft847::CtcssOn));
    } else {
        // A tone the radio does not have: none at all, never one the operator did not choose.
        tone_off(tone_missing_note(tone));
    }
}

void Ft847Window::tone_off(const std::string& note) {
    send_hex_command(ft847::frame(ft847::CtcssOff));
    Command15.hide();
    Label25.setCaption(qs(note));
}

void Ft847Window::send_burst_tone() {
    send_hex_command(ft847::tone_frame(*ft847::ctcss_code("74.4")));
    send_hex_command(ft847::frame(ft847::CtcssOn));
}

// ---- replies, meters ---------------------------------------------------------------

void Ft847Window::poll_meters() {
    if (!running()) return;
    if (state.recive_freq <= radio().mode_highest) {
        reply_kind = 0;
        send_request(ft847::frame(ft847::ReadRxStatus));
        wait_sec(0.25f);
    }
    if (state.send_freq <= radio().mode_highest) {
        reply_kind = 1;
        send_request(ft847::frame(ft847::ReadTxStatus));
        wait_sec(0.4f);
    }
}

void Ft847Window::request_frequency(Side side) {
    const bool rx = side == Side::Rx;
    reply_kind = rx ? 2 : 3;
    reply_count = 5;
    // The receive side is read where it is tracked: the main VFO for a same-band pair.
    send_request(ft847::frame(!rx ? ft847::ReadSatTx : single_vfo() ? ft847::ReadMain : ft847::ReadSatRx));
    wait_sec(0.5f);
}

void Ft847Window::receive_reply() {
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

void Ft847Window::frequency_reply(const std::array<uint8_t, 5>& reply) {
    Label16.setCaption(qs(str_num(reply[0])));
    const Side side = reply_kind == 2 ? Side::Rx : Side::Tx;
    if (reply_count > 0) {
        if (side == Side::Rx) parse_rx_frequency(reply);
        else parse_tx_frequency(reply);
    }
    reply_count -= 1;
    continue_from_read_back(side);
}

bool Ft847Window::parse_frequency(const std::array<uint8_t, 5>& reply, double& sum, RadioMode& mode) {
    const double previous = sum;
    sum = ft847::reply_frequency(reply);
    const bool accepted = read_back_accepted(previous, sum);
    if (!accepted) {
        sum = previous;
        notice("データ取り込みに失敗しましたので、もう一度ボタンを押してください");
    }
    if (const auto read = ft847::reply_mode(reply[4])) mode = *read;
    return accepted;
}

void Ft847Window::parse_rx_frequency(const std::array<uint8_t, 5>& reply) { parse_frequency(reply, state.rx_sum, state.rx_mode); }
void Ft847Window::parse_tx_frequency(const std::array<uint8_t, 5>& reply) { parse_frequency(reply, state.tx_sum, state.tx_mode); }

void Ft847Window::draw_s_meter(uint8_t status) {
    Picture1.Cls();
    draw_meter(Picture1, status & 0x1F, kGreen);
}

void Ft847Window::draw_po_meter(uint8_t status) {
    Picture2.Cls();
    // Bit 7: not transmitting, grid only.
    draw_meter(Picture2, (status & 0x80) == 0 ? status & 0x1F : 0, kRed);
}

// ---- operating buttons -------------------------------------------------------------

bool Ft847Window::rx_toggle_allowed() {
    if (state.auto_capture_on != 1) return true;
    notice("受信周波数の自動取り込みモードになっています。自動取り込みモードを解除してから自動モードにしてください。");
    return false;
}

}  // namespace torv
