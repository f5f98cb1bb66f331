#include "platform/paths.h"

#include <filesystem>
#include <system_error>

namespace platform {
namespace {
std::string& folder_override() {
    static std::string folder;
    return folder;
}
}  // namespace

std::string program_folder() {
    if (!folder_override().empty()) return folder_override();
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return exe.parent_path().string();
    return std::filesystem::current_path().string();
}

void set_program_folder(const std::string& folder) { folder_override() = folder; }

std::string program_file(const std::string& name) { return program_folder() + "/" + name; }

}  // namespace platform
