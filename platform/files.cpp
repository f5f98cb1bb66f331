#include "platform/files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <limits>
#include <optional>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Makes a rename in the folder survive a power cut; nothing depends on its success.
void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A file the operator made read-only stays as it is, also for root (who may write
// any file, so the permission bits are looked at as well).
bool may_write(const fs::path& file, const struct stat& st) {
    return ::access(file.c_str(), W_OK) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// The temporary file of a replacement: tmp_name, the writing process and a serial
// number of its writes ("TORV.tmp.4711.0").
std::string temporary_name(const std::string& tmp_name, pid_t pid, unsigned serial) {
    return tmp_name + "." + std::to_string(pid) + "." + std::to_string(serial);
}

// A whole number written as std::to_string writes it: digits only, no leading zero.
std::optional<unsigned long> plain_decimal(std::string_view digits) {
    if (digits.empty() || (digits.size() > 1 && digits.front() == '0')) return std::nullopt;
    unsigned long n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return n;
}

// The process that wrote a temporary file named "<name>.tmp.<pid>.<n>"; nothing for
// any other name.
std::optional<pid_t> temporary_owner(std::string_view file_name) {
    const size_t serial_dot = file_name.rfind('.');
    if (serial_dot == std::string_view::npos || !plain_decimal(file_name.substr(serial_dot + 1))) return std::nullopt;
    const std::string_view before_serial = file_name.substr(0, serial_dot);
    const size_t pid_dot = before_serial.rfind('.');
    if (pid_dot == std::string_view::npos) return std::nullopt;
    const std::string_view tmp_name = before_serial.substr(0, pid_dot);
    if (!tmp_name.ends_with(kTemporaryMark) || tmp_name.size() == kTemporaryMark.size()) return std::nullopt;
    const std::optional<unsigned long> pid = plain_decimal(before_serial.substr(pid_dot + 1));
    if (!pid || *pid == 0 || *pid > static_cast<unsigned long>(std::numeric_limits<pid_t>::max())) return std::nullopt;
    return static_cast<pid_t>(*pid);
}

// Whether the process may still run: only "no such process" says it has ended (a
// process of another user answers with EPERM).
bool process_may_run(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

// Creates a temporary file that no other process or earlier write is using.
int create_temporary(const fs::path& folder, const std::string& tmp_name, fs::path& tmp) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp = folder / temporary_name(tmp_name, ::getpid(), serial++);
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

FileContent read_whole_file(const std::string& path) {
    FileContent content;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        content.status = errno == ENOENT || errno == ENOTDIR ? FileContent::Missing : FileContent::Failed;
        return content;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            content.bytes.append(buffer, static_cast<size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            content.status = n == 0 ? FileContent::Ok : FileContent::Failed;
            break;
        }
    }
    ::close(fd);
    if (content.status != FileContent::Ok) content.bytes.clear();
    return content;
}

std::vector<std::string> read_lines(const std::string& path) {
    const FileContent f = read_whole_file(path);
    std::vector<std::string> lines;
    if (f.status != FileContent::Ok) return lines;
    for (size_t start = 0; start < f.bytes.size();) {
        size_t end = f.bytes.find('\n', start);
        if (end == std::string::npos) end = f.bytes.size();
        std::string line = f.bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool replace_file(const std::string& path, const std::string& tmp_name, std::string_view bytes) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(target, ec)) {
        target = fs::weakly_canonical(target, ec);
        if (ec) return false;
    }
    struct stat old {};
    const bool had_old = ::stat(target.c_str(), &old) == 0;
    if (had_old && !may_write(target, old)) return false;

    fs::path tmp;
    const int fd = create_temporary(target.parent_path(), tmp_name, tmp);
    if (fd < 0) return false;
    bool ok = write_all(fd, bytes);
    if (ok && had_old) (void)::fchmod(fd, old.st_mode & 07777);  // best effort: not our file otherwise
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    sync_folder(target.parent_path());
    return true;
}

void remove_abandoned_temporary_files(const std::string& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<pid_t> owner = temporary_owner(it->path().filename().string());
        std::error_code entry_ec;  // one entry gone meanwhile ends nothing
        if (!owner || it->symlink_status(entry_ec).type() != fs::file_type::regular) continue;
        if (!process_may_run(*owner)) ::unlink(it->path().c_str());
    }
}

}  // namespace platform
