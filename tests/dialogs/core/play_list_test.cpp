#include "dialogs/play_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

using namespace torv;

TEST(PlayList, FieldsOfTheFirstLine) {
    TempDir dir;
    const struct {
        const char* content;
        int fields;
    } cases[] = {{"", 0}, {"\r\nC:\\a.mp3\r\n", 0}, {"C:\\a.mp3\r\n", 1}, {"a,b,c\r\nd\r\n", 3}, {"\"a,b\",c", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        dir.write("torv.csv", c.content);
        EXPECT_EQ(GetCntCSV(dir.file("torv.csv")), c.fields);
    }
    EXPECT_EQ(GetCntCSV(dir.file("missing.csv")), 0);
}

TEST(PlayList, OnlyMp3PathsInEitherCase) {
    EXPECT_TRUE(is_mp3_path("/music/a.MP3"));
    EXPECT_TRUE(is_mp3_path("/music/a.mp3"));
    EXPECT_FALSE(is_mp3_path("/music/a.Mp3"));
    EXPECT_FALSE(is_mp3_path("/music/a.wav"));
}

TEST(PlayList, EntriesAreWholeLinesAndAnEmptyListEmptiesTheFile) {
    TempDir dir;
    const std::string path = dir.file("torv.csv");
    const std::vector<std::string> entries = {"/music/a,b.mp3", "/音楽/曲.mp3", "/music/a,b.mp3"};
    ASSERT_TRUE(write_play_list_file(path, entries));
    EXPECT_EQ(dir.read("torv.csv"), "/music/a,b.mp3\r\n/\x89\xb9\x8a\x79/\x8b\xc8.mp3\r\n/music/a,b.mp3\r\n");
    EXPECT_EQ(read_play_list_file(path).entries, entries);
    ASSERT_TRUE(write_play_list_file(path, {}));
    EXPECT_EQ(dir.read("torv.csv"), "");
    EXPECT_TRUE(read_play_list_file(path).entries.empty());
    EXPECT_EQ(dir.names(), std::set<std::string>{"torv.csv"});  // no temporary file left
    // A file that exists but cannot be read is not to be replaced.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(read_play_list_file(path).readable);
    EXPECT_TRUE(read_play_list_file(dir.file("missing.csv")).readable);
}
