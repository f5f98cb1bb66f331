#pragma once
#include <QObject>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pty_pair.h"

class QSocketNotifier;

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
    std::vector<std::string> frames;  // every frame received, as hexadecimal text
};

// An FT-847 behind a pseudo-terminal: the program opens port_path(). It decodes the
// five-byte frames as the radio does: nothing but "CAT on" is obeyed while CAT is
// off, the satellite VFOs only in satellite mode; it answers the status and
// frequency reads. Runs in the test's event loop.
class Ft847Sim : public QObject {
    Q_OBJECT
public:
    Ft847Sim();
    ~Ft847Sim() override;

    bool ok() const { return pty_.ok(); }
    const std::string& port_path() const { return pty_.slave_path(); }

    Ft847State state;
    bool answer_reads = true;  // false: the radio stays silent

    // Sends raw bytes to the program, as a radio that answers on its own would.
    void send(const std::vector<uint8_t>& bytes);
    // Pulls the line away mid-pass.
    void unplug();

    // The frames received since the mark, and the mark itself.
    size_t mark() const { return state.frames.size(); }
    std::vector<std::string> frames_since(size_t mark) const;

private:
    void on_readable();
    void obey(const uint8_t* f);
    void answer_frequency(double mhz, int mode);

    PtyPair pty_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<uint8_t> pending_;
};

}  // namespace torv::sim
