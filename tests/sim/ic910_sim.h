#pragma once
#include <array>
#include <vector>

#include "sim/sim_radio.h"

namespace torv::sim {

// One band of the radio: frequency in MHz (1 Hz steps) and CI-V mode byte (00 LSB,
// 01 USB, 03 CW, 05 FM; -1 never set).
struct Ic910Band {
    double freq = 0;
    int mode = -1;
};

// A memory channel as the radio stores it.
struct Ic910Channel {
    Ic910Band rx, tx;
};

// What the radio holds, for a test to set up and assert on.
struct Ic910State {
    bool sat_mode = false;
    Ic910Band main, sub;     // MAIN receives (downlink), SUB transmits (uplink)
    bool sub_selected = false;
    int s_level = 0;         // 0..255
    std::array<Ic910Channel, 20> channels{};
};

// An IC-910 on a CI-V bus behind a pseudo-terminal, at address 60. The bus carries
// every frame back to its sender, so each frame the program writes comes back as its
// echo first. Frames for address 60 are obeyed: satellite mode, band select, mode and
// frequency of the selected band (answered OK), reads of the selected band's frequency,
// of the S-meter and of a memory channel (answered with their data).
class Ic910Sim : public SimRadio {
    Q_OBJECT
public:
    Ic910Sim() : SimRadio(Framing{.end = 0xFD}) {}

    Ic910State state;
    bool answer_ng = false;  // every command is refused with NG

    // A burst of bytes with no end byte, as a disturbed line might carry.
    void send_burst(size_t bytes) { send(std::vector<uint8_t>(bytes, 0x55)); }

protected:
    void obey(const std::vector<uint8_t>& frame) override;

private:
    Ic910Band& selected() { return state.sub_selected ? state.sub : state.main; }
    void reply(const std::vector<uint8_t>& body);
};

}  // namespace torv::sim
