#include "sim/ft847_sim.h"

#include <cmath>

namespace torv::sim {

namespace {

double frame_frequency(const std::vector<uint8_t>& f) {
    const long tens_of_hz = from_bcd(f[0]) * 1000000L + from_bcd(f[1]) * 10000L + from_bcd(f[2]) * 100L + from_bcd(f[3]);
    return tens_of_hz / 100000.0;
}

}  // namespace

void Ft847Sim::obey(const std::vector<uint8_t>& f) {
    const uint8_t op = f[4];
    if (op == 0x00) state.cat_on = true;
    if (!state.cat_on) return;
    switch (op) {
        case 0x80: state.cat_on = false; break;
        case 0x4E: state.sat_mode = true; break;
        case 0x8E: state.sat_mode = false; break;
        case 0x08: state.ptt = true; break;
        case 0x88: state.ptt = false; break;
        case 0x01: state.main_freq = frame_frequency(f); break;
        case 0x07: state.main_mode = f[0]; break;
        case 0x03: answer_frequency(state.main_freq, state.main_mode); break;
        case 0xE7: answer({static_cast<uint8_t>(state.s_meter & 0x1F)}); break;
        case 0xF7: answer({static_cast<uint8_t>(state.ptt ? (state.power & 0x1F) : 0x80)}); break;
        default: break;
    }
    if (!state.sat_mode) return;
    switch (op) {
        case 0x11: state.sat_rx_freq = frame_frequency(f); break;
        case 0x21: state.sat_tx_freq = frame_frequency(f); break;
        case 0x17: state.sat_rx_mode = f[0]; break;
        case 0x27: state.sat_tx_mode = f[0]; break;
        case 0x2A: state.ctcss_on = f[0] != 0x8A; break;
        case 0x2B: state.tone_code = f[0]; break;
        case 0x13: answer_frequency(state.sat_rx_freq, state.sat_rx_mode); break;
        case 0x23: answer_frequency(state.sat_tx_freq, state.sat_tx_mode); break;
        default: break;
    }
}

void Ft847Sim::answer_frequency(double mhz, int mode) {
    const long units = std::lround(mhz * 100000.0);  // 10 Hz
    answer({bcd(static_cast<int>(units / 1000000 % 100)), bcd(static_cast<int>(units / 10000 % 100)),
            bcd(static_cast<int>(units / 100 % 100)), bcd(static_cast<int>(units % 100)),
            static_cast<uint8_t>(mode < 0 ? 0 : mode)});
}

}  // namespace torv::sim
