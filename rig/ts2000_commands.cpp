#include "rig/ts2000_commands.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/number_text.h"
#include "rig/frame_text.h"
#include "rig/kenwood_commands.h"

namespace torv::ts2000 {

namespace {

struct Tone {
    double hz;
    const char* number;
};

// The rig's CTCSS tones in the order of its tone numbers; 69.3 Hz shares 71.9's number.
constexpr std::array<Tone, 39> kCtcss{{
    {67.0, "01"},  {69.3, "02"},  {71.9, "02"},  {74.4, "03"},  {77.0, "04"},  {79.7, "05"},  {82.5, "06"},
    {85.4, "07"},  {88.5, "08"},  {91.5, "09"},  {94.8, "10"},  {97.4, "11"},  {100.0, "12"}, {103.5, "13"},
    {107.2, "14"}, {110.9, "15"}, {114.8, "16"}, {118.8, "17"}, {123.0, "18"}, {127.3, "19"}, {131.8, "20"},
    {136.5, "21"}, {141.3, "22"}, {146.2, "23"}, {151.4, "24"}, {156.7, "25"}, {162.2, "26"}, {167.9, "27"},
    {173.8, "28"}, {179.9, "29"}, {186.2, "30"}, {192.8, "31"}, {203.5, "32"}, {210.7, "33"}, {218.1, "34"},
    {225.7, "35"}, {233.6, "36"}, {241.8, "37"}, {250.3, "38"},
}};

// Characters from position `from` (1-based), `count` of them; what lies beyond the end is empty.
std::string_view chars(std::string_view text, size_t from, size_t count) {
    return from > text.size() ? std::string_view() : text.substr(from - 1, count);
}

}  // namespace

std::string framing(std::string_view speed) { return speed == "4800" ? "n,8,2" : "n,8,1"; }

std::string build_sa_command(std::string_view sa_template, ConversionType conversion, int trace_reverse) {
    const std::string head(chars(sa_template, 1, 3));
    const std::string middle(chars(sa_template, 5, 2));
    const char* r = trace_reverse == 1 ? "1" : "0";
    switch (conversion) {
        case ConversionType::Fixed: return head + "0" + middle + "000;";
        case ConversionType::Inverting: return head + "0" + middle + r + "10;";
        case ConversionType::NonInverting: return head + "0" + middle + r + "00;";
        case ConversionType::Other: break;
    }
    return std::string(sa_template);
}

std::optional<std::string> mode_command(RadioMode mode) {
    switch (mode) {
        case RadioMode::Usb: return "MD2;";
        case RadioMode::Lsb: return "MD1;";
        case RadioMode::Cw: return "MD3;";
        case RadioMode::Fm: return "MD4;";
        case RadioMode::Other: break;
    }
    return std::nullopt;
}

std::optional<std::string> ctcss_code(std::string_view tone) {
    const std::optional<double> hz = frames::tone_hz(tone);
    if (!hz) return std::nullopt;
    const auto row = std::find_if(kCtcss.begin(), kCtcss.end(), [&](const Tone& t) { return std::fabs(t.hz - *hz) < 1e-9; });
    if (row == kCtcss.end()) return std::nullopt;
    return row->number;
}

int band_of(double mhz) { return whole_part_as<int>(mhz / 100); }

std::string band_digits(std::string_view reply, int band) {
    return std::string(band == 12 ? chars(reply, 4, 2) : chars(reply, 5, 1));
}

std::optional<int> s_meter_level(std::string_view reply) {
    if (chars(reply, 3, 1) != "0") return std::nullopt;
    return std::clamp(whole_part_as<int>(val(chars(reply, 4, 4))), 0, 32);
}

std::optional<int> power_cells(std::string_view reply) {
    if (!kenwood::reply_is(reply, "PC", 6)) return std::nullopt;
    const std::string_view digits = reply.substr(2, 3);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    const int watts = whole_part_as<int>(val(digits));  // 0 to 999
    return std::min(round_half_even_as<int>(watts * 32 / 100.0), 32);
}

}  // namespace torv::ts2000
