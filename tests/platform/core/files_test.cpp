#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "platform/files.h"
#include "support/child_process.h"
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

TEST(Files, TemporaryFilesOfEndedProcessesAreRemovedAndNothingElse) {
    TempDir dir;
    const WaitingChild running;
    ASSERT_GT(running.pid(), 0);
    const std::string ended = std::to_string(ended_process_id());
    const std::string own = std::to_string(::getpid());
    const struct {
        std::string name;
        bool kept;
    } cases[] = {
        {"TORV.tmp." + ended + ".0", false},
        {"torv.ini.tmp." + ended + ".17", false},
        {"TORV.tmp." + std::to_string(running.pid()) + ".3", true},
        {"torv.ini.tmp." + own + ".0", true},
        {"TORV.tmp.1.0", true},  // the first process: it runs, perhaps for another user
        {"TORV.ELM", true},
        {"TORV.tmp", true},
        {"TORV.tmp." + ended, true},
        {"TORV.tmp." + ended + ".x", true},
        {"TORV.tmp." + ended + ".01", true},
        {"TORV.tmp.0" + ended + ".0", true},
        {"TORV.tmp.0.0", true},
        {"TORV.tmp.99999999999.0", true},  // no process id
        {"TORV.bak." + ended + ".0", true},
        {".tmp." + ended + ".0", true},
        {"TORV.tmp.-" + ended + ".0", true},
    };
    std::set<std::string> kept;
    for (const auto& c : cases) {
        dir.write(c.name, "x");
        if (c.kept) kept.insert(c.name);
    }
    // Only files: a folder or a link of such a name stays.
    const std::string folder = "TORV_NORAD.tmp." + ended + ".1", link = "torv_solid.tmp." + ended + ".2";
    std::filesystem::create_directory(dir.file(folder));
    std::filesystem::create_symlink("TORV.ELM", dir.file(link));
    kept.insert({folder, link});

    platform::remove_abandoned_temporary_files(dir.str());

    EXPECT_EQ(dir.names(), kept);
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
