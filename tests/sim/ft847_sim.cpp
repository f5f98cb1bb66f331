#include "sim/ft847_sim.h"

#include <QSocketNotifier>
#include <cmath>
#include <unistd.h>

namespace torv::sim {

namespace {

int from_bcd(uint8_t b) { return 10 * (b >> 4) + (b & 0x0F); }
uint8_t to_bcd(int v) { return static_cast<uint8_t>(((v / 10) << 4) | (v % 10)); }

std::string hex(const uint8_t* f) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < 5; ++i) {
        text += digits[f[i] >> 4];
        text += digits[f[i] & 0x0F];
    }
    return text;
}

double frame_frequency(const uint8_t* f) {
    const long tens_of_hz = from_bcd(f[0]) * 1000000L + from_bcd(f[1]) * 10000L + from_bcd(f[2]) * 100L + from_bcd(f[3]);
    return tens_of_hz / 100000.0;
}

}  // namespace

Ft847Sim::Ft847Sim() {
    if (!pty_.ok()) return;
    notifier_ = std::make_unique<QSocketNotifier>(pty_.master(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { on_readable(); });
}

Ft847Sim::~Ft847Sim() = default;

void Ft847Sim::unplug() {
    notifier_.reset();
    pty_.close_master();
}

void Ft847Sim::send(const std::vector<uint8_t>& bytes) {
    if (pty_.master() >= 0) (void)!::write(pty_.master(), bytes.data(), bytes.size());
}

std::vector<std::string> Ft847Sim::frames_since(size_t mark) const {
    return {state.frames.begin() + static_cast<long>(std::min(mark, state.frames.size())), state.frames.end()};
}

void Ft847Sim::on_readable() {
    uint8_t buffer[256];
    ssize_t n;
    while ((n = ::read(pty_.master(), buffer, sizeof buffer)) > 0) pending_.insert(pending_.end(), buffer, buffer + n);
    size_t used = 0;
    for (; used + 5 <= pending_.size(); used += 5) obey(pending_.data() + used);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(used));
}

void Ft847Sim::obey(const uint8_t* f) {
    state.frames.push_back(hex(f));
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
        case 0xE7: if (answer_reads) send({static_cast<uint8_t>(state.s_meter & 0x1F)}); break;
        case 0xF7:
            if (answer_reads) send({static_cast<uint8_t>(state.ptt ? (state.power & 0x1F) : 0x80)});
            break;
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
    if (!answer_reads) return;
    const long units = std::lround(mhz * 100000.0);  // 10 Hz
    send({to_bcd(static_cast<int>(units / 1000000 % 100)), to_bcd(static_cast<int>(units / 10000 % 100)),
          to_bcd(static_cast<int>(units / 100 % 100)), to_bcd(static_cast<int>(units % 100)),
          static_cast<uint8_t>(mode < 0 ? 0 : mode)});
}

}  // namespace torv::sim
