#pragma once
#include <string>
#include <string_view>

// The trace of the serial conversations: one line per call in TESTlogtmp.LOG in the
// working folder while the trace switch (the TS-2000 window's debug menu) is on.
namespace torv {

// "1" = on; "0" or empty = off. Empty until the TS-2000 window first sets it.
void set_debug_trace(std::string_view on);
const std::string& debug_trace();

inline const char* const kTestLogFailedMessage = "TESTlogtmp.LOGファイルがオープンできません";

// Appends line and CR LF to TESTlogtmp.LOG while the switch is on; false when the file
// could not be written (the caller tells the operator kTestLogFailedMessage;
// common/debug_log_notice.h does so for the windows).
bool append_test_log(std::string_view line);

// Appends text (UTF-8) to a file of the working folder in CP932, creating the file;
// false when it could not be written.
bool append_cp932_text(const char* file, std::string_view text);

// Deletes TESTlogtmp.LOG (start-up, link start); a missing file is no error.
void delete_test_log();
// Keeps the finished trace: TESTlogtmp.LOG becomes TESTlog.LOG; errors are ignored.
void keep_test_log();

}  // namespace torv
