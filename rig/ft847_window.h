#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "rig/rig_window.h"

// The FT-847 remote-control window: tracks the selected satellite every second and,
// while its CAT link runs, keeps the transceiver's satellite VFOs, modes and tone on
// the Doppler-corrected frequencies. Loaded hidden at start-up; its tick runs for the
// whole program. What is the FT-847's own: its frames, its reply reader and meters,
// the same-band pairs on the main VFO, and its beacon, auto-capture and PTT buttons.
namespace torv {

class Ft847Window : public RigWindow {
    Q_OBJECT
public:
    explicit Ft847Window(RigContext& context);

    int same_band = 0;    // the link was started for an uplink and downlink in one band
    int reply_kind = 0;   // 0 receive status, 1 transmit status, 2 SAT RX, 3 SAT TX frequency
    int reply_count = 0;  // frequency replies still taken

    platform::CommandButton Command16;  // PTT
    platform::CommandButton Command17;  // beacon reception
    platform::CommandButton Command18;  // receive auto-capture
    platform::Label Label26;            // beacon mode
    platform::Label Label34, Label35;   // receive converter: shown while on, its offset
    QAction* MENU_8_iti = nullptr;

    // Public handlers, also pressed by scheduled operation.
    void Command16_Click() { ptt_toggle(); }
    void Command17_Click() { beacon_toggle(); }
    void Command18_Click() { auto_capture_toggle(); }
    void MENU_8_iti_Click();

    // Replies.
    void frequency_reply(const std::array<uint8_t, 5>& reply);
    void parse_rx_frequency(const std::array<uint8_t, 5>& reply);
    void parse_tx_frequency(const std::array<uint8_t, 5>& reply);
    void draw_s_meter(uint8_t status);
    void draw_po_meter(uint8_t status);

protected:
    bool send_opening() override;
    void after_opening() override;
    void send_closing() override;
    void send_ptt(bool on) override;
    void send_mode(Side side, RadioMode mode) override;
    void set_tone() override;
    void send_frequency(Side side, double mhz) override;
    void poll_meters() override;
    void request_frequency(Side side) override;
    void receive_reply() override;
    void send_burst_tone() override;
    void setup_begin() override;
    bool rx_toggle_allowed() override;
    platform::Label* beacon_mode_label() override { return &Label26; }

private:
    bool single_vfo() const;
    // CTCSS off, the burst button hidden, note in the tone label.
    void tone_off(const std::string& note);
    bool parse_frequency(const std::array<uint8_t, 5>& reply, double& sum, RadioMode& mode);
};

}  // namespace torv
