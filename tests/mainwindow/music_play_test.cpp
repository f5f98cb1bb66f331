#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/cp932.h"
#include "mainwindow/music_play.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

// A music device that plays nothing: it records what it was told, and a track reads
// "STOPPED" once the test has ended it.
struct FakeMusic {
    std::vector<std::string> log;  // "play a", "close a"
    std::set<std::string> open, ended;
    MusicMedia media() {
        return {[this](const std::string& f) {
                    log.push_back("play " + f);
                    open.insert(f);
                },
                [this](const std::string& f) {
                    if (open.erase(f)) log.push_back("close " + f);
                    ended.erase(f);
                },
                [this](const std::string& f) -> std::string {
                    if (!open.count(f)) return "";
                    return ended.count(f) ? "STOPPED" : "PLAYING";
                }};
    }
};

struct Music {
    FakeMusic device;
    PlayList list;
    std::string music_file;
    int16_t request = 0;
    MusicCursor cursor() { return {music_file, request}; }
    bool tick(bool music_on, bool any_up) { return check_music(music_on, any_up, list, cursor(), device.media()); }
    bool step(int s, bool music_on = true, bool any_up = true) {
        return step_track(s, music_on, any_up, list, cursor(), device.media());
    }
};

PlayList list_of(std::initializer_list<const char*> tracks) {
    PlayList l;
    for (const char* t : tracks) l.play_list[l.play_count++] = t;
    return l;
}

}  // namespace

TEST(MusicPlayList, ReadsAtMostFiftyTracksOfWholeLinesAndSkipsBlankOnes) {
    TempDir dir;
    std::string sixty;
    for (int i = 1; i <= 60; ++i) sixty += "C:\\music\\track" + std::to_string(i) + ".mp3\r\n";
    dir.write("torv.csv", sixty);
    PlayList l;
    l.play_pos = 7;
    load_play_list(dir.file("torv.csv"), l);
    EXPECT_EQ(l.play_count, 50);
    EXPECT_EQ(l.play_pos, 0);
    EXPECT_EQ(l.play_list[0], "C:\\music\\track1.mp3");
    EXPECT_EQ(l.play_list[50], "C:\\music\\track51.mp3");  // read, never played

    // Commas belong to the name, the file is CP932, LF endings do too, a blank line is no track.
    dir.write("torv.csv", utf8_to_cp932("/home/ja1abc/音楽/a,b.mp3\n\n\r\n/home/ja1abc/音楽/二.mp3"));
    load_play_list(dir.file("torv.csv"), l);
    EXPECT_EQ(l.play_count, 2);
    EXPECT_EQ(l.play_list[0], "/home/ja1abc/音楽/a,b.mp3");
    EXPECT_EQ(l.play_list[1], "/home/ja1abc/音楽/二.mp3");

    load_play_list(dir.file("missing.csv"), l);
    EXPECT_EQ(l.play_count, 0);
    EXPECT_EQ(l.play_list[0], "");
}

TEST(MusicPlayList, TracksFollowEachOtherAndWrapWhileASatelliteIsUp) {
    Music m;
    m.list = list_of({"a", "b", "c"});
    m.request = 1;  // music ticked
    EXPECT_TRUE(m.tick(true, true));
    EXPECT_EQ(m.music_file, "a");
    EXPECT_EQ(m.request, 0);
    EXPECT_EQ(music_labels(m.list, m.music_file).track, "1");
    EXPECT_FALSE(m.tick(true, true));  // playing on
    const std::vector<std::string> expected = {"b", "c", "a"};
    for (const std::string& next : expected) {
        m.device.ended.insert(m.music_file);
        EXPECT_TRUE(m.tick(true, true));
        EXPECT_EQ(m.music_file, next);
    }
    EXPECT_EQ(m.device.log, (std::vector<std::string>{"play a", "close a", "play b", "close b", "play c", "close c",
                                                       "play a"}));
}

TEST(MusicPlayList, SettingSatellitesOrTheBoxStopTheTrackAndARiseRestartsIt) {
    Music m;
    m.list = list_of({"a", "b", "c"});
    m.request = 1;
    m.tick(true, true);
    m.device.ended.insert("a");
    m.tick(true, true);  // track 2
    m.device.log.clear();

    EXPECT_FALSE(m.tick(true, false));  // every shown satellite has set
    EXPECT_EQ(m.device.log, std::vector<std::string>{"close b"});
    EXPECT_EQ(m.request, 1);
    EXPECT_TRUE(m.tick(true, true));  // one rises: track 2 from its beginning
    EXPECT_EQ(m.device.log.back(), "play b");

    EXPECT_FALSE(m.tick(false, true));  // the box unticked
    EXPECT_EQ(m.device.log.back(), "close b");
    EXPECT_FALSE(m.tick(false, true));  // stays closed, nothing more
    EXPECT_EQ(m.device.log.size(), 3u);
    m.request = 1;                    // ticked again
    EXPECT_TRUE(m.tick(true, true));  // restarts the current track
    EXPECT_EQ(m.device.log.back(), "play b");

    Music empty;
    empty.request = 1;
    EXPECT_FALSE(empty.tick(true, true));
    EXPECT_TRUE(empty.device.log.empty());
}

TEST(MusicPlayList, TrackButtonsStepAndWrapOnlyWhileMusicCanPlay) {
    Music m;
    m.list = list_of({"a", "b", "c"});
    m.request = 1;
    m.tick(true, true);
    EXPECT_TRUE(m.step(-1));  // from the first to the last
    EXPECT_EQ(m.music_file, "c");
    EXPECT_EQ(m.list.play_pos, 2);
    EXPECT_EQ(m.device.log, (std::vector<std::string>{"play a", "close a", "play c"}));
    EXPECT_TRUE(m.step(+1));  // from the last to the first
    EXPECT_EQ(m.music_file, "a");

    const size_t played = m.device.log.size();
    EXPECT_FALSE(m.step(+1, false, true));  // music box unticked
    EXPECT_FALSE(m.step(+1, true, false));  // nothing up
    Music empty;
    EXPECT_FALSE(empty.step(+1));  // no list
    EXPECT_EQ(m.device.log.size(), played);
    EXPECT_EQ(m.list.play_pos, 0);
    EXPECT_TRUE(empty.device.log.empty());
}

TEST(MusicPlayList, LabelsShowTheTrackAndItsNeighbours) {
    const PlayList l = [] {
        PlayList p = list_of({"a.mp3", "b.mp3", "c.mp3"});
        p.play_pos = 0;
        return p;
    }();
    const MusicLabels first = music_labels(l, "a.mp3");
    EXPECT_EQ(first.track, "1");
    EXPECT_EQ(first.track_tip, "a.mp3");
    EXPECT_EQ(first.next_tip, "b.mp3");
    EXPECT_EQ(first.previous_tip, "c.mp3");
    PlayList last = l;
    last.play_pos = 2;
    const MusicLabels third = music_labels(last, "c.mp3");
    EXPECT_EQ(third.track, "3");
    EXPECT_EQ(third.next_tip, "a.mp3");
    EXPECT_EQ(third.previous_tip, "b.mp3");
    const PlayList one = list_of({"only.mp3"});
    EXPECT_EQ(music_labels(one, "only.mp3").next_tip, "only.mp3");
    EXPECT_EQ(music_labels(one, "only.mp3").previous_tip, "only.mp3");
}
