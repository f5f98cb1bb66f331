#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the binary transceiver protocols share: frames written as upper-case
// hexadecimal text (two digits a byte) and turned into bytes only when sent, and
// packed BCD (two decimal digits a byte, tens in the high nibble).
namespace torv::frames {

// Packed BCD of 0..99; anything else gives 0.
uint8_t to_bcd(int value);
// The two decimal digits of a packed BCD byte as a number (0x45 gives 45).
int from_bcd(uint8_t byte);

// The first two characters as one byte: "0".."9" and "A".."F" (upper case only); a
// high character outside them counts 0, a low one adds nothing.
uint8_t hex_pair_to_byte(std::string_view text);
// The bytes of a hexadecimal frame text: its whole digit pairs, in order (a trailing
// odd digit is ignored).
std::vector<uint8_t> hex_bytes(std::string_view text);
std::string hex_text(const std::vector<uint8_t>& bytes);

// A frequency in MHz as a whole number of steps of 10^-decimals MHz (decimals 5: 10 Hz,
// 6: 1 Hz), the digits below the step truncated. The value is taken as the decimal it
// stands for: 581.8 - 435.9, held as 145.89999999999998, counts as 145.9. Negative
// frequencies, and those of more steps than the result holds, give -1.
int64_t frequency_steps(double mhz, int decimals);

// The tone (Hz) a stored tone text names, found in a radio's tone table as a number, so
// "88.50" is the tone 88.5; nothing for a text that is no number (blanks around it aside).
std::optional<double> tone_hz(std::string_view stored);

}  // namespace torv::frames
