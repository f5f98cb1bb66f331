#include <gtest/gtest.h>

#include "rig/civ_frames.h"
#include "rig/frame_text.h"
#include "rig/ic910_frames.h"

using namespace torv;

namespace {
std::vector<uint8_t> bytes(std::string_view hex_text) { return frames::hex_bytes(hex_text); }
civ::Frame frame(std::string_view hex_text) { return civ::Frame{bytes(hex_text)}; }
}  // namespace

TEST(Ic910Frames, FrequencyModeAndChannelFrames) {
    const std::pair<double, const char*> freqs[] = {
        {145.9, "FEFE60E0050000904501FD"},
        {1296.0, "FEFE60E0050000009612FD"},
        {435.123456, "FEFE60E0055634123504FD"},
    };
    for (auto [mhz, text] : freqs) EXPECT_EQ(frames::hex_text(*ic910::frequency_frame(mhz)), text) << mhz;
    EXPECT_FALSE(ic910::frequency_frame(-1));

    const std::pair<const char*, const char*> modes[] = {
        {"1", "FEFE60E00601FD"}, {"2", "FEFE60E00600FD"}, {"3", "FEFE60E00603FD"}, {"4", "FEFE60E00605FD"}, {"7", ""}};
    for (auto [code, text] : modes) EXPECT_EQ(ic910::mode_frame(parse_mode(code)), text) << code;

    EXPECT_EQ(ic910::channel_request(5), "FEFE60E01A0105FD");
    EXPECT_EQ(ic910::channel_request(19), "FEFE60E01A0119FD");
}

TEST(Ic910Frames, RepliesAndTheSMeter) {
    const civ::Frame reply = frame("FEFEE060030000904501FD");
    EXPECT_TRUE(ic910::is_reply(reply));
    EXPECT_FALSE(ic910::is_reply(frame("FEFE60E003FD")));  // our own echo
    EXPECT_NEAR(*ic910::reply_frequency(reply), 145.9, 1e-9);
    EXPECT_FALSE(ic910::reply_frequency(frame("FEFEE06003FD")));

    const std::pair<const char*, int> levels[] = {{"0255", 24}, {"0128", 12}, {"0000", 0}, {"9999", 32}};
    for (auto [digits, units] : levels) EXPECT_EQ(ic910::s_meter_units(digits), units) << digits;

    const std::pair<uint8_t, RadioMode> mode_bytes[] = {
        {0x00, RadioMode::Lsb}, {0x01, RadioMode::Usb}, {0x03, RadioMode::Cw}, {0x05, RadioMode::Fm}};
    for (auto [b, mode] : mode_bytes) EXPECT_EQ(ic910::reply_mode(b), mode);
    EXPECT_FALSE(ic910::reply_mode(0x02));
}

TEST(Ic910Frames, MemoryChannelContents) {
    // Channel 07: receive 435.8 USB, eight bytes not read, transmit 145.9 LSB.
    const civ::Frame reply = frame("FEFEE0601A0107" "0000803504" "01" "0000000000000000" "0000904501" "00" "FD");
    const auto m = ic910::memory_contents(reply);
    ASSERT_TRUE(m);
    EXPECT_NEAR(m->rx_mhz, 435.8, 1e-9);
    EXPECT_NEAR(m->tx_mhz, 145.9, 1e-9);
    EXPECT_EQ(m->rx_mode, 0x01);
    EXPECT_EQ(m->tx_mode, 0x00);
    EXPECT_FALSE(ic910::memory_contents(frame("FEFEE0601A0107000058430401FD")));  // cut short
}

TEST(CivFrames, ReaderTellsWhereEachFrameBeganAndWhatItDropped) {
    civ::FrameReader reader;
    reader.take(bytes("FEFE60"));
    // The held bytes count first: the echo began at 0, the reply after its FD at 6.
    std::vector<civ::Frame> got = reader.take(bytes("E003FDFEFEE060FBFD"));
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].start, 0u);
    EXPECT_EQ(got[1].start, 6u);
    got = reader.take(bytes("FEFEE060FCFEFEE060FBFD"));  // after the collision mark
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].start, 5u);

    // A burst with no end byte is dropped whole, never held past the capacity.
    const std::vector<uint8_t> burst(1200, 0x55);
    EXPECT_TRUE(reader.take(burst).empty());
    EXPECT_LT(reader.held(), 501u);
    EXPECT_EQ(reader.dropped() + reader.held(), 1200u);
    got = reader.take(bytes("FEFEE060FBFD"));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text(), "FEFEE060FBFD");
}
