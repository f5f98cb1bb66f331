#pragma once
#include <array>
#include <cstdint>
#include <string_view>

// The IC-910's CI-V addresses, fixed: the transceiver listens at 60, this program (the
// controller) sends from E0. The frames carry them as bytes; the IC-910's CAT key and the
// station dialog as two upper-case hexadecimal digits each ("0:COM1:9600:60:E0").
namespace torv::ic910 {

inline constexpr uint8_t kRig = 0x60;
inline constexpr uint8_t kController = 0xE0;

constexpr std::array<char, 2> address_digits(uint8_t address) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    return {kHex[address >> 4], kHex[address & 0xF]};
}
inline constexpr std::array<char, 2> kRigDigits = address_digits(kRig);
inline constexpr std::array<char, 2> kControllerDigits = address_digits(kController);
// The addresses as the CAT key holds them: "60", "E0".
inline constexpr std::string_view kRigText{kRigDigits.data(), kRigDigits.size()};
inline constexpr std::string_view kControllerText{kControllerDigits.data(), kControllerDigits.size()};

}  // namespace torv::ic910
