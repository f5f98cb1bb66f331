#pragma once
#include <vector>

#include "sim/sim_radio.h"

namespace torv::sim {

// What the radio holds, for a test to set up and assert on. Frequencies in MHz as the
// radio stores them (10 Hz steps); modes as their mode bytes (00 LSB, 01 USB, 02 CW,
// 08 FM); the tone as its code (1D 67.0 Hz, 1B 74.4 Hz).
struct Ft736State {
    bool cat_on = false;
    bool sat_mode = false;
    bool ptt = false;
    double rx_freq = 0, tx_freq = 0;  // satellite receive (downlink) and transmit VFOs
    int rx_mode = -1, tx_mode = -1;
    int tone_code = -1;
    int unknown_frames = 0;  // frames the radio does not understand
    std::vector<double> tx_freqs, rx_freqs;  // every frequency set, in order
};

// An FT-736 behind a pseudo-terminal. It only listens: nothing but "CAT on" is obeyed
// while CAT is off, the satellite VFOs only in satellite mode. A frequency's first
// byte is BCD below 1000 MHz; from 1200 MHz its high nibble is C and its low nibble
// the tens of MHz above 1200.
class Ft736Sim : public SimRadio {
    Q_OBJECT
public:
    Ft736Sim() : SimRadio(Framing{.length = 5}) {}

    Ft736State state;

protected:
    void obey(const std::vector<uint8_t>& f) override;
};

}  // namespace torv::sim
