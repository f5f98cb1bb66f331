// The TS-2000 window: its controls and menus, its set-up, the start and stop of its
// link, the tone rules and the operator's controls of its own.
#include "rig/ts2000_window.h"

#include "common/debug_log.h"
#include "common/debug_log_notice.h"
#include "common/number_text.h"
#include "common/sat_records.h"
#include "common/settings_store.h"
#include "platform/layout.h"
#include "platform/text.h"
#include "rig/cat_link.h"
#include "rig/kenwood_commands.h"
#include "rig/ts2000_commands.h"

namespace torv {

using platform::qs;

namespace {

const RigWindow::Radio kTs2000{
    .not_running_text = "ＴＳ２０００がサテライト運用のモードになっていません",
    .ptt_not_running_text = "ＴＳ２０００がＣＡＴ運用のモードになっていません",
    .start_caption = "TS2000   運用開始",
    .stop_caption = "TS2000   運用終了",
    .closed_status = "",
    .highest = 1300,
    .mode_highest = 1300,
    .beacon_lowest = 29,
    .missing_record = RigWindow::MissingRecord::NoticeAndUnload,
    .close_button = RigWindow::End::Unload,
    .start_failure = RigWindow::End::Unload,
    // The closing commands unkey the rig after the tone goes off, and the start unkeys
    // it before its memory search.
    .ptt_in_own_frames = true,
    .burst_sending_text = "トーン信号を送信",
    .burst_done_text = "トーン信号７４．４ＨＺを送信完了",
    .burst_waits = true,
    // No correction switches: the corrections always apply.
    .engine = {.correction_boxes = false},
};

constexpr platform::ColorValue kLightCyan = 16777088;  // RGB 128, 255, 255

const char* const kNoMemoryMessage =
    "人工衛星の情報確認してください！　送信／受信　周波数の確認。サテライトメモリの確認をしてください ";

}  // namespace

Ts2000Window::Ts2000Window(RigContext& context)
    : RigWindow(context, kTs2000, context.ports.ts2000,
                {&context.mirror.ts2000_running, &context.mirror.ts2000_rx_auto, &context.mirror.ts2000_fixed_side,
                 &context.mirror.ts2000_auto_capture, &context.mirror.ts2000_beacon_mode}),
      Command16(this), Command17(this), Command18(this), Command19(this), Label34(this), Label35(this),
      Label36(this), Label37(this), Label38(this), Label39(this), Shape17(this), Shape20(this), Shape21(this),
      menu_settings(*this, "設定"), menu_layout(menu_settings, "画面構成", platform::MenuItem::Menu),
      MENU_15_hyoujyun_gamen(menu_layout, "標準画面"), MENU_15_rigu(menu_layout, "リグ形式"),
      MENU_15_ITI(menu_settings, "WINDOWSの位置決定  "), menu_manual(menu_settings, "手動時操作", platform::MenuItem::Menu),
      MENU_15_AUTO_ON(menu_manual, "自動取り込みＯＮ"), MENU_15_AUTO_OFF(menu_manual, "自動取り込みＯＦＦ"),
      menu_debug(menu_settings, "ＤＥＢＵＧ", platform::MenuItem::Menu), MENU_15_DEBUG_ON(menu_debug, "DEBUG_ON"),
      MENU_15_DEBUG_OFF(menu_debug, "DEBUG_OFF"), Command20(this), Frame8(this), Frame9(&Frame8), Frame10(&Frame8),
      Frame11(&Frame8), Text1(&Frame9), Command22(&Frame9), Slider1(&Frame10), Combo3(&Frame11), Label41(&Frame11),
      Label42(&Frame10), Label43(&Frame9), Label3(this), Picture3(this), Label9(&Picture3), Label11(&Picture3),
      Label13(&Picture3), Frame5(&Picture3), Frame6(&Picture3), Line1(&Picture3), Line2(&Picture3), Shape4(&Picture3),
      Shape5(&Picture3), Label17(this), Label18(this), Label19(this), Label20(this), Shape1(this), Shape2(this),
      Shape3(this), Label7(this), Label26(this), Label28(this), Frame1(this), Frame2(this), Frame3(this), Frame4(this),
      Label21(this), Shape18(this), Shape19(this), Frame7(this), Timer3(this), Combo1(this), Combo2(this) {
    setCaption("ＴＳ２０００リモートコントロール");
    // Every new window starts with the trace off.
    set_trace("0");
    // The tick runs once the satellite's memory has been found.
    Timer1.setEnabled(false);
    Check2.hide();
    Check3.hide();
    set_link_buttons(&Command16, &Command17, &Command19);
    set_converter_labels(&Label34, &Label35);
    set_fixed_side_lamps(&Shape21, &Shape20);
    place_own_controls();
    place_cw_panel();
    build_panels();
    prepare_lamps();
    layout_standard();
    connect_own_handlers();
    connect_cw_handlers();
    connect_panel_handlers();
    error_clear_.setSingleShot(true);
    connect(&error_clear_, &QTimer::timeout, this, [this] {
        if (Label38.caption() == "コマンドエラー") Label38_Click();
    });
}

// The captions and tips of this window's controls; the panel layouts place them.
void Ts2000Window::place_own_controls() {
    for (auto [button, caption] : {std::pair{&Command16, "ＰＴＴ"}, std::pair{&Command17, "ビーコン受信"},
                                   std::pair{&Command19, "自動取込"}, std::pair{&Command18, "トレースＯＮ"}})
        button->setCaption(caption);
    Label14.setToolTip("クリックするとトレース機能を設定する");
    Label15.setToolTip("ＲＳ２３２Ｃの通信ステータス");
    Label16.setToolTip("受信ステータス");
    Picture1.setToolTip("受信信号強度");
    Picture2.setToolTip("送信時パワー");
    Label38.setWordWrap(true);
    move_twips(9780, 630);
}

void Ts2000Window::connect_own_handlers() {
    Command16.Click = [this] { Command16_Click(); };
    Command17.Click = [this] { Command17_Click(); };
    Command18.Click = [this] { Command18_Click(); };
    Command19.Click = [this] { Command19_Click(); };
    Label5.Click = [this] { Label5_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    Label14.Click = [this] { Label14_Click(); };
    Label38.Click = [this] { Label38_Click(); };
    // The rig style has no arrows, whatever the converter shows.
    Check1.Click = [this] {
        Check1_Click();
        if (f15_gamen != 0)
            for (platform::Label* arrow : {&Label21, &Label22, &Label34}) arrow->hide();
    };
    MENU_15_AUTO_ON.Click = [this] { MENU_15_AUTO_ON_Click(); };
    MENU_15_AUTO_OFF.Click = [this] { MENU_15_AUTO_OFF_Click(); };
    MENU_15_DEBUG_ON.Click = [this] { MENU_15_DEBUG_ON_Click(); };
    MENU_15_DEBUG_OFF.Click = [this] { MENU_15_DEBUG_OFF_Click(); };
}

// ---- set-up ------------------------------------------------------------------------

void Ts2000Window::setup_end() {
    ao51_tone = read_ao51_tone(torv_ini());
    freq_auto = ini_read_or(Section{"TS2000"}, Key{"FREQ_AUTO"}, "0", torv_ini());
    show_freq_auto();
    trace_reverse = 0;
    color_trace(kLightCyan);
    // The panel's colours then take the trace label's place too.
    apply_colors();
    select_layout();
    // Placed once its layout has given the window its size.
    const WindowPosition at = read_window_position("F15_TOP_LEFT", "630:9780");
    move_twips(at.left, at.top);
    keep_on_screen();
    cw_setup();
    init_led_animation();
}

void Ts2000Window::set_freq_auto(const std::string& value) {
    freq_auto = value;
    ini_write(Section{"TS2000"}, Key{"FREQ_AUTO"}, value, torv_ini());
    show_freq_auto();
}

void Ts2000Window::show_freq_auto() {
    const bool on = freq_auto != "0";
    MENU_15_AUTO_ON.setChecked(on);
    MENU_15_AUTO_OFF.setChecked(!on);
}

void Ts2000Window::set_trace(const char* value) {
    set_debug_trace(value);
    const bool on = std::string(value) == "1";
    MENU_15_DEBUG_ON.setChecked(on);
    MENU_15_DEBUG_OFF.setChecked(!on);
}

// ---- start and stop ----------------------------------------------------------------

std::string Ts2000Window::port_framing() const { return ts2000::framing(ctx.ports.ts2000.speed); }

bool Ts2000Window::send_opening() {
    delete_test_log();
    Command2.setEnabled(false);
    Command1.setEnabled(false);
    enter_satellite_mode();
    // A link lost while transmitting left the rig keyed: unkeyed now, not after a
    // search that can take 23 seconds.
    send_ptt(false);
    find_satellite_memory();
    if (memory_found == 1) return true;
    // A line lost during the search is told as such, not as a missing memory.
    if (!MSComm1.PortOpen()) return false;
    if (debug_trace().empty() || debug_trace() == "0") {
        notice(kNoMemoryMessage);
        return false;
    }
    // With the trace on the link runs on whatever the rig's VFOs hold: the first tick
    // sends the modes, the tone and the frequencies.
    Timer1.setEnabled(true);
    return true;
}

void Ts2000Window::send_initial_state() {
    if (memory_found == 1) send_start_state();
    Command2.setEnabled(true);
    Command1.setEnabled(true);
    Command20.setEnabled(true);
}

bool Ts2000Window::start_sequence() {
    enter_satellite_mode();
    find_satellite_memory();
    if (memory_found != 1) return false;
    send_start_state();
    return true;
}

void Ts2000Window::enter_satellite_mode() {
    const std::string caption = ctx.services.main_caption ? ctx.services.main_caption() : std::string();
    write_test_log("衛星の名称　" + ctx.sat.selected_sat + " " + caption);
    data_put("SA0000000;");
    data_put("SA1010000;");
}

void Ts2000Window::send_start_state() {
    data_put("PC" + format_number(val(ctx.sat.values.sat_tx_power), "000") + ";");
    send_start_side(Side::Rx);
    send_start_side(Side::Tx);
    set_tone();
}

void Ts2000Window::send_start_side(Side side) {
    const bool tx = side == Side::Tx;
    (tx ? state.tx_mode_sent : state.rx_mode_sent) = tx ? state.tx_mode : state.rx_mode;
    const double mhz = tx ? state.send_freq : state.recive_freq;
    if (mhz > radio().highest) return;
    send_mode(side, tx ? state.tx_mode : state.rx_mode);
    // A side the satellite does not have (uplink 0) gets no frequency.
    if (!(mhz > 0)) return;
    const auto command = kenwood::frequency_command(tx ? "FB" : "FA", mhz);
    if (!command) return;
    (tx ? Label37 : Label36).setCaption(qs((tx ? "送信" : "受信") + *command));
    data_put(*command);
}

bool Ts2000Window::after_satellite_change() {
    Timer1.setEnabled(false);
    if (!running() || start_sequence()) return true;
    // A line lost during the search ends the link and is told by itself.
    if (!MSComm1.PortOpen()) return false;
    notice(kNoMemoryMessage);
    Command1_Click();
    return false;
}

void Ts2000Window::send_closing() {
    data_put("TO0;");
    tone_on = 0;
    data_put("RX;");
    data_put("SA0000000;");
}

void Ts2000Window::after_stop() {
    keep_test_log();
    Command20.setEnabled(false);
    // The port is closed: the speed command of switching CW off goes nowhere.
    if (cw_running == 1) Command20_Click();
    Command2.setEnabled(true);
    Command1.setEnabled(true);
}

// ---- tone rules ----------------------------------------------------------------------

void Ts2000Window::set_tone() {
    const std::string& sat = ctx.sat.selected_sat;
    const std::string& tone = ctx.sat.values.sat_tone;
    if (sat == "SO-50" || (sat == "AO-51" && ao51_tone == "1")) {
        if (sat == "SO-50") Command15.show();
        send_tone("01", "トーン信号６７ＨＺをセット");
        return;
    }
    const std::optional<std::string> number =
        sat == "AO-51" || tone == "なし" ? std::nullopt : ts2000::ctcss_code(tone);
    if (number) {
        send_tone(*number, nullptr);
        return;
    }
    // A tone the rig does not have is switched off, and said so, rather than sent.
    const bool unsupported = sat != "AO-51" && tone != "なし";
    data_put(build_sa_command("SA1011000;"));
    if (tone_on == 1 || unsupported) data_put("TO0;");
    tone_on = 0;
    Command15.hide();
    Label25.setCaption(unsupported ? qs(tone_missing_note(tone)) : QString());
}

void Ts2000Window::send_tone(const std::string& number, const char* note) {
    data_put(build_sa_command("SA1011000;"));
    data_put("TN" + number + ";");
    Label25.setCaption(note ? QString(note) : qs("トーン信号" + number + "をセット"));
    data_put("TO1;");
    tone_on = 1;
}

void Ts2000Window::send_burst_tone() {
    data_put("TN03;");
    data_put("TO1;");
}

void Ts2000Window::after_burst() { data_put("TN01;"); }

// ---- operator's controls -------------------------------------------------------------

bool Ts2000Window::rx_toggle_allowed() {
    // The auto-capture runs only with the receive side manual: it ends first.
    if (state.auto_capture_on == 1) auto_capture_toggle();
    return true;
}

void Ts2000Window::side_toggled(Side side, bool to_auto) {
    if (side == Side::Rx && !to_auto && freq_auto == "1") auto_capture_toggle();
}

void Ts2000Window::Label14_Click() {
    if (link_refused()) return;
    if (state.conversion == ConversionType::Fixed) {
        trace_reverse = 0;
        color_trace(kLightCyan);
        return;
    }
    if (state.conversion == ConversionType::Inverting || state.conversion == ConversionType::NonInverting) {
        trace_reverse = trace_reverse == 1 ? 0 : 1;
        color_trace(trace_reverse == 1 ? kYellow : kLightCyan);
    }
    write_test_log("トレース設定");
    data_put(build_sa_command("SA1011000;"));
}

void Ts2000Window::color_trace(platform::ColorValue color) {
    Label14.setBackColor(color);
    Shape17.setFillColor(color);
    Command18.setBackColor(color);
}

}  // namespace torv
