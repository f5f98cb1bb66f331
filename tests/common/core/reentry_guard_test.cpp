#include <gtest/gtest.h>

#include "common/reentry_guard.h"

using namespace torv;

TEST(ReentryGuard, ATimerRunIsRefusedInsideARunAndAPurposefulOneNests) {
    ReentryGuard guard;
    {
        auto outer = guard.try_enter();
        ASSERT_TRUE(outer);
        EXPECT_FALSE(guard.try_enter());  // a timer falling due inside the run
        {
            auto nested = guard.enter();  // a run started on purpose inside it
            EXPECT_TRUE(guard.running());
        }
        EXPECT_TRUE(guard.running());  // the outer run still lasts
    }
    EXPECT_FALSE(guard.running());
    EXPECT_TRUE(guard.try_enter());
}
