#pragma once
#include <set>
#include <string>
#include <vector>

#include "sim/sim_radio.h"

namespace torv::sim {

// One satellite memory: VFO A (receive) and VFO B (transmit), MHz.
struct Ts2000Memory {
    double vfo_a = 0, vfo_b = 0;
};

// What the radio holds, for a test to set up and assert on. Modes are the rig's mode
// numbers (1 LSB, 2 USB, 3 CW, 4 FM); 0 never set.
struct Ts2000State {
    bool sat_mode = false;
    bool tx_side = false;        // the satellite mode addresses the transmit side (VFO B)
    bool trace = false;          // trace on (inverting transponder)
    bool trace_reverse = false;
    bool memory_select = false;  // CH steps through the satellite memories
    double vfo_a = 0, vfo_b = 0; // MHz
    int mode_a = 0, mode_b = 0;
    std::string tone_number;     // "01".."38", empty never set
    bool tone_on = false;
    bool ptt = false;
    int power = 100;             // watts
    int s_meter = 0;             // 0..30
    int keying_speed = 0;        // KS, words per minute; 0 never set
    std::vector<std::string> keyed;  // the 24 characters of each KY command, in order
    std::vector<Ts2000Memory> memories;
    size_t channel = 0;          // the satellite memory in use
};

// A TS-2000 behind a pseudo-terminal, taking its text commands as the radio does:
// satellite mode on recalls the satellite memory in use, "SA...1;" then "CH0;" steps to
// the next one; FA and FB set or read the VFOs; MD sets the mode of the side the
// satellite mode addresses; TN, TO, TX, RX, PC; SM0 reads the S-meter; KS sets the keying speed (4..60) and KY
// queues 24 characters for its keyer. A command it
// does not know, or one a test has it refuse, is answered "?;".
class Ts2000Sim : public SimRadio {
    Q_OBJECT
public:
    Ts2000Sim() : SimRadio(Framing{.end = ';', .text = true}) {}

    Ts2000State state;
    std::set<std::string> refused;  // heads ("MD", "TN") answered "?;"

    // Loads the satellite memories, the rig standing on the first.
    void load_memories(std::vector<Ts2000Memory> memories);

protected:
    void obey(const std::vector<uint8_t>& frame) override;

private:
    void satellite_mode(const std::string& p);
    void recall();
    void answer_text(const std::string& text);
};

}  // namespace torv::sim
