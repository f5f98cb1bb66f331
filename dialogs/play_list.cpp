#include "dialogs/play_list.h"

#include <algorithm>

#include "common/cp932.h"
#include "platform/files.h"

namespace torv {

PlayListFile read_play_list_file(const std::string& path) {
    PlayListFile list;
    const platform::FileContent content = platform::read_whole_file(path);
    if (content.status == platform::FileContent::Failed) {
        list.readable = false;
        return list;
    }
    for (const std::string& line : platform::read_lines(path))
        if (!line.empty()) list.entries.push_back(cp932_to_utf8(line));
    return list;
}

bool write_play_list_file(const std::string& path, const std::vector<std::string>& entries) {
    std::string bytes;
    for (const std::string& e : entries) bytes += utf8_to_cp932(e) + "\r\n";
    return platform::replace_file(path, "torv.csv.tmp", bytes);
}

int GetCntCSV(const std::string& path) {
    const std::vector<std::string> lines = platform::read_lines(path);
    if (lines.empty() || lines[0].empty()) return 0;
    return 1 + static_cast<int>(std::count(lines[0].begin(), lines[0].end(), ','));
}

bool is_mp3_path(const std::string& path) {
    return path.find(".MP3") != std::string::npos || path.find(".mp3") != std::string::npos;
}

}  // namespace torv
