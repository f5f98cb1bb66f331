#include "rig/ft736_window.h"

#include "common/number_text.h"
#include "platform/layout.h"
#include "platform/text.h"
#include "rig/ft736_frames.h"

namespace torv {

using platform::qs;

namespace {

const RigWindow::Radio kFt736{
    .not_running_text = "FT736がＣＡＴ運用のモードになっていません",
    .start_caption = "FT736CAT運用開始",
    .stop_caption = "FT736CAT運用終了",
    .framing = "n,8,2",
    .r_threshold = 5,
    .s_threshold = 1,
    .input_len = 5,
    .highest = 1300,
    .mode_highest = 1300,
    .missing_record = RigWindow::MissingRecord::NoticeAndUnload,
    .close_button = RigWindow::End::Unload,
    .start_failure = RigWindow::End::Hide,
    // No auto-capture to refuse against; the correction boxes switch the corrections
    // as in the other windows.
    .engine = {.correction_boxes = true, .rebase_fixed_side = true, .refuse_tx_fixed_while_capturing = false},
    .start_tx_mode_pause = 0.1f,
};

}  // namespace

Ft736Window::Ft736Window(RigContext& context)
    : RigWindow(context, kFt736, context.ports.ft736,
                {&context.mirror.ft736_running, &context.mirror.ft736_rx_auto, &context.mirror.ft736_fixed_side}),
      Command16(this), HScroll3(this), HScroll4(this), Label26(this), Label28(this), Label34(this), Label35(this) {
    setCaption("ＦＴ７３６リモートコントロール");
    set_link_buttons(&Command16, nullptr, nullptr);
    set_converter_labels(&Label34, &Label35);
    // The sliders take the places of the read buttons, which stay hidden.
    platform::lay_out({
        {&Command16, 120, 4200, 1400, 480, "ＰＴＴ"},
        {&HScroll4, 1380, 3720, 1100, 240},
        {&Label28, 1380, 3960, 1100, 240, "0"},
        {&HScroll3, 3900, 3720, 1100, 240},
        {&Label26, 3900, 3960, 1100, 240, "0"},
    });
    Command13.hide();
    Command14.hide();
    for (platform::HScrollBar* slider : {&HScroll3, &HScroll4}) {
        slider->setRange(-200, 200);
        // Each change runs a correction that pauses half a second: once on release.
        slider->setTracking(false);
        slider->setEnabled(false);
    }
    move_twips(left(), top(), 8800, 6180);
    Command16.Click = [this] { Command16_Click(); };
    HScroll3.Change = [this] { HScroll3_Change(); };
    HScroll4.Change = [this] { HScroll4_Change(); };
}

// ---- set-up ------------------------------------------------------------------------

void Ft736Window::setup_end() {
    // Both sides are automatic again; the sliders keep their positions.
    for (auto [slider, value] : {std::pair{&HScroll4, &Label28}, std::pair{&HScroll3, &Label26}}) {
        slider->setEnabled(false);
        value->setCaption("0");
        value->setEnabled(false);
    }
}

bool Ft736Window::send_opening() {
    send_hex_command(ft736::frame(ft736::CatOn));
    send_hex_command(ft736::frame(ft736::SatModeOn));
    return true;
}

void Ft736Window::send_closing() {
    send_hex_command(ft736::frame(ft736::SatModeOff));
    send_hex_command(ft736::frame(ft736::CatOff));
}

// ---- frames ------------------------------------------------------------------------

void Ft736Window::send_ptt(bool on) { send_hex_command(ft736::frame(on ? ft736::PttOn : ft736::PttOff)); }

void Ft736Window::send_mode(Side side, RadioMode mode) {
    // A mode without a mode byte sends nothing.
    send_hex_command(ft736::mode_frame(mode, side == Side::Tx ? ft736::TxMode : ft736::RxMode));
}

void Ft736Window::send_frequency(Side side, double mhz) {
    // A frequency the first byte cannot carry gets no frame rather than a malformed one.
    if (const auto frame = ft736::frequency_frame(mhz, side == Side::Tx ? ft736::TxFrequency : ft736::RxFrequency))
        send_hex_command(*frame);
}

void Ft736Window::set_tone() {
    // The tone goes by the satellite's name; the tone of its frequency record is not used.
    const std::string& sat = ctx.sat.selected_sat;
    Command15.setVisible(sat == "SO-50");
    if (sat == "SO-50" || sat == "AO-51") {
        send_hex_command(ft736::frame(ft736::Tone67));
        Label25.setCaption("トーン信号６７ＨＺをセット");
    } else {
        Label25.setCaption("");
    }
}

void Ft736Window::send_burst_tone() { send_hex_command(ft736::frame(ft736::Tone744)); }

void Ft736Window::receive_reply() {
    // Whatever the radio sends is only shown, five bytes at a time, as decimals.
    MSComm1.InputLen = 5;
    if (MSComm1.InBufferCount() < 5) return;
    const QByteArray bytes = MSComm1.Input();
    Label15.setCaption("");
    Label16.setCaption("");
    std::string shown;
    for (char byte : bytes) shown += str_num(static_cast<uint8_t>(byte));
    Label15.setCaption(qs(shown));
}

// ---- tuning sliders ----------------------------------------------------------------

void Ft736Window::side_toggled(Side side, bool to_auto) {
    const bool rx = side == Side::Rx;
    platform::HScrollBar& slider = rx ? HScroll3 : HScroll4;
    platform::Label& value = rx ? Label26 : Label28;
    slider.setEnabled(!to_auto);
    value.setEnabled(!to_auto);
    if (!to_auto) (rx ? rx_snapshot_mhz : tx_snapshot_mhz) = rx ? state.rx_sum : state.tx_sum;
}

void Ft736Window::slider_tune(Side side) {
    if (side == Side::Rx) state.rx_sum = rx_snapshot_mhz + HScroll3.value() / 1000.0;
    else state.tx_sum = tx_snapshot_mhz + HScroll4.value() / 1000.0;
    continue_from_read_back(side);
}

void Ft736Window::HScroll3_Change() {
    Command13_Click();
    Label26.setCaption(qs(format_number(HScroll3.value(), "###0")));
}

void Ft736Window::HScroll4_Change() {
    Command14_Click();
    Label28.setCaption(qs(format_number(HScroll4.value(), "###0")));
}

void Ft736Window::Command13_Click() {
    Command13.setEnabled(false);
    if (state.rx_auto == 1 || !running()) return;
    Timer1.setEnabled(false);
    slider_tune(Side::Rx);
    // One tick with both sides automatic sends both frequencies as the step computes
    // them from the tuned receive side; then the sides are as they were.
    const int tx_auto = state.tx_auto;
    state.tx_auto = 1;
    if (state.conversion == ConversionType::Fixed) {
        send_tuned_rx_independently();
    } else {
        state.rx_auto = 1;
        ctx.mirror.ft736_rx_auto = 1;
        run_tick();
        state.rx_auto = 0;
        ctx.mirror.ft736_rx_auto = 0;
    }
    state.tx_auto = tx_auto;
    Timer1.setEnabled(true);
    // The transmit frequency that was sent.
    state.tx_base_text = str_num(state.send_freq);
}

void Ft736Window::send_tuned_rx_independently() {
    // The FM type computes the two sides apart, and an automatic receive side from the
    // nominal downlink alone: the tick keeps the receive side manual, so that it is the
    // tuned frequency that goes out (and stays the known one), not the tracked one.
    run_tick();
    state.rx_auto = 1;
    if (running() && sendable(Side::Rx)) send_frequency(Side::Rx, state.recive_freq);
    state.rx_auto = 0;
}

void Ft736Window::Command14_Click() {
    Command14.setEnabled(false);
    if (state.tx_auto == 1 || !running()) return;
    // No tick is forced: a manual transmit side gets no frame; the slider tells the
    // window where the operator tuned the transmitter, and the receive side follows on
    // the next tick when it is computed from the transmit side.
    Timer1.setEnabled(false);
    slider_tune(Side::Tx);
    Timer1.setEnabled(true);
}

}  // namespace torv
