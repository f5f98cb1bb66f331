#include <gtest/gtest.h>

#include "platform/msg_box.h"

// Every core test program: no window system at all; message boxes are recorded.
int main(int argc, char** argv) {
    platform::MsgBoxRecorder recorder;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
