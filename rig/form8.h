#pragma once
#include <QMenuBar>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/picture_box.h"
#include "platform/serial_port.h"
#include "rig/rig_window.h"

// The FT-847 remote-control window: tracks the selected satellite every second and,
// while its CAT link runs, keeps the transceiver's satellite VFOs, modes and tone on
// the Doppler-corrected frequencies. Loaded hidden at start-up; its tick runs for the
// whole program.
namespace torv {

class form8 : public RigWindow {
    Q_OBJECT
public:
    explicit form8(RigContext& context);

    // Link state of the window (the engine's state is `state`).
    int ptt_on = 0;
    int beacon_on = 0;
    int same_band = 0;
    int reply_kind = 0;   // 0 receive status, 1 transmit status, 2 SAT RX, 3 SAT TX frequency
    int reply_count = 0;  // frequency replies still taken
    int ft847_no_info_notice_shown = 0;

    platform::CommandButton Command1, Command2;
    platform::CommandButton Command3, Command4, Command5, Command6;   // transmit CW, FM, LSB, USB
    platform::CommandButton Command7, Command8, Command9, Command10;  // receive USB, LSB, CW, FM
    platform::CommandButton Command11, Command12;  // receive / transmit automatic or manual
    platform::CommandButton Command13, Command14;  // read receive / transmit frequency
    platform::CommandButton Command15;             // SO-50 tone burst
    platform::CommandButton Command16;             // PTT
    platform::CommandButton Command17;             // beacon reception
    platform::CommandButton Command18;             // receive auto-capture
    platform::Shape Shape14, Shape15;              // receive / transmit automatic lamps
    platform::Label Label15, Label16;              // link and receive status
    platform::Label Label25;                       // tone status
    platform::Label Label26;                       // beacon mode
    platform::Label Label32, Label33;              // passbands
    platform::PictureBox Picture1, Picture2;       // signal strength, transmit power
    platform::Timer Timer2;                        // auto-capture
    platform::SerialPort MSComm1;
    QAction* MENU_8_iti = nullptr;

    // Public handlers, also pressed by scheduled operation.
    void form_load();
    void Command1_Click();
    void Command2_Click();
    void Command11_Click();
    void Command17_Click();
    void Command18_Click();

    void Timer1_Timer();
    // The tick's steps, run by the timer and, even inside a tick, by a frequency read.
    void run_tick();
    void stop_operation();

    // Ending the program: stops a running link as the stop button does (PTT off,
    // closing frames, corrections saved) as soon as no wait is pending, then calls
    // done. The main window calls it before it ends the program.
    void stop_for_exit(std::function<void()> done);

    // Operating buttons and their helpers.
    void mode_button(int side, const std::string& code);  // side 1 transmit, 2 receive
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Timer2_Timer();
    // Ctrl (17) toggles PTT on a fresh press; a key held down repeats nothing.
    void Form_KeyDown(int key_code, int shift, bool auto_repeat);
    void MENU_8_iti_Click();

    // Frames.
    void send_hex_command(const std::string& text);
    void send_frequencies();
    void update_modes_and_tone();
    void initial_modes_and_tone();
    void send_beacon_mode();

    // Replies.
    void poll_meters();
    void MSComm1_OnComm();
    void receive_reply();
    void frequency_reply(const std::array<uint8_t, 5>& reply);
    void parse_rx_frequency(const std::array<uint8_t, 5>& reply);
    void parse_tx_frequency(const std::array<uint8_t, 5>& reply);
    void draw_s_meter(uint8_t status);
    void draw_po_meter(uint8_t status);
    void save_corrections();

protected:
    void Form_Load() override { form_load(); }
    void Form_Unload(bool& cancel) override;
    void keyPressEvent(QKeyEvent* event) override;
    int& fixed_side_mirror() override { return ctx.mirror.ft847_fixed_side; }
    platform::Label* beacon_mode_label() override { return &Label26; }

private:
    void place_controls();
    void connect_handlers();
    bool link_refused();
    void set_tone();
    void send_write(const std::vector<uint8_t>& bytes);
    bool single_vfo() const;
    void draw_meter(platform::PictureBox& meter, int value, platform::ColorValue color, bool bar);
    bool parse_frequency(const std::array<uint8_t, 5>& reply, double& sum, std::string& mode);
    void set_auto(int& flag, platform::Shape& lamp, platform::CommandButton& button, bool on);

    bool key_preview_ = false;
    bool in_tick_ = false;
    bool reading_ = false;  // a receive-frequency read waits for its reply
};

}  // namespace torv
