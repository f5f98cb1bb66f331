#include "platform/fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace platform {

bool use_japanese_font() {
    for (const char* family : {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"}) {
        if (QFontDatabase::families().contains(family)) {
            QFont font(family);
            font.setPointSize(9);
            QApplication::setFont(font);
            return true;
        }
    }
    return false;
}

}  // namespace platform
