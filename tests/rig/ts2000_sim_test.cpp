#include <gtest/gtest.h>

#include "sim/ts2000_sim.h"

using namespace torv;

namespace {

struct Link {
    sim::Ts2000Sim radio;
    sim::ProgramEnd program{radio};
    void send(const char* text) { program.write(QByteArray(text), radio); }
};

}  // namespace

TEST(Ts2000Simulator, StepsThroughItsSatelliteMemoriesAndAnswersReads) {
    Link link;
    ASSERT_TRUE(link.radio.ok());
    link.radio.load_memories({{435.9, 145.9}, {145.8, 435.8}});
    const sim::Ts2000State& s = link.radio.state;
    link.send("SA1010000;");  // satellite mode on: the memory in use is recalled
    EXPECT_TRUE(s.sat_mode);
    EXPECT_DOUBLE_EQ(s.vfo_a, 435.9);
    link.send("SA1010001;");
    link.send("CH0;");
    EXPECT_DOUBLE_EQ(s.vfo_a, 145.8);
    EXPECT_DOUBLE_EQ(s.vfo_b, 435.8);
    link.send("SA1011010;");  // the transmit side addressed, trace on
    link.send("MD1;");
    link.send("TN08;");
    link.send("TO1;");
    link.send("TX;");
    link.send("FA00145912340;");
    EXPECT_TRUE(s.tx_side && s.trace && !s.trace_reverse && !s.memory_select);
    EXPECT_EQ(s.mode_b, 1);
    EXPECT_EQ(s.tone_number, "08");
    EXPECT_TRUE(s.tone_on && s.ptt);
    link.send("FA;");
    link.send("PC;");
    link.send("SM0;");
    link.send("XX1;");
    ASSERT_TRUE(pump_until([&] { return link.program.received.endsWith("?;"); }));
    EXPECT_EQ(link.program.received, "FA00145912340;PC100;SM00000;?;");
    link.send("SA0000000;");
    EXPECT_FALSE(s.sat_mode);
}
