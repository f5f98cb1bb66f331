#pragma once
#include <string>
#include <string_view>
#include <vector>

// Reading a file whole and replacing it safely: the settings file and the element files
// must never be lost or left half written, whatever happens during a write.
namespace platform {

struct FileContent {
    enum Status { Ok, Missing, Failed };
    Status status = Missing;  // Failed: the file exists but could not be read to its end
    std::string bytes;        // the whole content when Ok
};

FileContent read_whole_file(const std::string& path);

// The lines of a text file, without their line ends (CR LF or LF); a last line without
// an end counts, an end at the very end starts no further line. Empty when the file is
// missing or cannot be read whole.
std::vector<std::string> read_lines(const std::string& path);

// Replaces the file at path by bytes: they are written to a temporary file named
// tmp_name (a bare file name ending in ".tmp", placed beside the file) with this
// process's own suffix, so two running programs never write into one temporary file;
// it is flushed to the disk and renamed over the file in one step, so the file holds
// either its old content or the whole new one, even after a crash or a power cut. A
// symbolic link keeps pointing at its file, which is the one replaced; the new file
// keeps the old one's permissions. A file that may not be written (no write permission
// for us, or none for anybody) is not replaced. False when it could not be done: the
// temporary file is removed and the file is as it was.
bool replace_file(const std::string& path, const std::string& tmp_name, std::string_view bytes);

// Removes what replacements in folder left when their program was ended halfway: the
// regular files named "<name>.tmp.<pid>.<n>", as replace_file names its temporary files
// for a tmp_name ending in ".tmp", whose process no longer runs. A file whose process
// runs (or may run: one of another user) is left alone, as is every other file.
void remove_abandoned_temporary_files(const std::string& folder);

}  // namespace platform
