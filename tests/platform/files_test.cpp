#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "temp_dir.h"

using platform::FileContent;

TEST(Files, ReadTellsAMissingFileFromOneThatCannotBeRead) {
    TempDir dir;
    dir.write("a.ini", "x\r\n");
    EXPECT_EQ(platform::read_whole_file(dir.file("a.ini")).status, FileContent::Ok);
    EXPECT_EQ(platform::read_whole_file(dir.file("a.ini")).bytes, "x\r\n");
    EXPECT_EQ(platform::read_whole_file(dir.file("none.ini")).status, FileContent::Missing);
    EXPECT_EQ(platform::read_whole_file(dir.file("none/a.ini")).status, FileContent::Missing);
    std::filesystem::create_directory(dir.file("folder.ini"));
    EXPECT_EQ(platform::read_whole_file(dir.file("folder.ini")).status, FileContent::Failed);
}

TEST(Files, AReplacementThatFailsLeavesTheFileAndNoTemporaryFile) {
    TempDir dir;
    dir.write("TORV.ELM", "old\r\n");
    ASSERT_TRUE(platform::replace_file(dir.file("TORV.ELM"), "TORV.tmp", "new\r\n"));
    EXPECT_EQ(dir.read("TORV.ELM"), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("TORV.tmp")));

    // The file's name taken by a folder: the rename fails after the temporary file was written.
    std::filesystem::create_directory(dir.file("torv_solid.elm"));
    EXPECT_FALSE(platform::replace_file(dir.file("torv_solid.elm"), "torv_solid.tmp", "new\r\n"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("torv_solid.elm")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("torv_solid.tmp")));
}
