#pragma once
#include <QColor>

#include "platform/color.h"

namespace platform {

// A stored colour as the window system draws it; a system colour takes the desktop
// palette's colour of its index.
QColor to_qcolor(ColorValue value);
ColorValue from_qcolor(const QColor& color);

}  // namespace platform
