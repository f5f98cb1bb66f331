#include "orbit/element_file_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace torv {

std::optional<std::vector<std::string>> read_file_lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    const std::string bytes = ss.str();
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
    {
        std::ofstream out(tmp_path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) out << line << "\r\n";
        out.flush();
        if (!out) {
            std::remove(tmp_path.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp_path, path, ec);  // replaces path in one step
    if (ec) std::remove(tmp_path.c_str());
    return !ec;
}

bool is_element_line(const std::string& line, char number) {
    return line.size() >= 2 && line[0] == number && line[1] == ' ';
}

}  // namespace torv
