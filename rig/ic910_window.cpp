#include "rig/ic910_window.h"

#include <QMenuBar>

#include "common/debug_log.h"
#include "common/debug_log_notice.h"
#include "common/number_text.h"
#include "common/waits.h"
#include "platform/layout.h"
#include "platform/text.h"
#include "rig/frame_text.h"
#include "rig/ic910_frames.h"

namespace torv {

using platform::qs;

namespace {

const RigWindow::Radio kIc910{
    .not_running_text = "ＩＣ９１０がＣＡＴ運用のモードになっていません",
    .start_caption = "ＩＣ９１０運用開始",
    .stop_caption = "ＩＣ９１０運用終了",
    .open_status = "OK",
    .closed_status = "",
    .s_threshold = 0,
    .tick_ms = 3000,
    .lowest = 140,
    .highest = 1300,
    .mode_highest = 460,
    .missing_record = RigWindow::MissingRecord::NoticeAndUnload,
    .close_button = RigWindow::End::Unload,
    .start_failure = RigWindow::End::Unload,
    .shows_serial_errors = false,
};

constexpr const char* kCheckBands = "メイン／サブの周波数確認してください";

std::string two_digits(int n) { return format_number(n, "00"); }

}  // namespace

Ic910Window::Ic910Window(RigContext& context)
    : RigWindow(context, kIc910, context.ports.ic910,
                {&context.mirror.ic910_running, &context.mirror.ic910_rx_auto, &context.mirror.ic910_fixed_side}),
      Label36(this), Label38(this), Label39(this), Frame4(this), Label34(&Frame4), Label35(&Frame4),
      Label37(&Frame4), Command16(&Frame4), Command17(&Frame4), Command18(&Frame4) {
    setCaption("ＩＣ９１０リモートコントロール");
    move_twips(left(), top(), 8800, 6180);
    set_converter_labels(&Label38, &Label39);
    platform::lay_out({
        {&Label36, 6240, 2040, 2400, 280},
        {&Frame4, 120, 4140, 7800, 640, "チャネル選択"},
        {&Command18, 120, 220, 900, 360, "↑アップ"},
        {&Command16, 1080, 220, 900, 360, "↓ダウン"},
        {&Label34, 2100, 260, 400, 280},
        {&Label37, 2520, 260, 1800, 280},
        {&Command17, 4380, 220, 1100, 360, "CHセット"},
        {&Label35, 5580, 260, 2100, 280},
    });
    QMenu* settings = menuBar()->addMenu("設定");
    f18menu_ch_settei = settings->addAction("チャネル番号設定");
    connect(f18menu_ch_settei, &QAction::triggered, this, [this] { f18menu_ch_settei_Click(); });
    Command16.Click = [this] { Command16_Click(); };
    Command17.Click = [this] { Command17_Click(); };
    Command18.Click = [this] { Command18_Click(); };
}

// ---- set-up, start, stop -----------------------------------------------------------

void Ic910Window::setup_begin() {
    if (ctx.services.load_channel_names) ctx.services.load_channel_names();
    channel_requested = 0;
    channel_number = 5;
    Label34.setCaption("5");
    Label37.setCaption(qs(ctx.ic910_channel_names[5]));
    channel_text = "05";
}

void Ic910Window::setup_end() { delete_test_log(); }

bool Ic910Window::after_satellite_change() {
    read_main_frequency();
    return true;
}

bool Ic910Window::send_opening() {
    send_civ(ic910::frame(ic910::SatModeOn));
    return true;
}

void Ic910Window::after_opening() {
    Label25.setCaption("");
    clear_channel_request();
}

void Ic910Window::send_initial_state() {
    initial_modes_and_tone();
    read_main_frequency();
}

void Ic910Window::send_closing() { send_civ(ic910::frame(ic910::SatModeOff)); }

void Ic910Window::after_stop() { clear_channel_request(); }

void Ic910Window::on_unload() {
    // The finished trace is kept for reading; the next set-up starts a new one.
    keep_test_log();
}

// ---- frames ------------------------------------------------------------------------

void Ic910Window::send_civ(const std::string& text) {
    write_test_log("PUT: " + text);
    const std::vector<uint8_t> bytes = frames::hex_bytes(text);
    if (!bytes.empty()) write_bytes(bytes);
}

uint8_t Ic910Window::hex_pair_to_byte(std::string_view text) {
    return text.size() == 1 ? frames::hex_pair_to_byte(std::string(text) + "0") : frames::hex_pair_to_byte(text);
}

void Ic910Window::send_mode(Side side, RadioMode mode) {
    const std::string frame = ic910::mode_frame(mode);
    if (frame.empty()) return;
    send_civ(ic910::frame(side == Side::Tx ? ic910::SelectSub : ic910::SelectMain));
    send_civ(frame);
    sleep_sec(0.3f);
    send_civ(frame);
}

void Ic910Window::set_tone() {
    // The radio gets no tone command: the operator sets the 67 Hz tone by hand.
    const std::string& sat = ctx.sat.selected_sat;
    Label25.setCaption(sat == "AO-51" || sat == "SO-50" ? "トーン信号６７ＨＺをセットしてください" : "");
    show_channel_request();
}

void Ic910Window::send_frequency(Side side, double mhz) {
    const auto frame = ic910::frequency_frame(mhz);
    if (!frame) return;
    const bool tx = side == Side::Tx;
    const std::string band = ic910::frame(tx ? ic910::SelectSub : ic910::SelectMain);
    const std::string trace = (tx ? "freq_set send_freq:" : "freq_set recive_freq:") + str_num(mhz);
    // Band select and frequency go out twice: the bus may lose one to a collision.
    send_civ(band);
    sleep_sec(0.1f);
    send_civ(band);
    write_bytes(*frame);
    if (!tx) write_test_log(trace);
    sleep_sec(0.1f);
    write_bytes(*frame);
    if (tx) write_test_log(trace);
}

void Ic910Window::poll_meters() {
    if (!running() || state.recive_freq > radio().mode_highest) return;
    send_civ(ic910::frame(ic910::ReadSMeter));
    sleep_sec(0.25f);
}

void Ic910Window::request_frequency(Side side) {
    MSComm1.setInBufferCount(0);
    reply_kind = side == Side::Rx ? 2 : 3;
    send_civ(ic910::frame(side == Side::Rx ? ic910::SelectMain : ic910::SelectSub));
    send_civ(ic910::frame(ic910::ReadFrequency));
    sleep_sec(0.5f);
    send_civ(ic910::frame(ic910::ReadFrequency));
}

void Ic910Window::Command13_Click() {
    Label36.setCaption("");
    read_frequency(Side::Rx);
}

void Ic910Window::read_main_frequency() {
    if (!running()) return;
    Timer1.setEnabled(false);
    reply_kind = 2;
    main_band_check = 1;
    send_civ(ic910::frame(ic910::SelectMain));
    send_civ(ic910::frame(ic910::ReadFrequency));
    sleep_sec(0.5f);
    Timer1.setEnabled(true);
}

// ---- replies -----------------------------------------------------------------------

void Ic910Window::receive_civ() {
    if (MSComm1.InBufferCount() <= 0) {
        write_test_log("受信データゼロ");
        return;
    }
    const QByteArray input = MSComm1.Input();
    const std::vector<uint8_t> bytes(input.begin(), input.end());
    Label15.setCaption("");
    std::vector<uint8_t> held = reader_.held_bytes();
    held.insert(held.end(), bytes.begin(), bytes.end());
    write_test_log("GET sv: " + frames::hex_text(held));
    const size_t dropped_before = reader_.dropped();
    const std::vector<civ::Frame> frames = reader_.take(bytes);
    if (const size_t dropped = reader_.dropped() - dropped_before; dropped > 0)
        write_test_log("受信バッファ溢れ: 区切りのない " + std::to_string(dropped) + " バイトを破棄");
    for (const civ::Frame& f : frames) {
        Label16.setCaption(qs(f.text()));
        parse_civ_frame(f);
        write_test_log("fd_cmd : " + f.text());
    }
}

void Ic910Window::parse_civ_frame(const civ::Frame& frame) {
    const std::string t = frame.text();
    if (!ic910::is_reply(frame)) {
        // Our own frames' echoes, frames for other stations, noise.
        if (frame.start != 0) Label15.setCaption(qs("cmd_str_pt=" + str_num(static_cast<double>(frame.start))));
        return;
    }
    const std::string command = t.substr(8, 4);
    if (command == "1502") {
        draw_s_meter(t.substr(12, 4));
    } else if (command == "1A01") {
        // The first memory contents after the channel request answer it; any other
        // controller's are none of this window's business.
        if (!memory_reply_awaited) return;
        memory_reply_awaited = false;
        load_memory_channel(frame);
    } else if (command.starts_with("03")) {
        const std::optional<double> mhz = ic910::reply_frequency(frame);
        if (!mhz) return;
        if (main_band_check == 1) check_main_band(*mhz);
        else frequency_reply(*mhz, t);
    } else if (command.starts_with("04")) {
        Label15.setCaption("モード情報");
    } else if (command.starts_with("FA")) {
        ng_count += 1;
        Label16.setForeColor(kRed);
        if (ng_count >= 2) Label36.setCaption(kCheckBands);
    } else if (command.starts_with("FB")) {
        ng_count = 0;
        Label16.setForeColor(0);
        Label15.setCaption("正常");
        Label36.setCaption("");
    }
}

void Ic910Window::frequency_reply(double mhz, const std::string& t) {
    if (reply_kind == 2) {
        jyusin_freq_get(mhz, t);
        continue_from_read_back(Side::Rx);
    } else if (reply_kind == 3) {
        parse_tx_frequency(mhz);
        continue_from_read_back(Side::Tx);
    }
}

void Ic910Window::jyusin_freq_get(double mhz, const std::string& t) {
    Label15.setCaption("受信周波数情報");
    const double previous = state.rx_sum;
    if (!read_back_accepted(previous, mhz, true)) {
        write_test_log("jyusin_freq_getデータ取り込みに失敗" + t + "  TMP_RX_SUM" + str_num(previous) + "  rx_sum" +
                       str_num(mhz));
        Label36.setCaption("受診データ取り込みに失敗しましたので、もう一度ボタンを押してください");
        return;
    }
    state.rx_sum = mhz;
    state.rx_base_text = num_text(state.rx_sum);
    // The transmit side follows the tuned receive frequency once, even when manual.
    const int tx_auto = state.tx_auto;
    state.tx_auto = 1;
    run_tick();
    state.tx_auto = tx_auto;
    state.tx_base_text = num_text(state.send_freq - state.tx_correction);
}

void Ic910Window::parse_tx_frequency(double mhz) {
    Label15.setCaption("送信周波数情報");
    const double previous = state.tx_sum;
    state.tx_sum = mhz;
    if (!read_back_accepted(previous, mhz)) {
        state.tx_sum = previous;
        notice("送信データ取り込みに失敗しましたので、もう一度ボタンを押してください");
    }
    state.tx_base_text = num_text(state.tx_sum);
    const int rx_auto = state.rx_auto;
    state.rx_auto = 1;
    ctx.mirror.ic910_rx_auto = 1;
    run_tick();
    state.rx_auto = rx_auto;
    ctx.mirror.ic910_rx_auto = rx_auto;
    state.rx_base_text = num_text(state.recive_freq - state.rx_correction);
}

void Ic910Window::check_main_band(double mhz) {
    main_band_check = 0;
    const double lo = ctx.sat.values.sat_downlink_low;
    const auto outside = [mhz](double low, double high) { return !(low < mhz && mhz < high); };
    const bool wrong = (140 < lo && lo < 150 && outside(140, 150)) || (430 < lo && lo < 460 && outside(430, 460));
    if (!wrong) return;
    Label36.setCaption(kCheckBands);
    sleep_sec(5.0f);
}

void Ic910Window::draw_s_meter(std::string_view level_digits) {
    Picture1.Cls();
    draw_meter(Picture1, ic910::s_meter_units(level_digits), kGreen);
}

// ---- memory channels ---------------------------------------------------------------

void Ic910Window::Command18_Click() { step_channel(+1); }
void Ic910Window::Command16_Click() { step_channel(-1); }

void Ic910Window::step_channel(int step) {
    if (!running()) {
        notice("ＩＣ９１０がリモート運用のモードになっていません");
        return;
    }
    channel_number = static_cast<int16_t>((channel_number + step + 20) % 20);
    Label37.setCaption(qs(ctx.ic910_channel_names[channel_number]));
    channel_text = two_digits(channel_number);
    Label34.setForeColor(channel_text == channel_set_text ? kRed : 0);
    // Up shows the number with its leading zero, down without.
    Label34.setCaption(qs(step > 0 ? channel_text : std::to_string(channel_number)));
    // The next mode update sends the SUB mode again and refreshes the channel label.
    state.tx_mode_sent.reset();
}

void Ic910Window::Command17_Click() {
    if (link_refused()) return;
    channel_text = two_digits(channel_number);
    send_civ(ic910::channel_request(channel_number));
    channel_set_text = channel_text;
    Label34.setForeColor(kRed);
    channel_requested = 1;
    memory_reply_awaited = true;
    Label35.setCaption(qs("チャンネル" + channel_set_text + "をセット"));
}

void Ic910Window::show_channel_request() {
    Label35.setCaption(channel_requested == 1 ? qs("チャンネル" + channel_set_text + "をセット") : QString());
}

void Ic910Window::clear_channel_request() {
    Label34.setForeColor(0);
    channel_requested = 0;
    channel_set_text.clear();
    // A request the radio never answered is forgotten with its link.
    memory_reply_awaited = false;
}

void Ic910Window::load_memory_channel(const civ::Frame& frame) {
    Label15.setCaption("ＣＨ受信周波数情報");
    const std::optional<ic910::MemoryContents> m = ic910::memory_contents(frame);
    if (!m) return;
    const std::string question = "メイン周波数＝" + format_number(m->rx_mhz, "000.0000") + "　サブ周波数＝" +
                                 format_number(m->tx_mhz, "000.0000") + "をセットしますか？";
    if (platform::msg_box(question, platform::MsgButtons::YesNo) != platform::vbYes) return;
    take_over(Side::Rx, m->rx_mhz, m->rx_mode);
    Label15.setCaption("ＣＨ送信周波数情報");
    take_over(Side::Tx, m->tx_mhz, m->tx_mode);
}

void Ic910Window::take_over(Side side, double mhz, uint8_t mode_byte) {
    const bool tx = side == Side::Tx;
    (tx ? state.tx_sum : state.rx_sum) = mhz;
    if (state.conversion != ConversionType::Fixed) (tx ? state.tx_base_text : state.rx_base_text) = num_text(mhz);
    if (tx) HScroll1_Change();
    else HScroll2_Change();
    // As if the operator pressed the mode button: lamp, item and the mode frames.
    if (const auto mode = ic910::reply_mode(mode_byte)) mode_button(side, *mode);
}

void Ic910Window::f18menu_ch_settei_Click() {
    if (ctx.services.show_channel_names) ctx.services.show_channel_names();
}

}  // namespace torv
