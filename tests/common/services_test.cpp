#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <filesystem>

#include "common/csv_fields.h"
#include "common/debug_log.h"
#include "common/input_check.h"
#include "common/waits.h"
#include "platform/msg_box.h"
#include "temp_dir.h"

using namespace torv;

namespace {
platform::MsgBoxRecorder& boxes() {
    platform::MsgBoxRecorder::current()->clear();
    return *platform::MsgBoxRecorder::current();
}
}  // namespace

TEST(Waits, WaitSecProcessesEventsAndWaitsAtLeastTheTime) {
    int fired = 0;
    QTimer::singleShot(0, [&] { ++fired; });
    const auto start = std::chrono::steady_clock::now();
    wait_sec(0);
    EXPECT_EQ(fired, 1);  // even a zero wait lets pending events run once
    wait_sec(0.2f);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_FALSE(wait_busy());
}

TEST(Waits, BusyStaysRaisedUntilTheOuterWaitEnds) {
    bool busy_inside_after_nested = false;
    QTimer::singleShot(20, [&] {
        wait_sec(0.02f);  // a handler's own wait, nested in the outer one
        busy_inside_after_nested = wait_busy();
    });
    bool busy_during = false;
    QTimer::singleShot(80, [&] { busy_during = wait_busy(); });
    wait_sec(0.15f);
    EXPECT_TRUE(busy_inside_after_nested);
    EXPECT_TRUE(busy_during);
    EXPECT_FALSE(wait_busy());
}

TEST(Waits, SleepSecBlocksWithoutEvents) {
    int fired = 0;
    QTimer::singleShot(0, [&] { ++fired; });
    EXPECT_EQ(sleep_sec(0.0625f), 62);  // 62.5 ms, half to even
    EXPECT_EQ(fired, 0);
    wait_sec(0);
}

TEST(CsvFields, SplitsGroupLists) {
    auto f = split_csv_fields("AO-51, FO-29 ,,ISS");
    EXPECT_EQ(f[0], "AO-51");
    EXPECT_EQ(f[1], "FO-29");
    EXPECT_EQ(f[2], "");
    EXPECT_EQ(f[3], "ISS");
    EXPECT_EQ(f[4], "");

    f = split_csv_fields("A,B,");
    EXPECT_EQ(f[0], "A");
    EXPECT_EQ(f[1], "B");
    EXPECT_EQ(f[2], "");

    CsvTokenizer t;
    EXPECT_EQ(t.next_csv_field("", 1), "");
    EXPECT_EQ(t.next_csv_field("", 2), kCsvEnd);
    EXPECT_EQ(t.next_csv_field("A,B,", 1), "A");
    EXPECT_EQ(t.next_csv_field("A,B,", 2), "B");
    EXPECT_EQ(t.next_csv_field("A,B,", 2), "");
    EXPECT_EQ(t.next_csv_field("A,B,", 2), kCsvEnd);
}

TEST(CsvFields, NineFieldsOverflowTheBuffer) {
    auto& rec = boxes();
    auto f = split_csv_fields("1,2,3,4,5,6,7,8,9");
    ASSERT_EQ(rec.texts.size(), 1u);
    EXPECT_EQ(rec.texts[0], "項目バッファオーバー");
    EXPECT_EQ(f[7], "8");
}

TEST(CheckNumericInput, Codes) {
    struct Case {
        const char* text;
        double min, max;
        int code;
        const char* after;
    } cases[] = {
        {"   ", -180, 180, -1, "   "},
        {"abc", -180, 180, -2, "abc"},
        {"12abc", -180, 180, -2, "12abc"},
        {" 135.050 ", -180, 180, 0, "135.05"},
        {"200", -180, 180, -3, "200"},
        {"90", -90, 90, 0, "90"},
        {"0.5", 0, 1, 0, ".5"},
        {"-0.25", -1, 1, 0, "-.25"},
    };
    for (const Case& c : cases) {
        auto& rec = boxes();
        platform::TextBox box;
        box.setText(c.text);
        EXPECT_EQ(check_numeric_input(box, c.min, c.max), c.code) << c.text;
        EXPECT_EQ(box.text().toStdString(), c.after) << c.text;
        EXPECT_EQ(rec.texts.size(), c.code == -1 ? 1u : 0u) << c.text;
        if (c.code == -1) {
            EXPECT_EQ(rec.texts[0], "入力項目を入力してください");
        }
    }
}

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
