#include "common/debug_log.h"

#include <cstdio>
#include <filesystem>

#include "common/cp932.h"

namespace torv {

namespace {
constexpr const char* kTraceFile = "TESTlogtmp.LOG";
constexpr const char* kKeptFile = "TESTlog.LOG";
std::string trace_switch;
}  // namespace

void set_debug_trace(std::string_view on) { trace_switch = on; }
const std::string& debug_trace() { return trace_switch; }

bool append_cp932_text(const char* file, std::string_view text) {
    // Opened and closed for every call, so the text is on disk when the call returns.
    std::FILE* f = std::fopen(file, "ab");
    bool ok = f != nullptr;
    if (f) {
        const std::string bytes = utf8_to_cp932(text);
        ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        ok = (std::fclose(f) == 0) && ok;
    }
    return ok;
}

bool append_test_log(std::string_view line) {
    if (trace_switch.empty() || trace_switch == "0") return true;
    return append_cp932_text(kTraceFile, std::string(line) + "\r\n");
}

void delete_test_log() {
    std::error_code ec;
    std::filesystem::remove(kTraceFile, ec);
}

void keep_test_log() {
    std::error_code ec;
    std::filesystem::remove(kKeptFile, ec);
    std::filesystem::rename(kTraceFile, kKeptFile, ec);
}

}  // namespace torv
