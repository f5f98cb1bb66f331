#include "rig/yaesu_frames.h"

#include "rig/frame_text.h"

namespace torv::yaesu {

std::string opcode_frame(std::string_view first_param, uint8_t opcode) {
    return std::string(first_param) + "000000" + frames::hex_text({opcode});
}

std::string mode_byte(RadioMode mode) {
    switch (mode) {
        case RadioMode::Usb: return "01";
        case RadioMode::Lsb: return "00";
        case RadioMode::Cw: return "02";
        case RadioMode::Fm: return "08";
        case RadioMode::Other: break;
    }
    return {};
}

std::string mode_frame(RadioMode mode, uint8_t opcode) {
    const std::string m = mode_byte(mode);
    return m.empty() ? std::string() : opcode_frame(m, opcode);
}

std::optional<std::array<int, 4>> frequency_groups(double mhz) {
    const int64_t units = frames::frequency_steps(mhz, 5);
    if (units < 0) return std::nullopt;
    return std::array<int, 4>{static_cast<int>(units / 1000000), static_cast<int>(units / 10000 % 100),
                              static_cast<int>(units / 100 % 100), static_cast<int>(units % 100)};
}

std::optional<std::vector<uint8_t>> frequency_frame(double mhz, uint8_t opcode) {
    const auto g = frequency_groups(mhz);
    if (!g || (*g)[0] > 99) return std::nullopt;
    return std::vector<uint8_t>{frames::to_bcd((*g)[0]), frames::to_bcd((*g)[1]), frames::to_bcd((*g)[2]),
                                frames::to_bcd((*g)[3]), opcode};
}

double bcd_frequency(const std::array<uint8_t, 4>& b) {
    using frames::from_bcd;
    return from_bcd(b[0]) * 10 + from_bcd(b[1]) / 10.0 + from_bcd(b[2]) / 1000.0 + from_bcd(b[3]) / 100000.0;
}

}  // namespace torv::yaesu
