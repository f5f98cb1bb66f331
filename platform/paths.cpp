#include "platform/paths.h"

#include <QCoreApplication>
#include <filesystem>

namespace platform {
namespace {
std::string& folder_override() {
    static std::string folder;
    return folder;
}
}  // namespace

std::string program_folder() {
    if (!folder_override().empty()) return folder_override();
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
    return std::filesystem::current_path().string();
}

void set_program_folder(const std::string& folder) { folder_override() = folder; }

std::string program_file(const std::string& name) { return program_folder() + "/" + name; }

}  // namespace platform
