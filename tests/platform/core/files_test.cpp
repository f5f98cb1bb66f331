#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "platform/files.h"
#include "support/temp_dir.h"

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
    EXPECT_EQ(dir.names(), std::set<std::string>{"TORV.ELM"});

    // The file's name taken by a folder: the rename fails after the temporary file was written.
    std::filesystem::create_directory(dir.file("torv_solid.elm"));
    EXPECT_FALSE(platform::replace_file(dir.file("torv_solid.elm"), "torv_solid.tmp", "new\r\n"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("torv_solid.elm")));
    EXPECT_EQ(dir.names(), (std::set<std::string>{"TORV.ELM", "torv_solid.elm"}));
}

TEST(Files, ASecondProgramWritingTheSameFileUsesATemporaryFileOfItsOwn) {
    TempDir dir;
    dir.write("torv.ini", "old\r\n");
    // Another running program is halfway through its own replacement.
    dir.write("torv.ini.tmp", "[POSITION]\r\nKEI");
    ASSERT_TRUE(platform::replace_file(dir.file("torv.ini"), "torv.ini.tmp", "new\r\n"));
    EXPECT_EQ(dir.read("torv.ini"), "new\r\n");
    EXPECT_EQ(dir.read("torv.ini.tmp"), "[POSITION]\r\nKEI");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"torv.ini", "torv.ini.tmp"}));
}

TEST(Files, AFileWithoutWritePermissionIsNotReplaced) {
    TempDir dir;
    dir.write("torv.ini", "old\r\n");
    ::chmod(dir.file("torv.ini").c_str(), 0444);
    EXPECT_FALSE(platform::replace_file(dir.file("torv.ini"), "torv.ini.tmp", "new\r\n"));
    EXPECT_EQ(dir.read("torv.ini"), "old\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("torv.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(dir.names(), std::set<std::string>{"torv.ini"});
}

TEST(Files, LinesWithTheirEndsTakenOff) {
    TempDir dir;
    const struct {
        const char* bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}},
        {"", {}},
        {"\n", {""}},
    };
    for (const auto& c : cases) {
        dir.write("list.txt", c.bytes);
        EXPECT_EQ(platform::read_lines(dir.file("list.txt")), c.lines) << c.bytes;
    }
    EXPECT_TRUE(platform::read_lines(dir.file("missing.txt")).empty());
}
