#include "sim/ft736_sim.h"

namespace torv::sim {

namespace {

// The frequency of a frame's four parameter bytes; negative when the radio cannot
// read them.
double frame_frequency(const std::vector<uint8_t>& f) {
    int tens_of_mhz = 0;
    if ((f[0] >> 4) == 0x0C && (f[0] & 0x0F) <= 9) tens_of_mhz = 120 + (f[0] & 0x0F);
    else if ((f[0] >> 4) <= 9 && (f[0] & 0x0F) <= 9) tens_of_mhz = from_bcd(f[0]);
    else return -1;
    for (int i = 1; i < 4; ++i)
        if ((f[i] >> 4) > 9 || (f[i] & 0x0F) > 9) return -1;
    const long tens_of_hz = tens_of_mhz * 1000000L + from_bcd(f[1]) * 10000L + from_bcd(f[2]) * 100L + from_bcd(f[3]);
    return tens_of_hz / 100000.0;
}

bool is_mode_byte(uint8_t b) { return b == 0x00 || b == 0x01 || b == 0x02 || b == 0x08; }

}  // namespace

void Ft736Sim::obey(const std::vector<uint8_t>& f) {
    const uint8_t op = f[4];
    if (op == 0x00) {
        state.cat_on = true;
        return;
    }
    if (!state.cat_on) return;
    switch (op) {
        case 0x80: state.cat_on = false; return;
        case 0x0E: state.sat_mode = true; return;
        case 0x8E: state.sat_mode = false; return;
        case 0x08: state.ptt = true; return;
        case 0x88: state.ptt = false; return;
        case 0xFA: state.tone_code = f[0]; return;
        default: break;
    }
    const bool rx = op == 0x17 || op == 0x1E;
    if ((op == 0x17 || op == 0x27) && is_mode_byte(f[0])) {
        if (state.sat_mode) (rx ? state.rx_mode : state.tx_mode) = f[0];
        return;
    }
    if (op == 0x1E || op == 0x2E) {
        const double mhz = frame_frequency(f);
        if (mhz < 0) {
            ++state.unknown_frames;
            return;
        }
        if (!state.sat_mode) return;
        (rx ? state.rx_freq : state.tx_freq) = mhz;
        (rx ? state.rx_freqs : state.tx_freqs).push_back(mhz);
        return;
    }
    ++state.unknown_frames;
}

}  // namespace torv::sim
