#include <gtest/gtest.h>

#include "rig/frame_text.h"
#include "rig/ft847_frames.h"
#include "sim/ft847_sim.h"

using namespace torv;

namespace {

struct Link {
    sim::Ft847Sim radio;
    sim::ProgramEnd program{radio};
    const QByteArray& replies = program.received;
    void send(const std::string& hex_frame) {
        const std::vector<uint8_t> b = frames::hex_bytes(hex_frame);
        program.write(QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<int>(b.size())), radio);
    }
};

}  // namespace

TEST(Ft847Simulator, ObeysOnlyWhatTheRadioWould) {
    Link link;
    ASSERT_TRUE(link.radio.ok());
    link.send("1459000011");  // CAT off: ignored
    EXPECT_EQ(link.radio.state.sat_rx_freq, 0);
    link.send(ft847::frame(ft847::CatOn));
    link.send("1459000011");  // not in satellite mode: ignored
    EXPECT_EQ(link.radio.state.sat_rx_freq, 0);
    link.send("4358000001");
    EXPECT_DOUBLE_EQ(link.radio.state.main_freq, 435.8);
    link.send(ft847::frame(ft847::SatModeOn));
    link.send("1459123411");
    link.send("4378000021");
    link.send("0100000017");
    link.send("0800000027");
    link.send("3F0000002B");
    link.send(ft847::frame(ft847::CtcssOn));
    link.send(ft847::frame(ft847::PttOn));
    const sim::Ft847State& s = link.radio.state;
    EXPECT_NEAR(s.sat_rx_freq, 145.91234, 1e-9);
    EXPECT_NEAR(s.sat_tx_freq, 437.8, 1e-9);
    EXPECT_EQ(s.sat_rx_mode, 0x01);
    EXPECT_EQ(s.sat_tx_mode, 0x08);
    EXPECT_EQ(s.tone_code, 0x3F);
    EXPECT_TRUE(s.ctcss_on);
    EXPECT_TRUE(s.ptt);
    for (ft847::Frame f : {ft847::PttOff, ft847::CtcssOff, ft847::SatModeOff, ft847::CatOff}) link.send(ft847::frame(f));
    EXPECT_FALSE(s.ptt || s.ctcss_on || s.sat_mode || s.cat_on);
    EXPECT_EQ(link.radio.frames().size(), 16u);
}

TEST(Ft847Simulator, AnswersStatusAndFrequencyReads) {
    Link link;
    ASSERT_TRUE(link.radio.ok());
    link.radio.state.s_meter = 0x1F;
    link.radio.state.power = 10;
    for (const char* f : {"0000000000", "000000004E", "4397000011", "0100000017"}) link.send(f);
    link.send(ft847::frame(ft847::ReadRxStatus));
    link.send(ft847::frame(ft847::ReadTxStatus));
    link.send(ft847::frame(ft847::ReadSatRx));
    ASSERT_TRUE(pump_until([&] { return link.replies.size() >= 7; }));
    EXPECT_EQ(link.replies, QByteArray("\x1F\x80\x43\x97\x00\x00\x01", 7));
}
