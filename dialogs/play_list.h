#pragma once
#include <string>
#include <vector>

// The music play list torv.csv as the station dialog edits it: one MP3 file a line,
// taken whole (a path holding a comma included), in CP932 with CR LF line ends.
namespace torv {

struct PlayListFile {
    bool readable = true;  // false: the file exists but could not be read; leave it alone
    std::vector<std::string> entries;  // UTF-8, blank lines skipped
};

PlayListFile read_play_list_file(const std::string& path);

// Replaces the file with the entries, one a line (an empty list empties it), through a
// temporary file; false when it could not be written (the file is as it was).
bool write_play_list_file(const std::string& path, const std::vector<std::string>& entries);

// Fields of the file's first line: 1 + its commas; 0 for a missing, unreadable or
// empty file or an empty first line.
int GetCntCSV(const std::string& path);

// A music file the list takes: its path holds ".MP3" or ".mp3" (not ".Mp3").
bool is_mp3_path(const std::string& path);

}  // namespace torv
