#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rig/civ_frames.h"
#include "rig/frame_text.h"
#include "rig/ic910_addresses.h"
#include "rig/sat_codes.h"

// The IC-910's CI-V frames on the Icom layer, between its fixed addresses (the transceiver
// at 60, this program at E0). The fixed frames' commands in one table of hexadecimal
// texts, the frames with a parameter (mode, frequency, memory channel) built here, and
// the readers of the transceiver's replies.
namespace torv::ic910 {

enum Frame {
    SatModeOn,
    SatModeOff,
    SelectMain,     // the MAIN band carries the receive (downlink) frequency
    SelectSub,      // the SUB band the transmit (uplink) frequency
    ReadFrequency,  // of the selected band
    ReadSMeter,
    kFrameCount
};

// What each fixed frame carries between the addresses and FD: command, sub-command, data.
inline constexpr std::array<std::string_view, kFrameCount> kCommands = {
    "1A0701",  // SatModeOn
    "1A0700",  // SatModeOff
    "07D0",    // SelectMain
    "07D1",    // SelectSub
    "03",      // ReadFrequency
    "1502",    // ReadSMeter
};

// The fixed frame to the transceiver ("FEFE60E01A0701FD").
inline std::string frame(Frame f) { return civ::frame_text(kRig, kController, frames::hex_bytes(kCommands[f])); }

// The mode frame of the selected band: "01" USB, "00" LSB, "03" CW, "05" FM; the
// empty text (nothing to send) for RadioMode::Other.
std::string mode_frame(RadioMode mode);
// The request for the contents of memory channel 0..19 ("FEFE60E01A0105FD").
std::string channel_request(int channel);
// The frequency frame of the selected band, bytes: FE FE 60 E0 05, five packed-BCD
// bytes in 1 Hz steps (least significant first), FD.
std::optional<std::vector<uint8_t>> frequency_frame(double mhz);

// ---- replies: frames from the transceiver to this program ----
bool is_reply(const civ::Frame& f);
// The frequency of a frequency reply (command 03), MHz; nothing when it is too short.
std::optional<double> reply_frequency(const civ::Frame& f);
// The S-meter level of a reply's four level digits ("0255") in the window's 24 units,
// halves to even; never more than 32 (the meter's width).
int s_meter_units(std::string_view level_digits);
// The mode of a mode byte in a memory channel's contents: 00 LSB, 01 USB, 03 CW, 05 FM;
// nothing for any other byte.
std::optional<RadioMode> reply_mode(uint8_t mode_byte);

// The contents of a memory channel (reply 1A 01): channel, receive and transmit
// frequency and mode bytes; nothing for a reply too short to hold them.
struct MemoryContents {
    double rx_mhz = 0, tx_mhz = 0;
    uint8_t rx_mode = 0, tx_mode = 0;
};
std::optional<MemoryContents> memory_contents(const civ::Frame& f);

}  // namespace torv::ic910
