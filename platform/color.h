#pragma once
#include <QColor>

namespace platform {

// A colour as the settings store it: red + 256 * green + 65536 * blue, or a negative
// system colour (0x80000000 + index of the desktop's colour table).
using ColorValue = long;

QColor to_qcolor(ColorValue value);
ColorValue from_qcolor(const QColor& color);

}  // namespace platform
