#include "rig/ft847_frames.h"

#include <cmath>
#include <utility>

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

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

int D(uint8_t b) { return 10 * (b >> 4) + (b & 0x0F); }

}  // namespace

uint8_t to_bcd(int value) {
    if (value < 0 || value >= 100) return 0;
    return static_cast<uint8_t>(value + 6 * (value / 10));
}

uint8_t hex_pair_to_byte(std::string_view text) {
    if (text.size() < 2) return 0;
    return static_cast<uint8_t>(hex_digit(text[0]) * 16 + hex_digit(text[1]));
}

std::vector<uint8_t> hex_bytes(std::string_view text) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2) bytes.push_back(hex_pair_to_byte(text.substr(i, 2)));
    return bytes;
}

std::string hex_text(const std::vector<uint8_t>& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 0x0F];
    }
    return text;
}

std::optional<std::vector<uint8_t>> frequency_frame(double f, Opcode opcode) {
    if (!(f >= 0 && f < 1000)) return std::nullopt;
    // Whole 10 Hz steps of the decimal value: a difference such as 581.8 - 435.9, held
    // as 145.89999999999998, still gives 145.9.
    const long units = static_cast<long>(std::floor(f * 100000.0 + 1e-6));
    return std::vector<uint8_t>{to_bcd(static_cast<int>(units / 1000000)), to_bcd(static_cast<int>(units / 10000 % 100)),
                                to_bcd(static_cast<int>(units / 100 % 100)), to_bcd(static_cast<int>(units % 100)), opcode};
}

std::string mode_byte(std::string_view mode_code) {
    if (mode_code == "1") return "01";
    if (mode_code == "2") return "00";
    if (mode_code == "3") return "02";
    if (mode_code == "4") return "08";
    return {};
}

std::string mode_frame(std::string_view mode_code, Opcode opcode) {
    const std::string m = mode_byte(mode_code);
    if (m.empty()) return {};
    return m + "000000" + hex_text({opcode});
}

std::string ctcss_code(std::string_view tone) {
    for (const auto& [text, code] : kToneCodes)
        if (text == tone) return std::string(code);
    return "0E";
}

std::string tone_frame(std::string_view code) { return std::string(code) + "000000" + hex_text({SatTxTone}); }

double reply_frequency(const std::array<uint8_t, 5>& reply) {
    return D(reply[0]) * 10 + D(reply[1]) / 10.0 + D(reply[2]) / 1000.0 + D(reply[3]) / 100000.0;
}

std::optional<std::string> reply_mode(uint8_t mode_byte) {
    switch (mode_byte) {
        case 0x00: return "2";
        case 0x01: return "1";
        case 0x02: case 0x03: case 0x82: case 0x83: return "3";
        case 0x08: case 0x88: return "4";
        default: return std::nullopt;
    }
}

}  // namespace torv::ft847
