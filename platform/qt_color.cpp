#include "platform/qt_color.h"

#include <QApplication>
#include <QPalette>

namespace platform {

namespace {
// The system colours the windows use, mapped onto the desktop palette.
QColor system_color(int index) {
    QPalette p = QApplication::palette();
    switch (index) {
        case 5: return p.color(QPalette::Base);            // window background
        case 8: return p.color(QPalette::Text);            // window text
        case 15: return p.color(QPalette::Button);         // button face
        case 18: return p.color(QPalette::ButtonText);     // button text
        case 13: return p.color(QPalette::Highlight);
        case 14: return p.color(QPalette::HighlightedText);
        case 17: return p.color(QPalette::Disabled, QPalette::Text);
        default: return p.color(QPalette::Window);
    }
}
}  // namespace

QColor to_qcolor(ColorValue value) {
    if (value < 0) return system_color(static_cast<int>(value & 0xFF));
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

ColorValue from_qcolor(const QColor& color) {
    return color.red() + 256L * color.green() + 65536L * color.blue();
}

}  // namespace platform
