#pragma once
#include <QTimer>
#include <array>
#include <string>
#include <vector>

#include "platform/menu.h"
#include "rig/kenwood_commands.h"
#include "rig/rig_window.h"
#include "rig/ts2000_panel.h"

// The TS-2000 remote-control window: the rig's text commands ("FA00145900000;") over
// one serial port. Its link starts by finding the rig's satellite memory whose VFO bands
// match the satellite's; only then does its one-second tick run, which sends the modes,
// the tone and the Doppler-corrected frequencies and polls the S-meter and the power.
// What is the TS-2000's own: its commands and their trace, its reply reader, the memory
// search, the tone rules, the trace-reverse switch and its menus.
namespace torv {

class Ts2000Window : public RigWindow {
    Q_OBJECT
public:
    explicit Ts2000Window(RigContext& context);
    ~Ts2000Window() override;

    // ---- link state ----
    int search_count = 0;      // 0..10 while the memory search runs, 99 after it
    int memory_found = 0;      // the last search step's FA and FB replies matched
    std::string fa_band_digits;  // band digit(s) of the last FA reply of the search
    int rx_band = 0;           // the receive band the search expects
    int trace_reverse = 0;     // the satellite mode's trace-reverse switch
    int tone_on = 0;           // "TO1;" was sent last
    std::string ao51_tone;     // [TS2000] AO-51-TONE: "1" AO-51 gets the 67 Hz tone
    std::string freq_auto;     // [TS2000] FREQ_AUTO: "1" a manual receive side captures at once
    int parse_position = 0;    // just after the last ";" dispatched (for the trace)

    // ---- the window's own controls ----
    platform::CommandButton Command16;  // PTT
    platform::CommandButton Command17;  // beacon reception
    platform::CommandButton Command18;  // "トレースＯＮ"
    platform::CommandButton Command19;  // receive auto-capture
    platform::Label Label34, Label35;   // receive converter: "←" shown while on, its offset
    platform::Label Label36, Label37;   // receive / transmit frequency command of the start
    ClickLabel Label38;                 // messages; a click clears them
    platform::Label Label39;            // beacon mode
    platform::Shape Shape17;            // trace-reverse lamp
    platform::Shape Shape20, Shape21;   // receive / transmit side fixed

    platform::MenuItem menu_settings;           // "設定"
    platform::MenuItem menu_layout;             // "画面構成"
    platform::MenuItem MENU_15_hyoujyun_gamen;  // "標準画面": the standard layout
    platform::MenuItem MENU_15_rigu;            // "リグ形式": the rig-style layout
    platform::MenuItem MENU_15_ITI;             // "WINDOWSの位置決定  " stores the window's position
    platform::MenuItem menu_manual;             // "手動時操作"
    platform::MenuItem MENU_15_AUTO_ON;         // "自動取り込みＯＮ": a manual receive side captures at once
    platform::MenuItem MENU_15_AUTO_OFF;        // "自動取り込みＯＦＦ"
    platform::MenuItem menu_debug;              // "ＤＥＢＵＧ"
    platform::MenuItem MENU_15_DEBUG_ON;        // "DEBUG_ON": the serial trace into TESTlogtmp.LOG
    platform::MenuItem MENU_15_DEBUG_OFF;       // "DEBUG_OFF"

    // ---- the CW keyer ----
    int cw_running = 0;        // CW on
    std::string cw_speed;      // words per minute, "10".."60"
    int f15_gamen = 0;         // the panel layout: 0 standard, else rig style
    platform::CommandButton Command20;   // "ＣＷ開始" / "ＣＷ終了"
    platform::Frame Frame8;              // "ＣＷ送信制御", usable while CW is on
    platform::Frame Frame9, Frame10, Frame11;  // callsign, keying speed, report
    platform::TextBox Text1;             // partner's callsign (%C)
    platform::CommandButton Command22;   // "クリア"
    platform::Slider Slider1;            // keying speed
    platform::ComboBox Combo3;           // signal report (%S)
    platform::Label Label41, Label42, Label43;  // "%S", the speed, "%C"
    std::array<platform::CommandButton, cw::kMemories> Command21;  // "Ｆ３" .. "Ｆ１２"
    std::array<platform::Label, cw::kMemories> Label40;            // the memories' texts

    // ---- the panel layouts ----
    platform::Label Label3;                           // "人工衛星"
    platform::PictureBox Picture3;                    // the dial panel
    platform::Label Label9, Label11, Label13;         // its captions
    platform::Frame Frame5, Frame6;                   // the satellite's receive / transmit ranges
    platform::LineControl Line1, Line2;               // its separators
    std::array<platform::LineControl, 4> corner_lines;  // Line3..Line6, along the cut corners
    platform::Shape Shape4, Shape5;                   // its frame
    platform::Label Label17, Label18, Label19, Label20;  // the meters' scales and captions
    platform::Shape Shape1, Shape2, Shape3;           // beacon row, transmit and receive blocks
    platform::Label Label7, Label26, Label28;         // "ビーコン周波数", "周波数補正" twice
    platform::Frame Frame1, Frame2, Frame3, Frame4;   // transmit / receive modes, receive / transmit auto
    platform::Label Label21;                          // "→"
    platform::Shape Shape18, Shape19;                 // rig body, meter panel
    platform::Frame Frame7;                           // "機能スイッチ"

    // ---- the lamp rows of the rig-style layout ----
    std::array<platform::Shape, led::kLamps> Shape22, Shape23;  // the upper and the lower row
    platform::Timer Timer3;                                     // runs the light pattern
    platform::ComboBox Combo1, Combo2;  // pattern and lamp shape, never shown
    int led_position_row1 = 0, led_direction_row1 = 0;
    int led_position_row2 = 0, led_direction_row2 = 0;
    int led_interval = 20;

    // ---- commands and replies ----
    // Sends one command, traced; a text of two characters or fewer is not a command.
    void data_put(const std::string& command);
    void data_get();
    void TS_cmd(const std::string& reply);
    void empty_receive_state();
    std::string build_sa_command(const std::string& sa_template) const;
    void show_command_error();
    void Label38_Click();
    void on_sm_reply(const std::string& reply);
    void on_pc_reply(const std::string& reply);
    void on_fa_reply(const std::string& reply);
    void on_fb_reply(const std::string& reply);

    // ---- start ----
    // Satellite mode, the memory search, and on success the power, modes, frequencies
    // and tone; true when the satellite's memory was found.
    bool start_sequence();
    void find_satellite_memory();

    // ---- operator's controls ----
    void Command16_Click() { ptt_toggle(); }
    void Command17_Click() { beacon_toggle(); }
    void Command18_Click() { Label14_Click(); }
    void Command19_Click() { auto_capture_toggle(); }
    void Label5_Click() { Label1_Click(); }
    void Label6_Click() { Label2_Click(); }
    void Label14_Click();
    void MENU_15_AUTO_ON_Click() { set_freq_auto("1"); }
    void MENU_15_AUTO_OFF_Click() { set_freq_auto("0"); }
    void MENU_15_DEBUG_ON_Click() { set_trace("1"); }
    void MENU_15_DEBUG_OFF_Click() { set_trace("0"); }

    // ---- the CW keyer ----
    void Command20_Click();
    void Command21_Click(int index);
    void Command22_Click();
    void Slider1_Click();
    void Text1_Change();
    void Combo3_KeyPress(int& key_ascii);
    void write_cw_log(const std::string& message, const std::string& callsign, const std::string& report);
    // Shows the stored memories (upper-cased) beside their buttons.
    void show_cw_messages();
    // ---- the panel layouts ----
    void apply_colors();
    void select_layout();
    void layout_standard();
    void layout_rig();
    void shape_dial_region();
    void MENU_15_hyoujyun_gamen_Click() { choose_layout(0); }
    void MENU_15_rigu_Click() { choose_layout(1); }
    void MENU_15_ITI_Click();

    // ---- the lamp rows ----
    void init_led_animation();
    void Combo2_Click();
    void Timer3_Timer();

    // F3..F12 key a memory while CW is on; Delete and Alt empty the callsign and report
    // boxes; Ctrl is the template's PTT.
    bool Form_KeyDown(int key_code, int shift, bool auto_repeat) override;

protected:
    std::string port_framing() const override;
    bool send_opening() override;
    void send_initial_state() override;
    void send_closing() override;
    void send_ptt(bool on) override;
    void send_mode(Side side, RadioMode mode) override;
    void set_tone() override;
    void send_frequency(Side side, double mhz) override;
    void poll_meters() override;
    void request_frequency(Side side) override;
    void receive_reply() override { data_get(); }
    void send_burst_tone() override;
    void after_burst() override;
    void setup_end() override;
    bool after_satellite_change() override;
    void after_stop() override;
    bool rx_toggle_allowed() override;
    void side_toggled(Side side, bool to_auto) override;
    platform::Label* beacon_mode_label() override { return &Label39; }
    // The panel's receive colour.
    platform::ColorValue converter_color() override;

private:
    // The trace's heading of a search and the satellite mode it starts from.
    void enter_satellite_mode();
    StepFrequencies tuned() const;
    void send_start_state();
    void send_start_side(Side side);
    void send_tone(const std::string& number, const char* note);
    void set_freq_auto(const std::string& value);
    void show_freq_auto();
    void set_trace(const char* value);
    void color_trace(platform::ColorValue color);
    void place_own_controls();
    void connect_own_handlers();
    void place_cw_panel();
    void connect_cw_handlers();
    void cw_setup();
    void size_for_cw();
    void build_panels();
    void connect_panel_handlers();
    void lay_out_panel(bool rig);
    void choose_layout(int layout);
    void prepare_lamps();
    void step_lamp_row(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;

    kenwood::ReplyReader reader_;
    QTimer error_clear_;  // clears the command-error message
    int fa_replies_ = 0, fb_replies_ = 0;  // replies dispatched, for the waits that expect them
    int sm_replies_ = 0, pc_replies_ = 0;
};

}  // namespace torv
