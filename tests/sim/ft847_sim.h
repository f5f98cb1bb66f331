#pragma once
#include <string>
#include <vector>

#include "sim/sim_radio.h"

namespace torv::sim {

// What the radio holds, for a test to set up and assert on. Frequencies in MHz as the
// radio stores them (10 Hz steps); modes as their mode bytes (00 LSB, 01 USB, 02 CW,
// 08 FM).
struct Ft847State {
    bool cat_on = false;
    bool sat_mode = false;
    bool ptt = false;
    bool ctcss_on = false;      // SAT TX VFO encoder
    int tone_code = -1;         // SAT TX VFO tone code, -1 never set
    double main_freq = 0, sat_rx_freq = 0, sat_tx_freq = 0;
    int main_mode = -1, sat_rx_mode = -1, sat_tx_mode = -1;
    int s_meter = 0;            // 0..31, reported by the receive status
    int power = 0;              // 0..31, reported by the transmit status while keyed
};

// An FT-847 behind a pseudo-terminal: it decodes the five-byte frames as the radio
// does: nothing but "CAT on" is obeyed while CAT is off, the satellite VFOs only in
// satellite mode; it answers the status and frequency reads.
class Ft847Sim : public SimRadio {
    Q_OBJECT
public:
    Ft847Sim() : SimRadio(Framing{.length = 5}) {}

    Ft847State state;

protected:
    void obey(const std::vector<uint8_t>& f) override;

private:
    void answer_frequency(double mhz, int mode);
};

}  // namespace torv::sim
