#pragma once
#include <optional>
#include <string>
#include <vector>

// Reading and replacing the element files. They are CP932 text with CR LF line ends;
// the lines here are their bytes, unconverted.
namespace torv {

// An element file with the temporary file it is replaced through.
struct ElementFileNames {
    const char* element;
    const char* tmp;
};

// The four element files in reading order with their temporary files.
inline constexpr ElementFileNames kElementFileNames[] = {
    {"TORV.ELM", "TORV.tmp"},
    {"TORV_NORAD.ELM", "TORV_NORAD.tmp"},
    {"TORV_NORAD_NEW.ELM", "TORV_NORAD_NEW.tmp"},
    {"torv_solid.elm", "torv_solid.tmp"},
};

// The lines of a file; CR LF, a lone LF and a lone CR each end a line. Nothing when
// the file does not exist or cannot be read to its end.
std::optional<std::vector<std::string>> read_file_lines(const std::string& path);

// Writes the lines, each followed by CR LF, to the temporary file (tmp_path's name,
// beside path), flushes it to the disk and renames it over path, so path is either the
// old file or the whole new one. False when it could not be done; the temporary file
// is then removed.
bool replace_file_lines(const std::string& tmp_path, const std::string& path, const std::vector<std::string>& lines);

// True when line begins with the line number and a blank, as lines 1 and 2 of a
// two-line element set do.
bool is_element_line(const std::string& line, char number);

}  // namespace torv
