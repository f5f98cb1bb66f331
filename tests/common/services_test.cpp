#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>

#include "common/input_check.h"
#include "common/waits.h"
#include "support/recorded_boxes.h"

using namespace torv;

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

TEST(Waits, AWaitForAReplyEndsOnceItIsInAndOtherwiseAtItsTime) {
    bool in = false;
    QTimer::singleShot(20, [&] { in = true; });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(wait_sec_until(5, [&] { return in; }));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(wait_sec_until(0.05f, [] { return false; }));
    EXPECT_FALSE(wait_busy());
}

TEST(Waits, SleepSecBlocksWithoutEvents) {
    int fired = 0;
    QTimer::singleShot(0, [&] { ++fired; });
    EXPECT_EQ(sleep_sec(0.0625f), 62);  // 62.5 ms, half to even
    EXPECT_EQ(fired, 0);
    wait_sec(0);
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

