#include "rig/ft847_frames.h"

#include <utility>

#include "common/number_text.h"
#include "rig/frame_text.h"

namespace torv::ft847 {

namespace {

constexpr std::pair<std::string_view, std::string_view> kToneCodes[] = {
    {"67.0", "3F"},  {"69.3", "39"},  {"71.9", "1F"},  {"74.4", "3E"},  {"77.0", "0F"},
    {"79.7", "3D"},  {"82.5", "1E"},  {"85.4", "3C"},  {"88.5", "0E"},  {"91.5", "3B"},
    {"94.8", "1D"},  {"97.4", "3A"},  {"100.0", "0D"}, {"103.5", "1C"}, {"107.2", "0C"},
    {"110.9", "1B"}, {"114.8", "0B"}, {"118.8", "1A"}, {"123.0", "0A"}, {"127.3", "19"},
    {"131.8", "09"}, {"136.5", "18"}, {"141.3", "08"}, {"146.2", "17"}, {"151.4", "07"},
    {"156.7", "16"}, {"162.2", "06"}, {"167.9", "15"}, {"173.8", "05"}, {"179.9", "14"},
    {"186.2", "04"}, {"192.8", "13"}, {"203.5", "03"}, {"210.7", "12"}, {"218.1", "02"},
    {"225.7", "11"}, {"233.6", "01"}, {"241.8", "10"}, {"250.3", "00"},
};

}  // namespace

std::optional<std::string> ctcss_code(std::string_view tone) {
    const std::optional<double> hz = frames::tone_hz(tone);
    if (!hz) return std::nullopt;
    for (const auto& [text, code] : kToneCodes)
        if (val(text) == *hz) return std::string(code);
    return std::nullopt;
}

std::string tone_frame(std::string_view code) { return yaesu::opcode_frame(code, SatTxTone); }

double reply_frequency(const std::array<uint8_t, 5>& reply) {
    return yaesu::bcd_frequency({reply[0], reply[1], reply[2], reply[3]});
}

std::optional<RadioMode> reply_mode(uint8_t mode_byte) {
    switch (mode_byte) {
        case 0x00: return RadioMode::Lsb;
        case 0x01: return RadioMode::Usb;
        case 0x02: case 0x03: case 0x82: case 0x83: return RadioMode::Cw;
        case 0x08: case 0x88: return RadioMode::Fm;
        default: return std::nullopt;
    }
}

}  // namespace torv::ft847
