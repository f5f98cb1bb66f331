#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>
#include <cstdint>

#include "common/sound_music.h"
#include "platform/msg_box.h"
#include "platform/sound.h"
#include "support/pump_until.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

// A short mono 16-bit wave file of a tone.
void write_wave(const TempDir& dir, const std::string& name, double seconds) {
    const uint32_t rate = 8000, samples = static_cast<uint32_t>(rate * seconds), data = samples * 2;
    std::string b;
    auto u32 = [&](uint32_t v) { b.append(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { b.append(reinterpret_cast<const char*>(&v), 2); };
    b += "RIFF";
    u32(36 + data);
    b += "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
    b += "data";
    u32(data);
    for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i / 5.0))));
    dir.write(name, b);
}

// The mode once it is no longer "PLAYING" (bounded), pumping events meanwhile.
std::string mode_after_playing(const std::string& file) {
    pump_until([&] { return mci_status_mode(file) != "PLAYING"; });
    return mci_status_mode(file);
}

}  // namespace

TEST(SoundMusic, EffectSoundsReturnAtOnceAndMissingFilesAreSilent) {
    TempDir dir;
    write_wave(dir, "sound2.wav", 0.2);
    platform::MsgBoxRecorder::current()->clear();
    play_sound_file(dir.file("sound2.wav"));
    play_sound_file(dir.file("sound3.wav"));  // missing; cuts off the first
    // The missing file ends its loading: no sound, no box. The test ends only then, as
    // Qt Multimedia cannot free a file it is still reading when the process ends.
    EXPECT_TRUE(pump_until([] { return !platform::Sound::instance().effect_loading(); }));
    EXPECT_TRUE(platform::MsgBoxRecorder::current()->texts.empty());
}

TEST(SoundMusic, TrackPlaysToStoppedAndCloses) {
    TempDir dir;
    write_wave(dir, "track1.wav", 0.3);
    const std::string track = dir.file("track1.wav");
    EXPECT_EQ(mci_status_mode(track), "");  // not open
    mci_close(track);                        // closing what was never opened: nothing
    mci_play(track);
    // With or without an audio device the track runs to its end.
    EXPECT_EQ(mode_after_playing(track), "STOPPED");
    mci_close(track);
    EXPECT_EQ(mci_status_mode(track), "");
}

TEST(SoundMusic, TrackThatCannotBeOpenedIsNeverStopped) {
    TempDir dir;
    dir.write("broken.mp3", "not music at all");
    for (const std::string& file : {dir.file("missing.mp3"), dir.file("broken.mp3")}) {
        mci_play(file);
        // The music tick advances only on "STOPPED": such a track stays current.
        EXPECT_EQ(mode_after_playing(file), "NOT READY") << file;
        mci_close(file);
    }
}

// The music tick starts a track and asks its mode in the same step: a track just
// started must not read as played to its end, or every start would skip to the next.
TEST(SoundMusic, TrackJustStartedIsNotStopped) {
    TempDir dir;
    write_wave(dir, "track1.wav", 0.5);
    const std::string track = dir.file("track1.wav");
    mci_play(track);
    EXPECT_NE(mci_status_mode(track), "STOPPED");
    QCoreApplication::processEvents();
    EXPECT_NE(mci_status_mode(track), "STOPPED");
    mci_close(track);
}
