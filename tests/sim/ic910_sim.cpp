#include "sim/ic910_sim.h"

#include <cmath>

namespace torv::sim {

namespace {

constexpr uint8_t kOk = 0xFB, kNg = 0xFA;

// Five packed-BCD bytes, 1 Hz digits first.
double decode_frequency(const uint8_t* data) {
    long long hz = 0;
    for (int i = 4; i >= 0; --i) hz = hz * 100 + from_bcd(data[i]);
    return hz / 1e6;
}

std::vector<uint8_t> encode_frequency(double mhz) {
    long long hz = std::llround(mhz * 1e6);
    std::vector<uint8_t> data;
    for (int i = 0; i < 5; ++i, hz /= 100) data.push_back(bcd(static_cast<int>(hz % 100)));
    return data;
}

}  // namespace

void Ic910Sim::reply(const std::vector<uint8_t>& body) {
    std::vector<uint8_t> f{0xFE, 0xFE, 0xE0, 0x60};
    for (uint8_t b : body) f.push_back(b);
    f.push_back(0xFD);
    answer(f);
}

void Ic910Sim::obey(const std::vector<uint8_t>& frame) {
    send(frame);  // the echo on the bus
    if (frame.size() < 6 || frame[0] != 0xFE || frame[1] != 0xFE || frame[2] != 0x60) return;
    if (answer_ng) {
        reply({kNg});
        return;
    }
    const uint8_t* d = &frame[5];  // after the command byte
    const size_t n = frame.size() - 6;  // data bytes and sub-command
    switch (frame[4]) {
        case 0x03:
            reply([&] {
                std::vector<uint8_t> r{0x03};
                for (uint8_t b : encode_frequency(selected().freq)) r.push_back(b);
                return r;
            }());
            return;
        case 0x05:
            if (n != 5) break;
            selected().freq = decode_frequency(d);
            reply({kOk});
            return;
        case 0x06:
            if (n < 1) break;
            selected().mode = d[0];
            reply({kOk});
            return;
        case 0x07:
            if (n != 1 || (d[0] != 0xD0 && d[0] != 0xD1)) break;
            state.sub_selected = d[0] == 0xD1;
            reply({kOk});
            return;
        case 0x15:
            if (n == 1 && d[0] == 0x02)
                reply({0x15, 0x02, bcd(state.s_level / 100), bcd(state.s_level % 100)});
            return;
        case 0x1A:
            if (n == 2 && d[0] == 0x07) {
                state.sat_mode = d[1] == 0x01;
                reply({kOk});
                return;
            }
            if (n == 2 && d[0] == 0x01 && from_bcd(d[1]) < 20) {
                const Ic910Channel& c = state.channels[static_cast<size_t>(from_bcd(d[1]))];
                std::vector<uint8_t> r{0x1A, 0x01, d[1]};
                for (uint8_t b : encode_frequency(c.rx.freq)) r.push_back(b);
                r.push_back(static_cast<uint8_t>(c.rx.mode < 0 ? 0 : c.rx.mode));
                r.insert(r.end(), 8, 0x00);  // tone, duplex and the like
                for (uint8_t b : encode_frequency(c.tx.freq)) r.push_back(b);
                r.push_back(static_cast<uint8_t>(c.tx.mode < 0 ? 0 : c.tx.mode));
                reply(r);
                return;
            }
            break;
        default: break;
    }
    reply({kNg});
}

}  // namespace torv::sim
