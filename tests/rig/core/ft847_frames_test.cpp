#include <gtest/gtest.h>

#include "rig/frame_text.h"
#include "rig/ft847_frames.h"

using namespace torv::ft847;
using torv::RadioMode;
using torv::frames::hex_text;

namespace {
std::string hex(const std::optional<std::vector<uint8_t>>& bytes) { return bytes ? hex_text(*bytes) : "none"; }
}  // namespace

TEST(Ft847Frames, FrequencyFrames) {
    EXPECT_EQ(hex(frequency_frame(145.9, SatRxFrequency)), "1459000011");
    EXPECT_EQ(hex(frequency_frame(145.9, MainFrequency)), "1459000001");
    EXPECT_EQ(hex(frequency_frame(437.8, SatTxFrequency)), "4378000021");
    EXPECT_EQ(hex(frequency_frame(145.912345, SatTxFrequency)), "1459123421");  // 10 Hz digit truncated
    EXPECT_EQ(hex(frequency_frame(0.05, SatTxFrequency)), "0000500021");
    EXPECT_EQ(hex(frequency_frame(581.8 - 435.9, SatTxFrequency)), "1459000021");  // not 14 58 99 99
    EXPECT_EQ(hex(frequency_frame(999.999999, SatRxFrequency)), "9999999911");
    // The four bytes cannot carry these: no frame rather than a wrong one.
    EXPECT_EQ(hex(frequency_frame(1268.5, SatTxFrequency)), "none");
    EXPECT_EQ(hex(frequency_frame(1000.0, SatRxFrequency)), "none");
    EXPECT_EQ(hex(frequency_frame(-0.5, SatRxFrequency)), "none");
}

TEST(Ft847Frames, ModeAndToneFrames) {
    EXPECT_EQ(mode_frame(RadioMode::Usb, SatRxMode), "0100000017");
    EXPECT_EQ(mode_frame(RadioMode::Lsb, MainMode), "0000000007");
    EXPECT_EQ(mode_frame(RadioMode::Cw, SatTxMode), "0200000027");
    EXPECT_EQ(mode_frame(RadioMode::Fm, SatTxMode), "0800000027");
    EXPECT_EQ(mode_frame(RadioMode::Other, SatTxMode), "");
    EXPECT_EQ(tone_frame(*ctcss_code("88.5")), "0E0000002B");
    // Tones are compared as numbers; one the radio does not have gives no code at all.
    EXPECT_EQ(ctcss_code("88.50"), "0E");
    EXPECT_EQ(ctcss_code(" 100 "), "0D");
    for (const char* missing : {"199.5", "88.4", "", "88.5Hz", "なし", "1E400"})
        EXPECT_EQ(ctcss_code(missing), std::nullopt) << missing;
    EXPECT_EQ(ctcss_code("67.0"), "3F");
    EXPECT_EQ(ctcss_code("74.4"), "3E");
    EXPECT_EQ(ctcss_code("250.3"), "00");
    // The closing sequence of a link, and the main VFO's read.
    EXPECT_EQ(frame(ReadMain), "0000000003");
    EXPECT_EQ(frame(PttOff) + frame(CtcssOff) + frame(SatModeOff) + frame(CatOff),
              "00000000888A0000002A000000008E0000000080");
}

TEST(Ft847Frames, FrequencyReply) {
    EXPECT_NEAR(reply_frequency({0x43, 0x97, 0x00, 0x00, 0x01}), 439.7, 1e-9);
    EXPECT_NEAR(reply_frequency({0x14, 0x59, 0x12, 0x34, 0x00}), 145.91234, 1e-9);
    EXPECT_EQ(reply_mode(0x01), RadioMode::Usb);
    EXPECT_EQ(reply_mode(0x00), RadioMode::Lsb);
    EXPECT_EQ(reply_mode(0x82), RadioMode::Cw);
    EXPECT_EQ(reply_mode(0x88), RadioMode::Fm);
    EXPECT_EQ(reply_mode(0x04), std::nullopt);  // AM: the mode stays as it was
}
