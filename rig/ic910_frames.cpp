#include "rig/ic910_frames.h"

#include <algorithm>

#include "common/number_text.h"
#include "rig/frame_text.h"

namespace torv::ic910 {

namespace {

constexpr uint8_t kFrequencyCommand = 0x05;

// Five packed-BCD frequency bytes starting at byte index at of a frame.
std::optional<double> frequency_at(const std::vector<uint8_t>& bytes, size_t at) {
    if (bytes.size() < at + 5) return std::nullopt;
    std::array<uint8_t, 5> data{};
    std::copy_n(bytes.begin() + static_cast<long>(at), 5, data.begin());
    return civ::data_frequency(data);
}

}  // namespace

std::string mode_frame(RadioMode mode) {
    static constexpr std::pair<RadioMode, uint8_t> kModes[] = {
        {RadioMode::Usb, 0x01}, {RadioMode::Lsb, 0x00}, {RadioMode::Cw, 0x03}, {RadioMode::Fm, 0x05}};
    for (const auto& [known, byte] : kModes)
        if (known == mode) return civ::frame_text(kRig, kController, {0x06}, {byte});
    return {};
}

std::string channel_request(int channel) {
    // The channel's two decimal digits as one packed-BCD byte.
    return civ::frame_text(kRig, kController, {0x1A, 0x01}, {frames::to_bcd(std::clamp(channel, 0, 99))});
}

std::optional<std::vector<uint8_t>> frequency_frame(double mhz) {
    const auto data = civ::frequency_data(mhz);
    if (!data) return std::nullopt;
    return civ::frame(kRig, kController, {kFrequencyCommand}, {data->begin(), data->end()});
}

bool is_reply(const civ::Frame& f) { return f.between(kController, kRig); }

std::optional<double> reply_frequency(const civ::Frame& f) {
    // FE FE E0 60 03, then the five frequency bytes.
    return frequency_at(f.bytes, 5);
}

int s_meter_units(std::string_view level_digits) {
    const double level = val(level_digits);
    return static_cast<int>(std::clamp<int64_t>(round_half_even(level / (256.0 / 24.0)), 0, 32));
}

std::optional<RadioMode> reply_mode(uint8_t mode_byte) {
    switch (mode_byte) {
        case 0x00: return RadioMode::Lsb;
        case 0x01: return RadioMode::Usb;
        case 0x03: return RadioMode::Cw;
        case 0x05: return RadioMode::Fm;
        default: return std::nullopt;
    }
}

std::optional<MemoryContents> memory_contents(const civ::Frame& f) {
    // FE FE E0 60 1A 01, the channel, the receive frequency and mode, eight bytes not
    // read, the transmit frequency and mode, FD.
    if (f.bytes.size() < 28) return std::nullopt;
    MemoryContents m;
    m.rx_mhz = *frequency_at(f.bytes, 7);
    m.rx_mode = f.bytes[12];
    m.tx_mhz = *frequency_at(f.bytes, 21);
    m.tx_mode = f.bytes[26];
    return m;
}

}  // namespace torv::ic910
