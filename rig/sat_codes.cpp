#include "rig/sat_codes.h"

namespace torv {

RadioMode parse_mode(std::string_view code) {
    if (code == "1") return RadioMode::Usb;
    if (code == "2") return RadioMode::Lsb;
    if (code == "3") return RadioMode::Cw;
    if (code == "4") return RadioMode::Fm;
    return RadioMode::Other;
}

ConversionType parse_conversion(std::string_view code) {
    if (code == "0") return ConversionType::Fixed;
    if (code == "1") return ConversionType::Inverting;
    if (code == "2") return ConversionType::NonInverting;
    return ConversionType::Other;
}

std::string mode_name(RadioMode mode) {
    switch (mode) {
        case RadioMode::Usb: return "USB";
        case RadioMode::Lsb: return "LSB";
        case RadioMode::Cw: return "CW";
        case RadioMode::Fm: return "FM";
        case RadioMode::Other: break;
    }
    return {};
}

}  // namespace torv
