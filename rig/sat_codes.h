#pragma once
#include <string>
#include <string_view>

// The codes a satellite information record gives its modes and its transponder, as the
// transceiver windows work with them: read once when a record is applied, so that the
// tracking, the mode buttons and lamps and every radio's frames take a type rather than
// a text. The record keeps its texts; the satellite-information editor reads the
// conversion field its own way (common/sat_records.h).
namespace torv {

// A mode code: "1" USB, "2" LSB, "3" CW, "4" FM, in that order (the order of the mode
// buttons and lamps); Other for any other text, which each place handles as it does.
enum class RadioMode { Usb, Lsb, Cw, Fm, Other };

// A conversion type: "0" fixed (FM, the two sides apart), "1" inverting, "2"
// non-inverting; Other for any other text.
enum class ConversionType { Fixed, Inverting, NonInverting, Other };

RadioMode parse_mode(std::string_view code);
ConversionType parse_conversion(std::string_view code);

// The mode's name as the program publishes it: "USB", "LSB", "CW", "FM"; empty for Other.
std::string mode_name(RadioMode mode);

}  // namespace torv
