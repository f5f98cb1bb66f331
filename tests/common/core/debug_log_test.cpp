#include <gtest/gtest.h>

#include <filesystem>

#include "common/debug_log.h"
#include "support/recorded_boxes.h"
#include "support/temp_dir.h"

using namespace torv;

TEST(DebugLog, WritesOnlyWhileTheSwitchIsOn) {
    TempDir dir;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.str());
    auto& rec = boxes();

    set_debug_trace("");
    write_test_log("never");
    set_debug_trace("0");
    write_test_log("never");
    EXPECT_FALSE(std::filesystem::exists("TESTlogtmp.LOG"));

    set_debug_trace("1");
    write_test_log("A");
    write_test_log("B");
    EXPECT_EQ(dir.read("TESTlogtmp.LOG"), "A\r\nB\r\n");

    keep_test_log();
    EXPECT_EQ(dir.read("TESTlog.LOG"), "A\r\nB\r\n");
    EXPECT_FALSE(std::filesystem::exists("TESTlogtmp.LOG"));

    // A trace file that cannot be opened: a message for each line.
    std::filesystem::create_directory("TESTlogtmp.LOG");
    write_test_log("C");
    write_test_log("D");
    EXPECT_EQ(rec.texts.size(), 2u);
    EXPECT_EQ(rec.texts[0], "TESTlogtmp.LOGファイルがオープンできません");
    std::filesystem::remove("TESTlogtmp.LOG");

    set_debug_trace("");
    std::filesystem::current_path(old);
}
