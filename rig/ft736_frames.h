#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rig/yaesu_frames.h"

// The FT-736's CAT frames on the Yaesu five-byte layer. The link only writes: every
// fixed frame is in one table, the mode and frequency frames are built here, all as
// hexadecimal texts that go out one byte a write.
namespace torv::ft736 {

enum Frame {
    CatOn,
    SatModeOn,
    SatModeOff,
    CatOff,
    PttOn,
    PttOff,
    Tone67,    // CTCSS 67.0 Hz (the tone frames only choose the tone)
    Tone744,   // CTCSS 74.4 Hz, the SO-50 burst
    kFrameCount
};

inline constexpr std::array<std::string_view, kFrameCount> kFrames = {
    "0000000000",  // CatOn
    "000000000E",  // SatModeOn
    "000000008E",  // SatModeOff
    "0000000080",  // CatOff
    "0000000008",  // PttOn
    "0000000088",  // PttOff
    "1D000000FA",  // Tone67
    "1B000000FA",  // Tone744
};

inline std::string frame(Frame f) { return std::string(kFrames[f]); }

// Opcodes of the frames with a parameter.
enum Opcode : uint8_t {
    RxMode = 0x17,
    TxMode = 0x27,
    RxFrequency = 0x1E,
    TxFrequency = 0x2E,
};

// "01" USB, "00" LSB, "02" CW, "08" FM before the opcode; empty for RadioMode::Other.
inline std::string mode_frame(RadioMode mode, Opcode opcode) { return yaesu::mode_frame(mode, opcode); }

// The frequency frame for f MHz in 10 Hz steps (below 10 Hz truncated). Below 1000 MHz
// the first byte holds the hundreds and tens of MHz in BCD; from 1200 MHz it is C and
// the tens above 1200 (1296 MHz: C9 60 00 00). Nothing for what the first byte cannot
// carry: 1000 up to 1200 MHz, 1300 MHz and above, negative frequencies.
std::optional<std::string> frequency_frame(double mhz, Opcode opcode);

}  // namespace torv::ft736
