#pragma once
#include <QString>
#include <string_view>

namespace platform {

// Text inside the program is UTF-8; the windows show it as QString.
inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace platform
