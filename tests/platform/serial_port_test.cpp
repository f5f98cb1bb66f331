#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/msg_box.h"
#include "platform/serial_port.h"
#include "support/pty_pair.h"

using platform::SerialPort;

namespace {

struct PortOnPty {
    PtyPair pty;
    SerialPort port;
    std::vector<int> events;

    PortOnPty() {
        port.Device = pty.slave_path();
        port.OnComm = [this] { events.push_back(port.CommEvent); };
    }
    void from_radio(const std::string& bytes) { ASSERT_EQ(::write(pty.master(), bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    std::string to_radio(size_t expected) {
        std::string got;
        pump_until([&] {
            char b[64];
            const ssize_t n = ::read(pty.master(), b, sizeof b);
            if (n > 0) got.append(b, n);
            return got.size() >= expected;
        });
        return got;
    }
};

// Waits, running no window events, until the line holds count bytes for the program.
bool held_by_line(const PtyPair& pty, int count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (pty.queued_for_program() != count) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace

TEST(SerialPort, AppliesTheSettingsTextToTheLine) {
    PortOnPty t;
    ASSERT_TRUE(t.pty.ok());
    t.port.Settings = "4800,n,8,2";
    ASSERT_TRUE(t.port.setPortOpen(true));
    termios tio{};
    ASSERT_EQ(tcgetattr(t.pty.master(), &tio), 0);
    // The line discipline of the slave is what the program set.
    int slave = ::open(t.pty.slave_path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    ASSERT_EQ(tcgetattr(slave, &tio), 0);
    ::close(slave);
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B4800));
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_TRUE(tio.c_cflag & CSTOPB);
    EXPECT_FALSE(tio.c_cflag & PARENB);
    EXPECT_FALSE(tio.c_cflag & CRTSCTS);
}

TEST(SerialPort, BytesGoOutAndComeBackWithAReceiveEvent) {
    PortOnPty t;
    ASSERT_TRUE(t.pty.ok());
    t.port.RThreshold = 1;
    t.port.InputLen = 5;
    ASSERT_TRUE(t.port.setPortOpen(true));
    EXPECT_TRUE(t.port.PortOpen());

    t.port.Output(QByteArray("\x14\x59\x00\x00\x11", 5));
    EXPECT_EQ(t.to_radio(5), std::string("\x14\x59\x00\x00\x11", 5));

    t.from_radio(std::string("\x43\x97\x00\x00\x01\x07\x08", 7));
    // The event is raised after the read that took the bytes, as an event of its own.
    ASSERT_TRUE(pump_until([&] { return t.port.InBufferCount() == 7 && !t.events.empty(); }));
    EXPECT_EQ(t.events.front(), platform::comEvReceive);
    EXPECT_EQ(t.port.Input(), QByteArray("\x43\x97\x00\x00\x01", 5));  // at most InputLen
    EXPECT_EQ(t.port.InBufferCount(), 2);
    t.port.setInBufferCount(0);
    EXPECT_EQ(t.port.InBufferCount(), 0);

    // Bytes the driver holds but has not handed over yet are discarded too: a late reply
    // must not be read as the answer to the next request. (No window events run until
    // the driver holds them, so the port cannot read them first.)
    t.from_radio(std::string("\x43\x97", 2));
    ASSERT_TRUE(held_by_line(t.pty, 2));
    t.port.setInBufferCount(0);
    t.from_radio(std::string("\x14", 1));
    // Everything the line held has been read by the port.
    ASSERT_TRUE(pump_until([&] { return t.port.InBufferCount() > 0 && t.pty.queued_for_program() == 0; }));
    EXPECT_EQ(t.port.Input(), QByteArray("\x14", 1));
}

TEST(SerialPort, ReceiveThresholdHoldsTheEventBack) {
    PortOnPty t;
    ASSERT_TRUE(t.pty.ok());
    t.port.RThreshold = 5;
    ASSERT_TRUE(t.port.setPortOpen(true));
    t.from_radio("abc");
    ASSERT_TRUE(pump_until([&] { return t.port.InBufferCount() == 3; }));
    EXPECT_TRUE(t.events.empty());
    t.from_radio("de");
    ASSERT_TRUE(pump_until([&] { return !t.events.empty(); }));
    EXPECT_EQ(t.events.front(), platform::comEvReceive);
}

TEST(SerialPort, OpenFailsForAMissingDeviceOrASettingsTextItCannotApply) {
    SerialPort missing;
    missing.Device = "/nonexistent/ttyX";
    EXPECT_FALSE(missing.setPortOpen(true));
    EXPECT_FALSE(missing.PortOpen());
    missing.Output("x");  // dropped while closed

    for (const char* settings : {"9601,n,8,1", "9600,x,8,1", "9600,n,6,1", "9600,n,8"}) {
        PortOnPty t;
        ASSERT_TRUE(t.pty.ok());
        t.port.Settings = settings;
        EXPECT_FALSE(t.port.setPortOpen(true)) << settings;
        EXPECT_FALSE(t.port.PortOpen());
    }
}

TEST(SerialPort, PortNumberNamesTheDeviceWhenNoneIsGiven) {
    SerialPort port;
    port.CommPort = 3;
    EXPECT_EQ(port.device_path(), "/dev/ttyS2");
    port.Device = "/dev/ttyUSB0";
    EXPECT_EQ(port.device_path(), "/dev/ttyUSB0");
}

TEST(SerialPort, APulledLineIsReportedAndThePortCanStillBeClosed) {
    PortOnPty t;
    ASSERT_TRUE(t.pty.ok());
    t.port.RThreshold = 1;
    ASSERT_TRUE(t.port.setPortOpen(true));
    t.pty.close_master();
    // Noticed while listening, and again by the next write.
    ASSERT_TRUE(pump_until([&] { return !t.events.empty(); }));
    EXPECT_EQ(t.events, std::vector<int>{platform::comEventCDTO});
    t.port.Output(QByteArray(5, '\0'));
    EXPECT_EQ(t.events, (std::vector<int>{platform::comEventCDTO, platform::comEventCDTO}));
    EXPECT_TRUE(t.port.PortOpen());
    EXPECT_TRUE(t.port.setPortOpen(false));
    EXPECT_FALSE(t.port.PortOpen());
}

TEST(SerialPort, ADeviceThatNeverStopsSendingKeepsOnlyTheNewestBytesAndIsReportedAsAnOverrun) {
    PortOnPty t;
    ASSERT_TRUE(t.pty.ok());
    t.port.RThreshold = 1;  // the handler records the events and takes nothing
    ASSERT_TRUE(t.port.setPortOpen(true));
    std::string flood(20000, '\0');
    for (size_t i = 0; i < flood.size(); ++i) flood[i] = static_cast<char>(i % 251);

    // In pieces, each one read by the port before the next goes out: the line's own
    // input queue is empty and a receive event came.
    const int line = ::open(t.pty.slave_path().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(line, 0);
    for (size_t sent = 0; sent < flood.size(); sent += 1000) {
        const size_t events = t.events.size();
        t.from_radio(flood.substr(sent, 1000));
        ASSERT_TRUE(pump_until([&] {
            int queued = -1;
            ::ioctl(line, FIONREAD, &queued);
            return queued == 0 && t.events.size() > events;
        })) << sent;
        ASSERT_LE(t.port.InBufferCount(), SerialPort::kInBufferSize) << sent;
    }
    ::close(line);

    EXPECT_GT(std::count(t.events.begin(), t.events.end(), platform::comEventRxOver), 0);
    ASSERT_EQ(t.port.InBufferCount(), SerialPort::kInBufferSize);
    EXPECT_TRUE(t.port.Input().toStdString() == flood.substr(flood.size() - SerialPort::kInBufferSize));
}

TEST(SerialPort, AHandlerWaitingInAMessageBoxGetsTheNextEventAfterItReturns) {
    PortOnPty t;
    ASSERT_TRUE(t.pty.ok());
    t.port.RThreshold = 1;
    int depth = 0, deepest = 0;
    t.port.OnComm = [&] {
        if (t.port.CommEvent != platform::comEvReceive) return;
        deepest = std::max(deepest, ++depth);
        t.port.Input();
        platform::msg_box(std::string("受信"));
        --depth;
    };
    auto* recorder = platform::MsgBoxRecorder::current();
    recorder->clear();
    bool arrived = false;
    // While the first box waits for the operator the radio sends again; the port reads
    // it, and raises it only once the box is closed.
    recorder->on_show = [&] {
        if (recorder->texts.size() != 1) return;
        t.from_radio("b");
        arrived = pump_until([&] { return t.port.InBufferCount() == 1; });
    };
    ASSERT_TRUE(t.port.setPortOpen(true));
    t.from_radio("a");
    ASSERT_TRUE(pump_until([&] { return recorder->texts.size() == 2; }));
    recorder->on_show = nullptr;

    EXPECT_TRUE(arrived);
    EXPECT_EQ(deepest, 1);
}

TEST(SerialPort, DrainingWaitsForTheOutputAndGivesUpOnALineThatTakesNothing) {
    PortOnPty t;
    ASSERT_TRUE(t.pty.ok());
    ASSERT_TRUE(t.port.setPortOpen(true));
    t.port.Output("TO0;RX;");
    EXPECT_TRUE(t.port.drain_output(15000));  // ends as soon as the line has taken it
    EXPECT_EQ(t.port.OutBufferCount(), 0);
    EXPECT_EQ(t.to_radio(7), "TO0;RX;");

    // The other end holds its flow: what is written waits in the port.
    t.pty.hold_output(true);
    const QByteArray block(1024, 'x');
    for (int i = 0; i < 3; ++i) t.port.Output(block);
    QCoreApplication::processEvents();
    ASSERT_EQ(t.port.OutBufferCount(), 3072);
    EXPECT_FALSE(t.port.drain_output(200));
    EXPECT_TRUE(t.port.setPortOpen(false));
    EXPECT_EQ(t.port.OutBufferCount(), 0);
}
