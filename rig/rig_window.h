#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/reentry_guard.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/msg_box.h"
#include "platform/picture_box.h"
#include "platform/serial_port.h"
#include "rig/rig_context.h"
#include "rig/tracking.h"

// The transceiver window template. Every transceiver window (FT-847, IC-910, FT-736,
// TS-2000) is a RigWindow: the same tracking state and controls, the same link life
// cycle, the same tick, the same operating buttons. A radio fills in its protocol.
//
// What RigWindow does, the same way for every radio:
//  - set-up from the selected satellite's record (form_load): the satellite label, a
//    missing record opening the editor, the receive side fixed, the engine's parse, the
//    meter grids, the start button from the CAT setting, both sides automatic,
//    auto-capture off, the passband labels;
//  - the link: start (Command2_Click: the port opened with the radio's framing, the
//    status and flags, the radio's opening frames, PTT off for a radio that has PTT, the
//    radio's start notices, the start button green, the companion programs, the radio's
//    initial frames) and stop (PTT off, the radio's closing frames, the port closed,
//    flags and captions back, the corrections saved);
//  - a stop or close asked for while a wait runs is carried out once the outermost
//    wait has ended, never dropped; meanwhile the start button shows it, a second
//    request changes nothing, and the window refuses to unload; stop_for_exit; a set-up
//    asked for from outside (request_setup) waits for the outermost wait the same way;
//  - a line that hangs up (the port's comEventCDTO) closes the port at once and ends
//    the link as a stop does, its frames going nowhere, with one notice naming the port;
//  - the tick (Timer1), never re-entered by its own timer: satellite changed -> set-up
//    again; missing record -> the radio's rule (notice once and hide, or notice and
//    unload); else modes and tone, the radio's poll, the engine step, the frequencies;
//  - which frequencies go out: a side that is automatic, has a frequency (a receive-only
//    satellite's uplink 0 sends nothing) and lies within the radio's range; beacon
//    reception in place of the receive side;
//  - mode buttons, automatic/manual buttons, the frequency read buttons (tick held, one
//    forced tick for a manual transmit side), the read-back rules, auto-capture, beacon
//    reception, PTT on its button and on a fresh Ctrl press, the SO-50 tone burst, serial
//    error texts, meters.
//
// What a radio provides (see the hooks below):
//  - a Radio description: its texts, framing, thresholds, frequency limits, tick, what a
//    missing record and its close button do; its ScheduleMirror flags; its CAT setting;
//  - its frames: send_opening (which may give the start up), send_closing, send_ptt,
//    send_mode, set_tone, send_frequency, send_burst_tone, after_burst; its framing
//    (port_framing) where it depends on the speed;
//  - its poll (poll_meters) and its reply reader (receive_reply), and the request of its
//    read buttons (request_frequency);
//  - its window's differences: its own controls (hand the optional PTT, beacon and
//    capture buttons to set_link_buttons, the converter's two labels to
//    set_converter_labels, fixed-side lamps to set_fixed_side_lamps; Timer1 runs from
//    construction, a radio whose tick starts later switches it off), setup_begin/setup_end,
//    after_satellite_change, after_stop, after_mode_button, rx_toggle_allowed,
//    side_toggled, on_unload; the read buttons and the tone burst are virtual too.
// A new radio goes in rig/ as <radio>_frames (its table, on the maker's frame layer in
// torv_rig_core) and a window file holding only that; its simulator in tests/sim on
// SimRadio.
namespace torv {

using platform::kButtonFace;
using platform::kGreen;
using platform::kRed;
using platform::kWhite;
using platform::kYellow;

inline constexpr platform::ColorValue kLightGreen = 8454016;
inline constexpr platform::ColorValue kLightOrange = 8438015;

// A message box with the OK button only.
inline void notice(const std::string& text) { platform::msg_box(text); }

// The tone note of a satellite tone the radio cannot send: the tone is switched off.
inline std::string tone_missing_note(const std::string& tone) { return "トーン信号" + tone + "は未対応です"; }

// A label that takes clicks.
class ClickLabel : public platform::Label {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : platform::Label(parent) {}
    std::function<void()> Click;

protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        if (Click) Click();
    }
};

enum class Side { Tx, Rx };

class RigWindow : public platform::Form {
    Q_OBJECT
public:
    // What differs between the windows in the engine's handling.
    struct Options {
        bool correction_boxes = true;          // Check2 / Check3 switch the corrections
        bool rebase_fixed_side = true;         // a side made fixed continues from the last step
        bool refuse_tx_fixed_while_capturing = true;
    };
    // What ends a window: hidden (it stays loaded and keeps ticking) or unloaded.
    enum class End { None, Hide, Unload };
    enum class MissingRecord {
        NoticeOnceAndHide,  // once per set-up; the window stays loaded
        NoticeAndUnload,
    };

    // A radio's description.
    struct Radio {
        const char* not_running_text;             // the operating buttons' refusal while stopped
        const char* ptt_not_running_text = nullptr;  // the PTT button's, when it differs
        const char* start_caption;                // Command2 while stopped / running
        const char* stop_caption;
        const char* open_status = "COM OPEN";     // Label15 once the port is open / closed
        const char* closed_status = "COM CLOSE";
        const char* framing = "n,8,1";            // parity, data bits, stop bits
        int r_threshold = 1, s_threshold = 1, input_len = 0;
        int tick_ms = 1000;
        double lowest = 0;          // MHz: frequency frames only from here (inclusive)
        double highest = 460;       //      up to here (inclusive)
        double mode_highest = 460;  // MHz: mode frames and meter polls up to here
        double beacon_lowest = 140; // beacon reception needs a beacon above this
        MissingRecord missing_record = MissingRecord::NoticeAndUnload;
        End close_button = End::Unload;    // Command1, after the stop
        End start_failure = End::Unload;   // a port that does not open, a start the radio gives up
        bool shows_serial_errors = true;
        // The radio's own opening and closing frames key and unkey the transmitter
        // where it needs it: no PTT-off of the template's at the start and the stop.
        bool ptt_in_own_frames = false;
        // The SO-50 tone burst's notes, and whether its two seconds let events run.
        const char* burst_sending_text = "ＣＴＣＳＳトーン信号を送信";
        const char* burst_done_text = "ＣＴＣＳＳトーン信号７４．４ＨＺを送信完了";
        bool burst_waits = false;
        Options engine = {};
        // Seconds the start pauses (blocking) before the transmit mode frame, for a
        // radio that needs time after the receive one.
        float start_tx_mode_pause = 0;
    };
    // The radio's ScheduleMirror flags; the optional ones only where it has the feature.
    struct Mirror {
        int* running;
        int* rx_auto;
        int* fixed_side;
        int* auto_capture = nullptr;
        int* beacon_mode = nullptr;
    };

    RigWindow(RigContext& context, const Radio& radio, const CatPortSetting& cat, Mirror mirror);

    RigContext& ctx;
    RigWindowState state;
    // Link state the template keeps for every radio.
    int ptt_on = 0;     // this window has keyed the transmitter
    int beacon_on = 0;  // beacon reception
    int no_info_notice_shown = 0;  // NoticeOnceAndHide: the missing record was reported

    // ---- tracking controls ----
    ClickLabel Label1;  // transmit frequency; a click makes it the fixed side
    ClickLabel Label2;  // receive frequency
    platform::Label Label4;  // satellite the state was set up for
    ClickLabel Label5, Label6;  // "送信周波数", "受信周波数"; a click as on Label1 / Label2
    platform::Label Label8;   // beacon times the Doppler factor
    platform::Label Label10;  // satellite's receive frequency
    platform::Label Label12;  // satellite's transmit frequency
    ClickLabel Label14;  // conversion type in words
    std::array<platform::Shape, 4> tx_lamps;  // Shape6..Shape9: USB, LSB, CW, FM
    std::array<platform::Shape, 4> rx_lamps;  // Shape10..Shape13
    platform::HScrollBar HScroll1, HScroll2;  // transmit and receive corrections
    platform::CheckBox Check1;                // receive converter
    platform::CheckBox Check2, Check3;        // transmit / receive correction on
    platform::Label Label29, Label31;         // transmit correction and unit
    platform::Label Label27, Label30;         // receive correction and unit
    ClickLabel Label23, Label24;              // reset labels
    platform::Shape Shape16;                  // converter lamp, Check1's colour
    platform::Label Label22;                  // shown while the converter is off
    // ---- link controls ----
    platform::CommandButton Command1, Command2;                      // close, start/stop
    platform::CommandButton Command3, Command4, Command5, Command6;   // transmit CW, FM, LSB, USB
    platform::CommandButton Command7, Command8, Command9, Command10;  // receive USB, LSB, CW, FM
    platform::CommandButton Command11, Command12;  // receive / transmit automatic or manual
    platform::CommandButton Command13, Command14;  // read receive / transmit frequency
    platform::CommandButton Command15;             // SO-50 tone burst, shown by a radio's tone rule
    platform::Shape Shape14, Shape15;              // receive / transmit automatic lamps
    platform::Label Label15, Label16;              // link and receive status
    platform::Label Label25;                       // tone note
    platform::Label Label32, Label33;              // the satellite's passbands
    platform::PictureBox Picture1, Picture2;       // receive and transmit meters
    platform::Timer Timer1{this};                  // the tick
    platform::Timer Timer2{this};                  // auto-capture, 1700 ms
    platform::SerialPort MSComm1;                  // the CAT serial port

    // ---- the engine's steps ----
    // The set-up from a satellite information record (the caller reads the record).
    void parse_sat_info(const std::string& record);
    void HScroll1_Change();
    void HScroll2_Change();
    void Label23_Click() { HScroll1.setValue(0); }
    void Label24_Click() { HScroll2.setValue(0); }
    void Label1_Click();
    void Label2_Click();
    void Check1_Click();
    void track_tx_fixed();
    void track_rx_fixed();
    void track_separate();
    void engine_step();  // the step of the tick

    // ---- the link ----
    void form_load();
    // The set-up asked for from outside the window (another satellite chosen, its record
    // stored): now, or once the outermost wait has ended, so that a tick waiting for a
    // reply ends with the satellite it began with and the next one sends the new modes
    // and tone before the new frequencies. A request while one is pending changes nothing.
    void request_setup();
    void Command1_Click();
    void Command2_Click();
    // Stops the link at once; does nothing while a wait runs (a request still waits for
    // its reply): the buttons go through request_stop, which defers it.
    void stop_operation();
    // The stop of the buttons, the tick and scheduled operation: now, or once the
    // outermost wait has ended. A request while one is pending changes nothing.
    void request_stop();
    bool stop_pending() const { return stop_pending_; }
    // Ending the program: stops a running link (PTT off, closing frames, corrections
    // saved) as soon as no wait is pending, then calls done.
    void stop_for_exit(std::function<void()> done);
    bool running() const { return *mirror_.running == 1; }
    // The link runs or is starting (its port is open).
    bool link_busy() const;

    void Timer1_Timer();
    // The tick's steps, also run by a frequency read inside a tick's wait.
    void run_tick();
    void update_modes_and_tone();
    void initial_modes_and_tone();
    void send_frequencies();
    void send_beacon_mode();
    void save_corrections();

    // ---- operating buttons ----
    void mode_button(Side side, RadioMode mode);
    void Command11_Click();
    void Command12_Click();
    virtual void Command13_Click() { read_frequency(Side::Rx); }
    virtual void Command14_Click() { read_frequency(Side::Tx); }
    virtual void Command15_Click();
    void Timer2_Timer();
    // A key the window sees before its controls while the link runs, and always while
    // it has the focus itself (window key codes: 17 Ctrl, 18 Alt, 46 Delete, 112..
    // F1..); true when taken. Ctrl toggles PTT on a fresh press: a key held down
    // repeats nothing.
    virtual bool Form_KeyDown(int key_code, int shift, bool auto_repeat);

    void draw_meter(platform::PictureBox& meter, int columns, platform::ColorValue color);
    void MSComm1_OnComm();

    // ---- for scheduled operation ----
    // The buttons of beacon reception and auto-capture, in a radio that has them.
    void beacon_toggle();
    void auto_capture_toggle();
    // The flags this window keeps for the schedule; beacon and capture only where it has them.
    const Mirror& mirror() const { return mirror_; }
    // What the operator is told: a message box; during a schedule run, which nobody
    // attends, the schedule window's status line instead, so no boxes pile up.
    void notice(const std::string& text);

protected:
    // ---- what a radio provides ----
    // Frames that put the radio under control (CAT on, satellite mode) once the port is
    // open. false gives the start up: the link is stopped again.
    virtual bool send_opening() = 0;
    // Notices of the start, after the opening frames and PTT off.
    virtual void after_opening() {}
    // The port's parity, data and stop bits.
    virtual std::string port_framing() const { return radio_.framing; }
    // The frames that follow the start; the modes and tone by default.
    virtual void send_initial_state() { initial_modes_and_tone(); }
    // Frames that give the radio back (tone off, satellite mode off, CAT off), after PTT off.
    virtual void send_closing() = 0;
    // PTT on or off; only called for a radio that has a PTT button.
    virtual void send_ptt(bool on) { (void)on; }
    // The mode frame(s) of one side (also the beacon's mode on the receive side).
    virtual void send_mode(Side side, RadioMode mode) = 0;
    // The tone rule, run with every change of the transmit mode.
    virtual void set_tone() {}
    // One side's frequency frame(s), for a frequency the template decided to send.
    virtual void send_frequency(Side side, double mhz) = 0;
    // The meter requests of the tick, with their waits.
    virtual void poll_meters() {}
    // A read button's request and its wait for the reply.
    virtual void request_frequency(Side side) { (void)side; }
    // The port's received-data event.
    virtual void receive_reply() = 0;
    // The tone of the SO-50 burst, before it keys the transmitter, and the frames that
    // follow the burst.
    virtual void send_burst_tone() {}
    virtual void after_burst() {}
    // The window's own steps at the start and end of a set-up (the end only with a record).
    virtual void setup_begin() {}
    virtual void setup_end() {}
    // After the tick set the window up for another satellite; false ends the tick.
    virtual bool after_satellite_change() { return true; }
    // The window's own steps after a stop (before the corrections are saved).
    virtual void after_stop() {}
    // A mode button set its side's mode (the next tick sends it unless the radio does now).
    virtual void after_mode_button() {}
    // Whether the receive side may change between automatic and manual now.
    virtual bool rx_toggle_allowed() { return true; }
    // A side changed between automatic and manual (before its correction is applied).
    virtual void side_toggled(Side side, bool to_auto) { (void)side, (void)to_auto; }
    // The window's steps when it really unloads (after the stop).
    virtual void on_unload() {}

    // ---- for the radios ----
    // The buttons a radio has for PTT, beacon reception and auto-capture.
    void set_link_buttons(platform::CommandButton* ptt, platform::CommandButton* beacon,
                          platform::CommandButton* capture);
    void ptt_toggle();
    // The read buttons' template: tick held, the radio's request, a forced tick.
    void read_frequency(Side side);
    // A read-back of one side, continuing the tracking from it: false when refused.
    void continue_from_read_back(Side side);
    // The operating buttons' refusal while the link is stopped.
    bool link_refused();
    // The link's frames: a hexadecimal frame text one byte a write, or bytes in one write;
    // nothing while the port is closed. Requests empty the input first, so a reply that
    // came after its read gave up is not taken for the next one.
    void send_hex_command(const std::string& text);
    void write_bytes(const std::vector<uint8_t>& bytes);
    void send_request(const std::string& hex_frame);
    // Whether a side's frequency goes out: automatic, a side the satellite has, within
    // the radio's range.
    bool sendable(Side side) const;
    const Radio& radio() const { return radio_; }

    void make_rx_fixed_at_setup();
    void show(const TrackDisplay& d);
    // The lamp of the mode red, the others white; RadioMode::Other leaves them as they are.
    void show_mode_lamps(std::array<platform::Shape, 4>& lamps, RadioMode mode);
    void dde_put(std::string_view item, const std::string& text);
    // A correction worked out from its slider, as the slider's handler does, without
    // the handler's pause.
    void apply_tx_correction();
    void apply_rx_correction();
    // The converter's offset label: the offset while the box is ticked, else empty.
    void show_converter_offset();
    // The converter's two labels, which the windows name differently.
    void set_converter_labels(platform::Label* shown_when_on, platform::Label* offset_text);
    // Lamps of the fixed side, in a window that has them: red on the fixed side.
    void set_fixed_side_lamps(platform::Shape* tx, platform::Shape* rx);
    // The beacon-mode label of the window, if it has one.
    virtual platform::Label* beacon_mode_label() { return nullptr; }
    // The beacon's mode of the satellite's frequency-range record, as the program holds
    // it now (its editor changes it without a new set-up).
    RadioMode sat_beacon_mode() const { return parse_mode(ctx.sat.values.sat_beacon_mode); }
    // The colour of the converter box and its labels while it is ticked.
    virtual platform::ColorValue converter_color() { return kLightGreen; }

    void Form_Load() override { form_load(); }
    void Form_Unload(bool& cancel) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A key press offered to Form_KeyDown as keyPressEvent does; true when taken. For a
    // window whose controls would take the key before the window sees it.
    bool preview_key(QKeyEvent* event);

private:
    void place_controls();
    void place_link_controls();
    void connect_link_handlers();
    void color_fixed_side(int side);
    void set_auto(int& flag, platform::Shape& lamp, platform::CommandButton& button, bool on);
    void show_passbands();
    void start_link();
    // The port hung up: closed at once; the link ends from the event loop.
    void line_lost();
    void end_lost_link();
    void end_window(End how);
    void carry_out_stop();
    void tick_steps();
    void missing_record();
    void send_beacon_frequency();
    void clear_meters();

    const Radio& radio_;
    const CatPortSetting& cat_;
    Mirror mirror_;
    platform::CommandButton* ptt_button_ = nullptr;
    platform::CommandButton* beacon_button_ = nullptr;
    platform::CommandButton* capture_button_ = nullptr;
    platform::Label* converter_shown_ = nullptr;
    platform::Label* converter_text_ = nullptr;
    platform::Shape* tx_fixed_lamp_ = nullptr;
    platform::Shape* rx_fixed_lamp_ = nullptr;
    ReentryGuard tick_guard_;
    bool key_preview_ = false;
    bool reading_ = false;  // a read button's request waits for its reply
    bool stop_pending_ = false;
    bool setup_pending_ = false;
    bool line_lost_ = false;  // the port hung up and the link has not been ended for it yet
    End end_after_stop_ = End::None;
    std::vector<std::function<void()>> after_stop_calls_;
};

}  // namespace torv
