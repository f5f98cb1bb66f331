#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rig/yaesu_frames.h"

// The FT-847's CAT frames on the Yaesu five-byte layer: every fixed frame in one
// table, the frames with a parameter (frequency, mode, tone) built by the layer, and
// the reader of a frequency reply.
namespace torv::ft847 {

enum Frame {
    CatOn,
    SatModeOn,
    SatModeOff,
    CatOff,
    PttOn,
    PttOff,
    CtcssOn,         // on the SAT TX VFO, after each tone frame
    CtcssOff,
    ReadRxStatus,
    ReadTxStatus,
    ReadSatRx,       // SAT RX frequency and mode
    ReadSatTx,
    ReadMain,        // main VFO frequency and mode
    kFrameCount
};

inline constexpr std::array<std::string_view, kFrameCount> kFrames = {
    "0000000000",  // CatOn
    "000000004E",  // SatModeOn
    "000000008E",  // SatModeOff
    "0000000080",  // CatOff
    "0000000008",  // PttOn
    "0000000088",  // PttOff
    "2A0000002A",  // CtcssOn
    "8A0000002A",  // CtcssOff
    "00000000E7",  // ReadRxStatus
    "00000000F7",  // ReadTxStatus
    "0000000013",  // ReadSatRx
    "0000000023",  // ReadSatTx
    "0000000003",  // ReadMain
};

inline std::string frame(Frame f) { return std::string(kFrames[f]); }

// Opcodes of the frames with a parameter.
enum Opcode : uint8_t {
    MainFrequency = 0x01,
    SatRxFrequency = 0x11,
    SatTxFrequency = 0x21,
    MainMode = 0x07,
    SatRxMode = 0x17,
    SatTxMode = 0x27,
    SatTxTone = 0x2B,
};

// The frequency frame for f MHz in units of 10 Hz (below 10 Hz truncated), or
// nothing when the four BCD bytes cannot carry it (1000 MHz and above, negative).
inline std::optional<std::vector<uint8_t>> frequency_frame(double mhz, Opcode opcode) {
    return yaesu::frequency_frame(mhz, opcode);
}
// "01" USB, "00" LSB, "02" CW, "08" FM before the opcode; empty for RadioMode::Other.
inline std::string mode_frame(RadioMode mode, Opcode opcode) { return yaesu::mode_frame(mode, opcode); }

// The CTCSS code of a tone text ("88.5" and "88.50" -> "0E"); nothing for a tone the
// radio does not have.
std::optional<std::string> ctcss_code(std::string_view tone);
std::string tone_frame(std::string_view code);

// A frequency and mode reply: four BCD bytes (10 Hz units) and the mode byte.
double reply_frequency(const std::array<uint8_t, 5>& reply);
// The mode of a reply's mode byte: LSB, USB, CW (also reverse and narrow) and FM (also
// narrow); nothing for any other byte.
std::optional<RadioMode> reply_mode(uint8_t mode_byte);

}  // namespace torv::ft847
