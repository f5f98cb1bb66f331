#pragma once

namespace platform {

// Colours as the settings and the computation hold them; the conversion to the window
// system's colours is platform/qt_color.h.

// A colour as the settings store it: red + 256 * green + 65536 * blue, or a negative
// system colour (0x80000000 + index of the desktop's colour table).
using ColorValue = long;

// The colours the windows name.
inline constexpr ColorValue kBlack = 0;
inline constexpr ColorValue kWhite = 16777215;
inline constexpr ColorValue kRed = 255;
inline constexpr ColorValue kGreen = 65280;
inline constexpr ColorValue kBlue = 16711680;
inline constexpr ColorValue kYellow = 65535;
inline constexpr ColorValue kCyan = 16776960;
inline constexpr ColorValue kButtonFace = -2147483633;  // the desktop's button-face colour (0x8000000F)

}  // namespace platform
