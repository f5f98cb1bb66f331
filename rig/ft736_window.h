#pragma once
#include <string>

#include "rig/rig_window.h"

// The FT-736 remote-control window: tracks the selected satellite every second and,
// while its CAT link runs, writes the Doppler-corrected frequencies and the modes to
// the transceiver. The link only writes, so a manual side is tuned with a slider in
// kilohertz from where that side stood when it became manual, instead of being read
// back. What is the FT-736's own: its frames, the 67 Hz tone of AO-51 and SO-50, the
// tuning sliders, and the display of whatever bytes the radio sends.
namespace torv {

class Ft736Window : public RigWindow {
    Q_OBJECT
public:
    explicit Ft736Window(RigContext& context);

    // Where each side stood (rx_sum, tx_sum) when it was switched to manual; its tuning
    // slider counts from there.
    double rx_snapshot_mhz = 0;
    double tx_snapshot_mhz = 0;

    platform::CommandButton Command16;        // PTT
    platform::HScrollBar HScroll3, HScroll4;  // receive / transmit tuning, -200..+200 kHz
    platform::Label Label26, Label28;         // their positions
    platform::Label Label34, Label35;         // receive converter: shown while on, its offset

    void Command16_Click() { ptt_toggle(); }
    // The hidden buttons whose routines apply the tuning sliders.
    void Command13_Click() override;
    void Command14_Click() override;
    void HScroll3_Change();
    void HScroll4_Change();

protected:
    bool send_opening() override;
    void send_closing() override;
    void send_ptt(bool on) override;
    void send_mode(Side side, RadioMode mode) override;
    void set_tone() override;
    void send_frequency(Side side, double mhz) override;
    void receive_reply() override;
    void send_burst_tone() override;
    void setup_end() override;
    void side_toggled(Side side, bool to_auto) override;

private:
    void slider_tune(Side side);
    void send_tuned_rx_independently();
};

}  // namespace torv
