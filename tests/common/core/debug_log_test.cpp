#include <gtest/gtest.h>

#include <filesystem>

#include "common/debug_log.h"
#include "support/temp_dir.h"

using namespace torv;

TEST(DebugLog, WritesOnlyWhileTheSwitchIsOn) {
    TempDir dir;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.str());

    set_debug_trace("");
    EXPECT_TRUE(append_test_log("never"));
    set_debug_trace("0");
    EXPECT_TRUE(append_test_log("never"));
    EXPECT_FALSE(std::filesystem::exists("TESTlogtmp.LOG"));

    set_debug_trace("1");
    EXPECT_TRUE(append_test_log("A"));
    EXPECT_TRUE(append_test_log("B"));
    EXPECT_EQ(dir.read("TESTlogtmp.LOG"), "A\r\nB\r\n");

    keep_test_log();
    EXPECT_EQ(dir.read("TESTlog.LOG"), "A\r\nB\r\n");
    EXPECT_FALSE(std::filesystem::exists("TESTlogtmp.LOG"));

    // A trace file that cannot be opened: each line fails.
    std::filesystem::create_directory("TESTlogtmp.LOG");
    EXPECT_FALSE(append_test_log("C"));
    EXPECT_FALSE(append_test_log("D"));
    std::filesystem::remove("TESTlogtmp.LOG");

    set_debug_trace("");
    std::filesystem::current_path(old);
}
