#include <QApplication>
#include <gtest/gtest.h>

#include "platform/fonts.h"
#include "platform/msg_box.h"

// Every test program owns one QApplication (offscreen) so that windows and
// event-pumping waits work; message boxes are recorded instead of shown.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    platform::use_japanese_font();
    platform::MsgBoxRecorder recorder;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
