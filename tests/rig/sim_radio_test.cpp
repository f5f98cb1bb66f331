#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "sim/sim_radio.h"

using namespace torv;

namespace {

// A radio of text commands that answers every command with itself.
class EchoRadio : public sim::SimRadio {
public:
    EchoRadio() : SimRadio(sim::Framing{.end = ';', .text = true}) {}

protected:
    void obey(const std::vector<uint8_t>& frame) override { answer(frame); }
};

struct Line {
    EchoRadio radio;
    sim::ProgramEnd program{radio};
    QByteArray& received = program.received;
    void write(const char* text) { program.port.Output(QByteArray(text)); }
};

}  // namespace

TEST(SimRadio, CutsFramesKeepsTheTranscriptAndAnswersLateWhenAsked) {
    Line line;
    ASSERT_TRUE(line.radio.ok());
    line.write("FA;FB");
    ASSERT_TRUE(pump_until([&] { return line.received == "FA;"; }));
    EXPECT_EQ(line.radio.frames(), std::vector<std::string>{"FA;"});
    line.write("1;");  // the rest of a frame completes it
    ASSERT_TRUE(pump_until([&] { return line.received == "FA;FB1;"; }));
    EXPECT_EQ(line.radio.frames_since(1), std::vector<std::string>{"FB1;"});

    // A late answer comes no sooner than the delay after the command was written,
    // however slowly the machine runs meanwhile.
    line.received.clear();
    line.radio.reply_delay_ms = 300;
    QElapsedTimer since_written;
    since_written.start();
    line.write("SM;");
    ASSERT_TRUE(pump_until([&] { return !line.received.isEmpty(); }));
    EXPECT_GE(since_written.elapsed(), 300);
    ASSERT_TRUE(pump_until([&] { return line.received == "SM;"; }));
    EXPECT_EQ(line.radio.frames().size(), 3u);

    // A cut cable: nothing the program writes reaches the radio, not even once the line
    // has handed over every byte.
    line.radio.line_cut = true;
    line.write("TX;");
    line.radio.take_written();
    EXPECT_EQ(line.radio.frames().size(), 3u);
}
