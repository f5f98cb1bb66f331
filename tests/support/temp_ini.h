#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

// A settings file of a test's own in a folder named after the test, so that tests
// running in parallel never share one; removed when the test ends.
struct TempIni {
    std::filesystem::path dir;
    std::string path;
    explicit TempIni(const std::string& content = "") {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("torv_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::create_directories(dir);
        path = (dir / "torv.ini").string();
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TempIni() { std::filesystem::remove_all(dir); }
};
