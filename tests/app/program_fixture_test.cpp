#include <gtest/gtest.h>

#include <QHostAddress>
#include <QTcpServer>

#include "platform/msg_box.h"
#include "support/program_fixture.h"

// Whole-program tests run side by side: each program serves its items on a port of its
// own, so none is told that the port is taken by another.
TEST_F(ProgramNotStarted, StartsWithoutAMessageWhileAnotherProgramHoldsTheDefaultItemPort) {
    QTcpServer other;
    other.listen(QHostAddress::LocalHost, 28470);  // or another test already holds it
    start();
    EXPECT_TRUE(platform::MsgBoxRecorder::current()->texts.empty());
}
