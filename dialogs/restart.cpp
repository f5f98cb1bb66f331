#include "dialogs/restart.h"

#include <string>

#include "platform/msg_box.h"

namespace torv {

void restart_program(const ProgramEnd& end) {
    if (end.save_settings) end.save_settings();
    platform::msg_box(std::string(kRestartMessage));
    if (end.end_program) end.end_program();
}

}  // namespace torv
