#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// What the fuzz targets share: the input as text, a folder of this process's own for the
// readers that take a file, and a check that stops the run when a property fails.
namespace torv::fuzz {

inline std::string text(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// A folder that lives as long as the fuzzing process (removed when it ends normally);
// several runs side by side never share one.
inline const std::filesystem::path& folder() {
    struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("torv_fuzz_" + std::to_string(::getpid()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder dir;
    return dir.path;
}

// name in the folder, holding bytes.
inline std::string file_with(const std::string& name, std::string_view bytes) {
    const std::string path = (folder() / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// A broken property is a finding: say which, and stop here, so the fuzzer keeps the input.
inline void check(bool property, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (property) return;
    std::fprintf(stderr, "property broken at %s:%d\n", file, line);
    std::abort();
}

}  // namespace torv::fuzz
