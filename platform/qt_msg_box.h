#pragma once
#include <QString>

#include "platform/msg_box.h"

namespace platform {

// msg_box for window text.
int msg_box(const QString& text, MsgButtons buttons = MsgButtons::Ok, const QString& title = {});

// From now on msg_box shows a modal Qt message box (main() installs it once).
void use_qt_msg_boxes();

}  // namespace platform
