#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rig/civ_frames.h"
#include "rig/rig_window.h"

class QAction;

// The IC-910 remote-control window: every 3 seconds it tracks the selected satellite
// and, while its CI-V link runs, keeps the transceiver's MAIN band (receive) and SUB band
// (transmit) on the Doppler-corrected frequencies and modes. What is the IC-910's own:
// its CI-V frames and their trace, the reader of everything that comes back on the bus
// (echoes, replies, OK/NG, collisions), the MAIN-band check after a start or a satellite
// change, the S-meter, and the memory channels with their names. Its pauses block the
// program, as the radio's own timing needs; it never waits with events running.
namespace torv {

class Ic910Window : public RigWindow {
    Q_OBJECT
public:
    explicit Ic910Window(RigContext& context);

    // ---- the receive path ----
    int reply_kind = 0;       // what a frequency reply answers: 2 MAIN (receive), 3 SUB (transmit)
    int main_band_check = 0;  // 1: the next frequency reply answers the MAIN-band read
    int ng_count = 0;         // NG replies since the last OK
    // ---- memory channels ----
    int channel_number = 5;        // shown, 0..19
    std::string channel_text;      // channel_number as two digits
    std::string channel_set_text;  // two digits of the channel last requested
    int channel_requested = 0;     // 1 once a channel was requested since start or set-up
    // The channel request's memory contents are not in yet: only that reply is offered
    // for taking over (another controller on the bus reads memories too).
    bool memory_reply_awaited = false;

    platform::Label Label36;  // warnings
    platform::Label Label38;  // shown while the receive converter is on
    platform::Label Label39;  // converter offset
    platform::Frame Frame4;   // "チャネル選択"
    platform::Label Label34;  // channel number: red while it is the one requested
    platform::Label Label35;  // the channel request
    platform::Label Label37;  // channel name
    platform::CommandButton Command16, Command17, Command18;  // down, request, up
    QAction* f18menu_ch_settei = nullptr;

    // Traces and sends one frame text as one write; nothing, silently, while the port is closed.
    void send_civ(const std::string& text);
    // The first two characters of a frame text as a byte (a lone character is the high digit).
    static uint8_t hex_pair_to_byte(std::string_view text);
    // Asks for the MAIN frequency for the band check (link start, satellite change).
    void read_main_frequency();

    // Replies.
    void receive_civ();
    void parse_civ_frame(const civ::Frame& frame);
    void frequency_reply(double mhz, const std::string& t);
    void jyusin_freq_get(double mhz, const std::string& t);
    void parse_tx_frequency(double mhz);
    void check_main_band(double mhz);
    void draw_s_meter(std::string_view level_digits);

    // Memory channels.
    void Command18_Click();
    void Command16_Click();
    void Command17_Click();
    void load_memory_channel(const civ::Frame& frame);
    void f18menu_ch_settei_Click();

    void Command13_Click() override;

protected:
    bool send_opening() override;
    void after_opening() override;
    void send_initial_state() override;
    void send_closing() override;
    void send_mode(Side side, RadioMode mode) override;
    void set_tone() override;
    void send_frequency(Side side, double mhz) override;
    void poll_meters() override;
    void request_frequency(Side side) override;
    void receive_reply() override { receive_civ(); }
    void setup_begin() override;
    void setup_end() override;
    bool after_satellite_change() override;
    void after_stop() override;
    void after_mode_button() override { update_modes_and_tone(); }
    void on_unload() override;

private:
    void step_channel(int step);
    void clear_channel_request();
    void show_channel_request();
    void take_over(Side side, double mhz, uint8_t mode_byte);

    civ::FrameReader reader_{501};
};

}  // namespace torv
