#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSystemTrayIcon>
#include <filesystem>

#include "platform/process.h"
#include "platform/sound.h"
#include "platform/tray.h"
#include "support/temp_dir.h"

TEST(Sound, ModeWords) {
    using P = QMediaPlayer;
    const struct {
        P::PlaybackState state;
        P::MediaStatus status;
        const char* word;
    } cases[] = {
        {P::PlayingState, P::BufferedMedia, "PLAYING"},
        {P::PlayingState, P::LoadingMedia, "PLAYING"},
        {P::PausedState, P::BufferedMedia, "PAUSED"},
        {P::StoppedState, P::LoadedMedia, "STOPPED"},     // opened, not played yet
        {P::StoppedState, P::EndOfMedia, "STOPPED"},      // played to the end
        {P::PlayingState, P::EndOfMedia, "STOPPED"},
        {P::PlayingState, P::InvalidMedia, "NOT READY"},  // a failed player keeps "playing"
        {P::StoppedState, P::NoMedia, "NOT READY"},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::media_mode_word(c.state, c.status), c.word) << c.word;
}

TEST(Tray, WithoutANotificationAreaTheProgramRunsOn) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "this desktop has a tray";
    platform::Tray tray;
    EXPECT_FALSE(tray.add(QIcon(), "Torv"));
    tray.show_balloon("Torv", "GROUP-Aの ISS　が可視範囲に入った。");
    EXPECT_FALSE(tray.shown());
    tray.remove();
    tray.remove();
}

TEST(Process, StartsByFileNameWithArgumentsNormalOrHidden) {
    TempDir dir;
    dir.write("tool", "#!/bin/sh\necho out\nprintf '%s|' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.ran\"\n");
    std::filesystem::permissions(dir.file("tool"), std::filesystem::perms::owner_all);
    const QString tool = QString::fromStdString(dir.file("tool"));
    for (platform::WindowMode mode : {platform::WindowMode::Normal, platform::WindowMode::Hidden}) {
        std::filesystem::remove(dir.file("tool.ran"));
        ASSERT_TRUE(platform::start_program(tool, {"a b", "c"}, mode));
        QElapsedTimer t;
        t.start();
        while (!std::filesystem::exists(dir.file("tool.ran")) && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(dir.read("tool.ran"), "a b|c|");
    }
    dir.write("plain.txt", "text");
    EXPECT_FALSE(platform::start_program(QString::fromStdString(dir.file("plain.txt"))));
    EXPECT_FALSE(platform::start_program(QString::fromStdString(dir.file("missing"))));
    EXPECT_FALSE(platform::start_program("no-such-program-anywhere"));
    EXPECT_FALSE(platform::start_program(""));
    EXPECT_TRUE(platform::start_program("true"));  // found on the search path
}

TEST(Process, RecorderStartsNothingAndAnswersAsScripted) {
    TempDir dir;
    dir.write("tool", "#!/bin/sh\ntouch \"$0.ran\"\n");
    std::filesystem::permissions(dir.file("tool"), std::filesystem::perms::owner_all);
    const QString tool = QString::fromStdString(dir.file("tool"));
    {
        platform::ProcessRecorder outer;
        {
            platform::ProcessRecorder inner;
            inner.missing = {"no-such-program"};
            EXPECT_TRUE(platform::start_program(tool, {"-x"}, platform::WindowMode::Hidden));
            EXPECT_FALSE(platform::start_program("no-such-program"));
            ASSERT_EQ(inner.starts.size(), 2u);
            EXPECT_EQ(inner.starts[0].arguments, QStringList{"-x"});
            EXPECT_EQ(inner.starts[0].mode, platform::WindowMode::Hidden);
            EXPECT_FALSE(inner.starts[1].started);
        }
        EXPECT_EQ(platform::ProcessRecorder::current(), &outer);  // the outer one records again
        EXPECT_TRUE(outer.starts.empty());
    }
    EXPECT_EQ(platform::ProcessRecorder::current(), nullptr);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    EXPECT_FALSE(std::filesystem::exists(dir.file("tool.ran")));
}

TEST(Process, ParameterTextToArguments) {
    EXPECT_EQ(platform::split_arguments(""), QStringList{});
    EXPECT_EQ(platform::split_arguments("  -a   b "), (QStringList{"-a", "b"}));
    EXPECT_EQ(platform::split_arguments("-f \"C:/my file.log\" x"), (QStringList{"-f", "C:/my file.log", "x"}));
}
