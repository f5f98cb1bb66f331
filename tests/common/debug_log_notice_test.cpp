#include "common/debug_log_notice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/debug_log.h"
#include "support/recorded_boxes.h"
#include "support/temp_dir.h"

using namespace torv;

TEST(DebugLogNotice, ATraceFileThatCannotBeOpenedIsToldForEachLine) {
    TempDir dir;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.str());
    auto& rec = boxes();

    set_debug_trace("1");
    write_test_log("A");
    EXPECT_TRUE(rec.texts.empty());
    std::filesystem::remove("TESTlogtmp.LOG");
    std::filesystem::create_directory("TESTlogtmp.LOG");
    write_test_log("C");
    write_test_log("D");
    EXPECT_EQ(rec.texts.size(), 2u);
    EXPECT_EQ(rec.texts[0], "TESTlogtmp.LOGファイルがオープンできません");
    std::filesystem::remove("TESTlogtmp.LOG");

    set_debug_trace("");
    std::filesystem::current_path(old);
}
