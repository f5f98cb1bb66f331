#include "rig/frame_text.h"

#include <cmath>

#include "common/number_text.h"

namespace torv::frames {

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

}  // namespace

uint8_t to_bcd(int value) {
    if (value < 0 || value >= 100) return 0;
    return static_cast<uint8_t>(value + 6 * (value / 10));
}

int from_bcd(uint8_t byte) { return 10 * (byte >> 4) + (byte & 0x0F); }

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

int64_t frequency_steps(double mhz, int decimals) {
    const double steps = std::floor(mhz * std::pow(10.0, decimals) + 1e-6);
    // 2^63: the first count the result cannot hold.
    if (!(mhz >= 0) || !(steps < 9223372036854775808.0)) return -1;
    return static_cast<int64_t>(steps);
}

std::optional<double> tone_hz(std::string_view stored) {
    double hz = 0;
    if (!parse_number(trim(stored), hz)) return std::nullopt;
    return hz;
}

}  // namespace torv::frames
