#pragma once
#include <string_view>

// The serial trace as the transceiver windows write it: common/debug_log.h's append,
// with the operator told of a line that could not be written.
namespace torv {

// append_test_log, showing kTestLogFailedMessage for a line that could not be written.
void write_test_log(std::string_view line);

}  // namespace torv
