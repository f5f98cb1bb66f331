#include <gtest/gtest.h>

#include "rig/frame_text.h"
#include "sim/ft736_sim.h"

using namespace torv;

TEST(Ft736Simulator, ObeysOnlyWhatTheRadioWould) {
    sim::Ft736Sim radio;
    ASSERT_TRUE(radio.ok());
    sim::ProgramEnd program{radio};
    const auto send = [&](const std::string& hex_frame) {
        const std::vector<uint8_t> b = frames::hex_bytes(hex_frame);
        program.write(QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<int>(b.size())), radio);
    };
    const sim::Ft736State& s = radio.state;
    send("435800002E");  // CAT off: ignored
    send("0000000000");
    send("435800002E");  // not in satellite mode: ignored
    EXPECT_EQ(s.tx_freq, 0);
    send("000000000E");
    send("C96012342E");
    send("145912341E");
    send("0800000027");
    send("0100000017");
    send("1D000000FA");
    send("0000000008");
    EXPECT_NEAR(s.tx_freq, 1296.01234, 1e-9);
    EXPECT_NEAR(s.rx_freq, 145.91234, 1e-9);
    EXPECT_EQ(s.tx_mode, 0x08);
    EXPECT_EQ(s.rx_mode, 0x01);
    EXPECT_EQ(s.tone_code, 0x1D);
    EXPECT_TRUE(s.ptt);
    // Frames it cannot read: a first byte that is neither BCD nor C with a digit.
    send("C1000000022");
    send("D96000002E");
    EXPECT_EQ(s.unknown_frames, 2);
    EXPECT_NEAR(s.tx_freq, 1296.01234, 1e-9);
    for (const char* f : {"0000000088", "000000008E", "0000000080"}) send(f);
    EXPECT_FALSE(s.ptt || s.sat_mode || s.cat_on);
}
