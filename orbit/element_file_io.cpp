#include "orbit/element_file_io.h"

#include <filesystem>

#include "platform/files.h"

namespace torv {

std::optional<std::vector<std::string>> read_file_lines(const std::string& path) {
    // A file read only in part must not be rewritten from that part.
    const platform::FileContent content = platform::read_whole_file(path);
    if (content.status != platform::FileContent::Ok) return std::nullopt;
    const std::string& bytes = content.bytes;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

bool replace_file_lines(const std::string& tmp_path, const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return platform::replace_file(path, std::filesystem::path(tmp_path).filename().string(), bytes);
}

bool is_element_line(const std::string& line, char number) {
    return line.size() >= 2 && line[0] == number && line[1] == ' ';
}

}  // namespace torv
