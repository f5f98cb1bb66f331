#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "rig/sat_codes.h"

// The TS-2000's text commands as the TS-2000 window sends them and the fixed positions
// of the replies it reads, on the Kenwood command layer (kenwood_commands.h).
namespace torv::ts2000 {

// The line's framing for a speed text: two stop bits at 4800 bit/s, else one.
std::string framing(std::string_view speed);

// The satellite-mode command for a template "SA" + seven digits + ";": the template's
// mode digit, "0", its two side digits ("10" receive, "11" transmit side addressed),
// then by conversion type: fixed (FM) "000;", inverting trace-reverse digit & "10;",
// non-inverting trace-reverse digit & "00;"; ConversionType::Other keeps the template.
std::string build_sa_command(std::string_view sa_template, ConversionType conversion, int trace_reverse);

// "MD" & the rig's mode number & ";" for a mode (USB is the rig's 2, LSB its 1, CW 3,
// FM 4); nothing for RadioMode::Other.
std::optional<std::string> mode_command(RadioMode mode);

// The rig's tone number "01".."38" of a CTCSS tone text, compared as a number (so
// "88.50" is 88.5); nothing for a tone the rig does not have.
std::optional<std::string> ctcss_code(std::string_view tone);

// The band of a frequency: its hundreds of MHz (145.9 gives 1, 1269.0 gives 12).
int band_of(double mhz);
// The band digits of a frequency reply ("FA" + eleven digits of Hz + ";") for a
// comparison with `band`: the hundreds-of-MHz digit, or the thousands and hundreds
// digits when band is 12 (1.2 GHz).
std::string band_digits(std::string_view reply, int band);

// The S-meter level (0 to 30) of a main-receiver reply "SM0" + four digits + ";";
// nothing for the sub receiver's.
std::optional<int> s_meter_level(std::string_view reply);
// The cells of the 32-cell power bar for a reply "PC" + three digits of watts + ";":
// watts x 32 / 100, rounded (50 W fill 16), at most 32; nothing for a reply of another
// form, which leaves the bar as it is.
std::optional<int> power_cells(std::string_view reply);

}  // namespace torv::ts2000
