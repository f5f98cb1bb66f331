#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/msg_box.h"
#include "rig/rig_context.h"
#include "rig/tracking.h"

// The part every transceiver window has in common: the tracking engine's state and
// controls (frequencies, satellite frequencies, mode lamps, correction sliders, the
// fixed side) and the steps that show what the engine computes. Each window adds its
// protocol and its operating buttons.
namespace torv {

using platform::kRed;
using platform::kWhite;
using platform::kYellow;
using platform::kGreen;
using platform::kButtonFace;

inline constexpr platform::ColorValue kLightGreen = 8454016;
inline constexpr platform::ColorValue kLightOrange = 8438015;

// A message box with the OK button only.
inline void notice(const std::string& text) { platform::msg_box(text); }

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

class RigWindow : public platform::Form {
    Q_OBJECT
public:
    // What differs between the windows in the engine's handling.
    struct Options {
        bool correction_boxes = true;          // Check2 / Check3 switch the corrections
        bool rebase_fixed_side = true;         // a side made fixed continues from the last step
        bool refuse_tx_fixed_while_capturing = true;
    };

    RigWindow(RigContext& context, Options options);

    RigContext& ctx;
    RigWindowState state;

    ClickLabel Label1;  // transmit frequency; a click makes it the fixed side
    ClickLabel Label2;  // receive frequency
    platform::Label Label4;  // satellite the state was set up for
    platform::Label Label5, Label6;  // "送信周波数", "受信周波数"
    platform::Label Label8;   // beacon times the Doppler factor
    platform::Label Label10;  // satellite's receive frequency
    platform::Label Label12;  // satellite's transmit frequency
    platform::Label Label14;  // conversion type in words
    std::array<platform::Shape, 4> tx_lamps;  // Shape6..Shape9: USB, LSB, CW, FM
    std::array<platform::Shape, 4> rx_lamps;  // Shape10..Shape13
    platform::HScrollBar HScroll1, HScroll2;  // transmit and receive corrections
    platform::CheckBox Check1;                // receive converter
    platform::CheckBox Check2, Check3;        // transmit / receive correction on
    platform::Label Label29, Label31;         // transmit correction and unit
    platform::Label Label27, Label30;         // receive correction and unit
    ClickLabel Label23, Label24;              // reset labels
    platform::Shape Shape16;
    platform::Label Label22, Label34, Label35;  // converter display
    platform::Timer Timer1;

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
    // The step of the tick.
    void engine_step();

protected:
    // The window's fixed-side mirror flag.
    virtual int& fixed_side_mirror() = 0;
    // The beacon-mode label of the window, if it has one.
    virtual platform::Label* beacon_mode_label() { return nullptr; }

    // The receive side fixed, as every set-up leaves it.
    void make_rx_fixed_at_setup();
    void show(const TrackDisplay& d);
    void show_mode_lamps(std::array<platform::Shape, 4>& lamps, const std::string& code);
    void dde_put(std::string_view item, const std::string& text);
    void reset_corrections();

private:
    void place_controls();
    void color_fixed_side(int side);
    Options options_;
};

}  // namespace torv
