#include "common/debug_log_notice.h"

#include "common/debug_log.h"
#include "platform/msg_box.h"

namespace torv {

void write_test_log(std::string_view line) {
    if (!append_test_log(line)) platform::msg_box(kTestLogFailedMessage);
}

}  // namespace torv
