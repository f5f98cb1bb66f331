#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "rig/sat_codes.h"

// The transponder tracking engine shared by the four transceiver windows: the window
// state, its set-up from the satellite's information record, the operator's
// corrections, the fixed side, and the Doppler steps. Plain computation; the windows
// show what it returns and send what it leaves in the state.
namespace torv {

// One per transceiver window. Frequencies are MHz, as numbers or as the decimal text
// the record or a step produced.
struct RigWindowState {
    int no_sat_info = 0;            // 1 while the selected satellite has no record
    std::string beacon_text;
    std::string uplink_text;        // nominal transmit (uplink) frequency
    std::string downlink_text;      // nominal receive (downlink) frequency
    std::string tx_base_text;       // where the tracking steps start from
    std::string rx_base_text;
    RadioMode tx_mode = RadioMode::Other, rx_mode = RadioMode::Other;
    std::optional<RadioMode> tx_mode_sent, rx_mode_sent;  // none: the next mode update sends
    std::string conversion_type;  // the record's text: "0" fixed (FM), "1" inverting, "2" non-inverting
    ConversionType conversion = ConversionType::Other;  // conversion_type, read by the set-up
    double transponder_constant = 0;
    double tx_correction = 0, rx_correction = 0;
    int fixed_side = 0;             // 1 transmit side fixed, 2 receive side fixed
    int tx_auto = 0, rx_auto = 0;   // 1 automatic (sent every tick), 0 manual
    double send_freq = 0, recive_freq = 0;  // results of the last step, to be sent
    double tx_sum = 0, rx_sum = 0;  // the transceiver's frequencies as the window knows them
    int auto_capture_on = 0;
};

// Values the engine publishes to the rest of the program; one copy shared by the four
// windows, so the window that set up or stepped last determines them.
struct RigShared {
    std::string rig_uplink_text, rig_downlink_text;
    std::string rig_uplink_mode, rig_downlink_mode;  // "USB", "LSB", "CW", "FM"
    std::string rig_beacon_text;                      // beacon frequency times the Doppler factor
    int sat_converter_offset = 0;                     // receive converter, whole MHz
};

// The frequency pattern of the windows' labels: "####.00000".
std::string freq_text(double mhz);

// What the set-up leaves for the window to do with its sliders, and what it could not use.
struct SatInfoSetup {
    // Slider positions from the record's corrections field (transmit, receive);
    // empty when the corrections are to be reset.
    std::optional<std::pair<int, int>> sliders;
    // A value lay outside its field's range and took the field's default: a frequency
    // below 0 or of 100000 MHz and more, a slider position beyond -1000..1000, a
    // converter offset beyond a 16-bit whole number.
    bool unusable_value = false;
};

// Fills the state and the published values from a satellite information record
// (ten fields, each ended by ":"), k being the Doppler factor. Empty fields take the
// defaults: beacon, uplink and downlink "0", uplink mode "2", downlink mode "1",
// conversion type "0" (which also resets the corrections), converter offset 0; so do
// values outside their field's range (see unusable_value). A mode code other than
// "1".."4" leaves the published mode name as it was.
SatInfoSetup apply_sat_info(RigWindowState& s, RigShared& shared, const std::string& record, double k);

// K of a linear transponder from the nominal frequencies; unchanged for any other type.
void update_transponder_constant(RigWindowState& s);

// A correction slider: position p (-1000..1000), one step 50 Hz, or 1 kHz in FM.
struct SliderCorrection {
    double mhz = 0;         // 0 while the correction is switched off
    std::string value;      // what the value label shows: p in FM, else p x 50
    std::string unit;       // "KHZ" in FM, else "HZ"
};
SliderCorrection slider_correction(int p, RadioMode mode, bool enabled);

// What one step shows; an absent entry leaves its label as it is.
struct TrackDisplay {
    std::string label8;  // beacon times k
    std::optional<std::string> label1, label2, label10, label12;
    std::optional<std::string> text12, text13;  // the DDE items of the two frequencies
};

// The three steps. Each updates the beacon first; the linear steps act only for the
// inverting and non-inverting types, the separate step only for the fixed one.
TrackDisplay track_tx_fixed(RigWindowState& s, RigShared& shared, double k);
TrackDisplay track_rx_fixed(RigWindowState& s, RigShared& shared, double k);
TrackDisplay track_separate(RigWindowState& s, RigShared& shared, double k);
// The step of the tick: separate for the fixed type, else that of the fixed side (which
// acts only for a linear type).
TrackDisplay track_step(RigWindowState& s, RigShared& shared, double k);
// Where the tick's next step would tune the transceiver (transmit, receive), the state
// left as it is: with the corrections and the receive converter, which the set-up's
// nominal frequencies do not hold yet.
struct StepFrequencies {
    double send_freq = 0, recive_freq = 0;
};
StepFrequencies next_step_frequencies(RigWindowState s, RigShared shared, double k);

// A frequency read back from the transceiver is believed unless it lies above 460 MHz
// or more than 10 MHz below the one known before (or above it too, when either_way).
bool read_back_accepted(double previous, double now, bool either_way = false);

// A side made fixed continues from the frequency the last step gave it.
void rebase_tx(RigWindowState& s);
void rebase_rx(RigWindowState& s);

}  // namespace torv
