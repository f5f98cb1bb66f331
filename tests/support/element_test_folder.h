#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/clock.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

// A fresh program folder for one test (torv.ini and the element files live there),
// with the clock standing still at a chosen instant (UTC). The default instant is
// 12:00:00 local time at the default time difference of 9 hours.
class ElementTestFolder {
public:
    explicit ElementTestFolder(platform::ClockReading now = {2025, 5, 3, 3, 0, 0}) {
        platform::set_program_folder(dir_.str());
        platform::clock_fix(now);
    }
    ~ElementTestFolder() { platform::clock_release(); }

    std::string path(const std::string& name) const { return dir_.file(name); }
    std::string ini() const { return path("torv.ini"); }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    bool exists(const std::string& name) const { return std::ifstream(path(name)).good(); }
    // Whether a temporary file of a replacement was left behind.
    bool holds_temporary_files() const {
        for (const auto& e : std::filesystem::directory_iterator(dir_.str()))
            if (e.path().filename().string().find(".tmp") != std::string::npos) return true;
        return false;
    }

    static std::string fixture(const std::string& name) {
        std::ifstream in(std::string(TORV_FIXTURES) + "/elements/" + name, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

private:
    TempDir dir_;
};

// Lines joined with CR LF after each, as the element files are written.
inline std::string crlf(std::initializer_list<std::string> lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\r\n";
    return s;
}
