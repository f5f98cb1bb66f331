#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rig/sat_codes.h"

// The five-byte CAT frames of the Yaesu transceivers (FT-847, FT-736): four parameter
// bytes, then the opcode. Each radio keeps its fixed frames in one read-only table of
// hexadecimal texts indexed by a named constant; the frames with a parameter (mode,
// frequency) are built here.
namespace torv::yaesu {

// A frame whose first parameter byte is given as two hexadecimal digits and whose
// other three are 0: "01" and 0x17 give "0100000017".
std::string opcode_frame(std::string_view first_param, uint8_t opcode);

// The mode byte text of a mode: "01" USB, "00" LSB, "02" CW, "08" FM; empty for
// RadioMode::Other.
std::string mode_byte(RadioMode mode);
// The mode frame of a mode, or the empty text (nothing to send) for RadioMode::Other.
std::string mode_frame(RadioMode mode, uint8_t opcode);

// A frequency as the four parameter groups, most significant first, in 10 Hz steps
// (below 10 Hz truncated): hundreds and tens of MHz, units of MHz and 100 kHz, tens and
// units of kHz, hundreds and tens of Hz. From 1000 MHz on the first group passes 99,
// which each radio writes in its own way. Nothing for a negative frequency.
std::optional<std::array<int, 4>> frequency_groups(double mhz);
// The frequency frame with the four groups in packed BCD, or nothing when they do not
// fit (1000 MHz and above, negative).
std::optional<std::vector<uint8_t>> frequency_frame(double mhz, uint8_t opcode);
// The frequency of four packed-BCD bytes in 10 Hz steps, most significant first, MHz.
double bcd_frequency(const std::array<uint8_t, 4>& bytes);

}  // namespace torv::yaesu
