#include <gtest/gtest.h>

#include <limits>

#include "rig/civ_frames.h"
#include "rig/frame_text.h"
#include "rig/kenwood_commands.h"
#include "rig/yaesu_frames.h"

using namespace torv;

namespace {
std::string hex(const std::optional<std::vector<uint8_t>>& bytes) { return bytes ? frames::hex_text(*bytes) : "none"; }
std::vector<uint8_t> bytes(std::string_view hex_text) { return frames::hex_bytes(hex_text); }
}  // namespace

TEST(FrameText, PackedBcdAndHexPairs) {
    const std::pair<int, int> bcd[] = {{0, 0x00}, {9, 0x09}, {45, 0x45}, {99, 0x99}, {100, 0}, {255, 0}, {-1, 0}};
    for (auto [v, b] : bcd) EXPECT_EQ(frames::to_bcd(v), b) << v;
    EXPECT_EQ(frames::from_bcd(0x45), 45);
    EXPECT_EQ(frames::hex_pair_to_byte("4E"), 78);
    EXPECT_EQ(frames::hex_pair_to_byte("8A"), 138);
    EXPECT_EQ(frames::hex_pair_to_byte("4e"), 64);  // lower case adds nothing
    EXPECT_EQ(frames::hex_pair_to_byte("fd"), 0);
    EXPECT_EQ(frames::hex_pair_to_byte("x1"), 1);
    EXPECT_EQ(frames::hex_pair_to_byte("F"), 0);
    EXPECT_EQ(frames::hex_text(bytes("000000004E")), "000000004E");
    EXPECT_EQ(bytes("000000004").size(), 4u);  // a trailing odd digit is ignored
    // Steps of a frequency: truncated, but a difference held just below its decimal
    // value is not cut a step short.
    EXPECT_EQ(frames::frequency_steps(581.8 - 435.9, 5), 14590000);
    EXPECT_EQ(frames::frequency_steps(145.57, 6), 145570000);
    EXPECT_EQ(frames::frequency_steps(145.9123456, 5), 14591234);
    EXPECT_EQ(frames::frequency_steps(-0.001, 5), -1);
    // A frequency of more steps than the count holds is no count: it gives -1 too.
    EXPECT_EQ(frames::frequency_steps(9.2e12, 6), 9'200'000'000'000'000'000);
    EXPECT_EQ(frames::frequency_steps(9.3e12, 6), -1);
    EXPECT_EQ(frames::frequency_steps(1e30, 5), -1);
    EXPECT_EQ(frames::frequency_steps(std::numeric_limits<double>::infinity(), 5), -1);
}

TEST(YaesuFrames, OpcodeModeAndFrequencyFrames) {
    EXPECT_EQ(yaesu::opcode_frame("3F", 0x2B), "3F0000002B");
    const std::pair<const char*, const char*> modes[] = {{"1", "01"}, {"2", "00"}, {"3", "02"}, {"4", "08"}, {"5", ""}};
    for (auto [code, byte] : modes) EXPECT_EQ(yaesu::mode_byte(parse_mode(code)), byte) << code;
    EXPECT_EQ(yaesu::mode_frame(RadioMode::Fm, 0x27), "0800000027");
    EXPECT_EQ(yaesu::mode_frame(parse_mode(""), 0x27), "");
    EXPECT_EQ(hex(yaesu::frequency_frame(435.8, 0x2E)), "435800002E");
    EXPECT_EQ(hex(yaesu::frequency_frame(435.123456, 0x2E)), "435123452E");  // below 10 Hz dropped
    EXPECT_EQ(hex(yaesu::frequency_frame(1296.0, 0x2E)), "none");
    // From 1000 MHz on the first group passes 99; each radio writes it its own way.
    EXPECT_EQ(yaesu::frequency_groups(1296.0), (std::array<int, 4>{129, 60, 0, 0}));
    EXPECT_EQ(yaesu::frequency_groups(-1), std::nullopt);
    EXPECT_NEAR(yaesu::bcd_frequency({0x43, 0x97, 0x00, 0x00}), 439.7, 1e-9);
}

TEST(CivFrames, BuildsFramesAndFrequencies) {
    EXPECT_EQ(civ::frame_text(0x60, 0xE0, {0x1A, 0x07}, {0x01}), "FEFE60E01A0701FD");
    EXPECT_EQ(civ::frame_text(0x60, 0xE0, {0x03}), "FEFE60E003FD");
    auto freq = [](double mhz) {
        const auto d = civ::frequency_data(mhz);
        return d ? civ::frame_text(0x60, 0xE0, {0x05}, {d->begin(), d->end()}) : std::string("none");
    };
    EXPECT_EQ(freq(145.9), "FEFE60E0050000904501FD");
    EXPECT_EQ(freq(1296.0), "FEFE60E0050000009612FD");
    EXPECT_EQ(freq(145.57), "FEFE60E0050000574501FD");  // not 145.569999
    EXPECT_EQ(freq(-1), "none");
    EXPECT_NEAR(civ::data_frequency({0x00, 0x00, 0x90, 0x45, 0x01}), 145.9, 1e-9);
    EXPECT_NEAR(civ::data_frequency({0x56, 0x34, 0x12, 0x35, 0x04}), 435.123456, 1e-9);
}

TEST(CivFrames, ReaderCutsAtTheEndByteAndDropsWhatACollisionSpoilt) {
    civ::FrameReader reader;
    // The echo of our own read and the radio's reply, in one piece.
    std::vector<civ::Frame> got = reader.take(bytes("FEFE60E003FDFEFEE060030000904501FD"));
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].text(), "FEFE60E003FD");
    EXPECT_TRUE(got[1].between(0xE0, 0x60));
    EXPECT_FALSE(got[0].between(0xE0, 0x60));
    EXPECT_EQ(got[1].body(), bytes("030000904501"));
    EXPECT_EQ(reader.held(), 0u);

    // A reply split over two reads is handed out whole when its end arrives.
    EXPECT_TRUE(reader.take(bytes("FEFEE06015")).empty());
    EXPECT_EQ(reader.held(), 5u);
    got = reader.take(bytes("020128FD"));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text(), "FEFEE060150201" "28FD");

    // Everything up to the last collision mark is lost; the OK after it is read.
    got = reader.take(bytes("FEFEE060FCFCFEFEE060FBFD"));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].body(), std::vector<uint8_t>{civ::kOk});

    // A long run without an end byte is dropped, never held past the capacity.
    civ::FrameReader small(8);
    EXPECT_TRUE(small.take(bytes("FEFE0102030405060708")).empty());
    EXPECT_LT(small.held(), 8u);
    got = small.take(bytes("FEFEE060FBFD"));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text(), "FEFEE060FBFD");  // noise before a preamble is not part of a frame
}

TEST(KenwoodCommands, FrequencyCommandsAndReplies) {
    EXPECT_EQ(kenwood::frequency_command("FA", 145.9), "FA00145900000;");
    EXPECT_EQ(kenwood::frequency_command("FB", 1269.5), "FB01269500000;");
    EXPECT_EQ(kenwood::frequency_command("FB", 435.8123456), "FB00435812346;");  // whole hertz
    EXPECT_EQ(kenwood::frequency_command("FA", -1), std::nullopt);
    EXPECT_NEAR(*kenwood::reply_frequency("FA00435812340;"), 435.81234, 1e-9);
    EXPECT_EQ(kenwood::reply_frequency("FA0043581234;"), std::nullopt);  // not 14 characters
    EXPECT_EQ(kenwood::reply_frequency("FA00435x12340;"), std::nullopt);
    EXPECT_TRUE(kenwood::reply_is("SM00015;", "SM", 8));
    EXPECT_FALSE(kenwood::reply_is("SM0015;", "SM", 8));
}

TEST(KenwoodCommands, ReaderSplitsAtTheSemicolon) {
    kenwood::ReplyReader reader;
    EXPECT_TRUE(reader.take("SM00").empty());
    EXPECT_EQ(reader.take("15;PC050;FA0"), (std::vector<std::string>{"SM0015;", "PC050;"}));
    EXPECT_EQ(reader.held(), "FA0");  // starts the next reply
    EXPECT_EQ(reader.take("0145900000;"), std::vector<std::string>{"FA00145900000;"});
    kenwood::ReplyReader small(6);
    EXPECT_TRUE(small.take("XXXXXXXXXX").empty());
    EXPECT_LT(small.held().size(), 6u);
    EXPECT_EQ(small.dropped(), 6u);  // told, so the window can say so
    EXPECT_EQ(small.take("X;"), std::vector<std::string>{"XXXXX;"});
    EXPECT_EQ(small.dropped(), 0u);
}
