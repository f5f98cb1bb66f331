#pragma once
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>

// A fresh folder for one test, removed afterwards.
class TempDir {
public:
    TempDir() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("torv_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string str() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // The names of everything in the folder.
    std::set<std::string> names() const {
        std::set<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(path_)) n.insert(e.path().filename().string());
        return n;
    }

private:
    std::filesystem::path path_;
};
