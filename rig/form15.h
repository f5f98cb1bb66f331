#pragma once
#include <QTimer>
#include <string>

#include "platform/menu.h"
#include "rig/kenwood_commands.h"
#include "rig/rig_window.h"

// The TS-2000 remote-control window: the rig's text commands ("FA00145900000;") over
// one serial port. Its link starts by finding the rig's satellite memory whose VFO bands
// match the satellite's; only then does its one-second tick run, which sends the modes,
// the tone and the Doppler-corrected frequencies and polls the S-meter and the power.
// What is the TS-2000's own: its commands and their trace, its reply reader, the memory
// search, the tone rules, the trace-reverse switch and its menus.
namespace torv {

class Form15 : public RigWindow {
    Q_OBJECT
public:
    explicit Form15(RigContext& context);

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
    platform::Label Label34, Label35;   // receive converter
    platform::Label Label36, Label37;   // receive / transmit frequency command of the start
    ClickLabel Label38;                 // messages; a click clears them
    platform::Label Label39;            // beacon mode
    platform::Shape Shape17;            // trace-reverse lamp
    platform::Shape Shape20, Shape21;   // receive / transmit side fixed
    platform::MenuItem menu_settings, menu_manual, MENU_15_AUTO_ON, MENU_15_AUTO_OFF;
    platform::MenuItem menu_debug, MENU_15_DEBUG_ON, MENU_15_DEBUG_OFF;

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

protected:
    std::string port_framing() const override;
    bool send_opening() override;
    void send_initial_state() override;
    void send_closing() override;
    void send_ptt(bool on) override;
    void send_mode(Side side, const std::string& code) override;
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

private:
    bool search_for_memory();
    void send_start_state();
    void send_start_side(Side side);
    void send_tone(const std::string& number, const char* note);
    void set_freq_auto(const std::string& value);
    void show_freq_auto();
    void set_trace(const char* value);
    void color_trace(platform::ColorValue color);
    void place_own_controls();
    void connect_own_handlers();

    kenwood::ReplyReader reader_;
    QTimer error_clear_;  // clears the command-error message
    int fa_replies_ = 0, fb_replies_ = 0;  // replies dispatched, for the waits that expect them
    int sm_replies_ = 0, pc_replies_ = 0;
};

}  // namespace torv
