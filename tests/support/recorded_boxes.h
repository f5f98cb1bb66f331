#pragma once
#include "platform/msg_box.h"

// The test program's message-box recorder, emptied, for the boxes one test step shows.
inline platform::MsgBoxRecorder& boxes() {
    platform::MsgBoxRecorder::current()->clear();
    return *platform::MsgBoxRecorder::current();
}
