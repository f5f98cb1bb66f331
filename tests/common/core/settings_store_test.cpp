#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string_view>
#include <type_traits>
#include <vector>

#include "common/cp932.h"
#include "common/settings_store.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

// Runs f as an ordinary user (root reads every file whatever its permissions) and
// returns its result.
bool as_ordinary_user(const std::function<bool()>& f) {
    if (::geteuid() != 0) return f();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        ::_exit(f() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A call names the section before the key, each by its type: the other order, or bare
// texts in either, does not compile, where it would silently read the default.
using Read = decltype(&ini_read);
using ReadOr = decltype(&ini_read_or);
using Write = decltype(&ini_write);
static_assert(std::is_invocable_v<Read, Section, Key, std::string>);
static_assert(!std::is_invocable_v<Read, Key, Section, std::string>);
static_assert(!std::is_invocable_v<Read, const char*, const char*, std::string>);
static_assert(std::is_invocable_v<ReadOr, Section, Key, std::string_view, std::string>);
static_assert(!std::is_invocable_v<ReadOr, Key, Section, std::string_view, std::string>);
static_assert(!std::is_invocable_v<ReadOr, const char*, const char*, std::string_view, std::string>);
static_assert(std::is_invocable_v<Write, Section, Key, std::string_view, std::string>);
static_assert(!std::is_invocable_v<Write, Key, Section, std::string_view, std::string>);
static_assert(!std::is_invocable_v<Write, std::string_view, Key, Section, std::string>);
static_assert(!std::is_invocable_v<Write, const char*, const char*, std::string_view, std::string>);

}  // namespace

class SettingsStore : public ::testing::Test {
protected:
    TempDir dir;
    std::string ini = dir.file("torv.ini");
};

TEST_F(SettingsStore, MissingFileSectionOrKeyReadsError) {
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"SELECT"}, ini), "ERROR");
    EXPECT_FALSE(std::filesystem::exists(ini));  // reading creates nothing
    ASSERT_TRUE(ini_write(Section{"SATELITE"}, Key{"SELECT"}, "A1", ini));
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"SELECT"}, ini), "A1");
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"OTHER"}, ini), "ERROR");
    EXPECT_EQ(ini_read(Section{"OTHER"}, Key{"SELECT"}, ini), "ERROR");
}

TEST_F(SettingsStore, ReadingRules) {
    dir.write("torv.ini",
              "[SATELITE]\r\n"
              "EMPTY=\r\n"
              "BLANK=   1   \r\n"
              "QUOTED=\" padded \"\r\n"
              "SINGLE='x'\r\n"
              "HALF=\"open\r\n"
              "STORED_ERROR=ERROR\r\n"
              "  Spaced Key  = v \r\n");
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"EMPTY"}, ini), "");
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"BLANK"}, ini), "1");
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"QUOTED"}, ini), " padded ");
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"SINGLE"}, ini), "x");
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"HALF"}, ini), "\"open");
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"STORED_ERROR"}, ini), "ERROR");
    EXPECT_EQ(ini_read(Section{"satelite"}, Key{"spaced key"}, ini), "v");
    EXPECT_EQ(ini_read(Section{"Satelite"}, Key{"blank"}, ini), "1");
}

TEST_F(SettingsStore, LeadingBlankNumbersReadBackTrimmed) {
    ini_write(Section{"HAIKEIZU"}, Key{"SHOW"}, " 1", ini);
    ini_write(Section{"HAIKEIZU"}, Key{"NEG"}, "-3", ini);
    EXPECT_EQ(ini_read(Section{"HAIKEIZU"}, Key{"SHOW"}, ini), "1");
    EXPECT_EQ(ini_read(Section{"HAIKEIZU"}, Key{"NEG"}, ini), "-3");
    EXPECT_NE(dir.read("torv.ini").find("SHOW= 1\r\n"), std::string::npos);  // stored exactly
}

TEST_F(SettingsStore, ValuesAreCutAt254Bytes) {
    ini_write(Section{"X"}, Key{"LONG"}, std::string(300, 'a'), ini);
    EXPECT_EQ(ini_read(Section{"X"}, Key{"LONG"}, ini), std::string(254, 'a'));
    // 128 double-byte characters: 127 fit, no character is split.
    std::string wide;
    for (int i = 0; i < 128; ++i) wide += "あ";
    ini_write(Section{"X"}, Key{"WIDE"}, "a" + wide, ini);
    std::string back = ini_read(Section{"X"}, Key{"WIDE"}, ini);
    EXPECT_EQ(utf8_to_cp932(back).size(), 253u);
    EXPECT_EQ(back.substr(0, 1), "a");
}

TEST_F(SettingsStore, JapaneseTextRoundTripsThroughCp932) {
    ini_write(Section{"FT847"}, Key{"RIG"}, "ＦＴ８４７", ini);
    ini_write(Section{"SAT_R_FREQ"}, Key{"AO-51"}, ",:,:50:1:なし:", ini);
    ini_write(Section{"IC910"}, Key{"ＣＨ"}, "7", ini);
    EXPECT_EQ(ini_read(Section{"FT847"}, Key{"RIG"}, ini), "ＦＴ８４７");
    EXPECT_EQ(ini_read(Section{"sat_r_freq"}, Key{"AO-51"}, ini), ",:,:50:1:なし:");
    EXPECT_EQ(ini_read(Section{"IC910"}, Key{"ＣＨ"}, ini), "7");
    const std::string bytes = dir.read("torv.ini");
    EXPECT_NE(bytes.find("\x82\xC8\x82\xB5"), std::string::npos);  // なし in CP932
    EXPECT_EQ(cp932_to_utf8(utf8_to_cp932("＼～￥")), "＼～￥");
    // Backslash and tilde stay themselves (paths and names in element files).
    EXPECT_EQ(utf8_to_cp932("C:\\torv~1"), "C:\\torv~1");
}

TEST_F(SettingsStore, WritesKeepEveryOtherLine) {
    const std::string original =
        "; written by hand\r\n"
        "[POSITION]\r\n"
        "KEIDO=135.15\r\n"
        "IDO=34.5\r\n"
        "\r\n"
        "[SATELITE]\r\n"
        "GROUP-A=ISS,FO-29\r\n";
    dir.write("torv.ini", original);
    ini_write(Section{"position"}, Key{"keido"}, "140", ini);
    ini_write(Section{"POSITION"}, Key{"HEIGHT"}, "45", ini);
    ini_write(Section{"NEWSECTION"}, Key{"SELECT"}, "A3", ini);
    EXPECT_EQ(dir.read("torv.ini"),
              "; written by hand\r\n"
              "[POSITION]\r\n"
              "KEIDO=140\r\n"
              "IDO=34.5\r\n"
              "HEIGHT=45\r\n"
              "\r\n"
              "[SATELITE]\r\n"
              "GROUP-A=ISS,FO-29\r\n"
              "\r\n"
              "[NEWSECTION]\r\n"
              "SELECT=A3\r\n");
    EXPECT_EQ(dir.names(), std::set<std::string>{"torv.ini"});
}

TEST_F(SettingsStore, LinesKeepTheirOwnLineEnds) {
    dir.write("torv.ini", "[A]\nB=1\n[C]\rD=2\r");
    ini_write(Section{"C"}, Key{"D"}, "3", ini);
    ini_write(Section{"A"}, Key{"E"}, "4", ini);
    EXPECT_EQ(dir.read("torv.ini"), "[A]\nB=1\nE=4\r\n[C]\rD=3\r");
}

TEST_F(SettingsStore, LineEndsInsideAValueCannotSplitTheFile) {
    ini_write(Section{"SAT"}, Key{"COMMENT"}, "a\r\n[EVIL]\r\nX=1", ini);
    EXPECT_EQ(ini_read(Section{"EVIL"}, Key{"X"}, ini), "ERROR");
    EXPECT_EQ(ini_read(Section{"SAT"}, Key{"COMMENT"}, ini), "a  [EVIL]  X=1");
}

TEST_F(SettingsStore, AFailedWriteLeavesTheFileAloneAndIsReportedOncePerFile) {
    std::vector<std::string> reports;
    set_settings_write_report([&](const std::string& file) { reports.push_back(file); });
    // A file made read-only by the operator (root included) and a folder that is not there.
    const std::string original = "[A]\r\nB=1\r\n";
    dir.write("torv.ini", original);
    ::chmod(ini.c_str(), 0444);
    const std::string nowhere = dir.file("no-folder/torv.ini");
    for (int change = 0; change < 3; ++change) {
        EXPECT_FALSE(ini_write(Section{"A"}, Key{"B"}, std::to_string(change), ini));
        EXPECT_FALSE(ini_write(Section{"A"}, Key{"B"}, std::to_string(change), nowhere));
    }
    EXPECT_EQ(dir.read("torv.ini"), original);
    EXPECT_EQ(dir.names(), std::set<std::string>{"torv.ini"});
    EXPECT_EQ(reports, (std::vector<std::string>{ini, nowhere}));

    // Writable again: the writes go through, and a later failure is told anew.
    ::chmod(ini.c_str(), 0644);
    EXPECT_TRUE(ini_write(Section{"A"}, Key{"B"}, "2", ini));
    EXPECT_EQ(ini_read(Section{"A"}, Key{"B"}, ini), "2");
    ::chmod(ini.c_str(), 0444);
    EXPECT_FALSE(ini_write(Section{"A"}, Key{"B"}, "3", ini));
    EXPECT_EQ(reports, (std::vector<std::string>{ini, nowhere, ini}));
    set_settings_write_report(nullptr);
}

TEST_F(SettingsStore, Utf8FileWithByteOrderMarkStaysUtf8) {
    dir.write("torv.ini", "\xEF\xBB\xBF[SATELITE]\r\nGROUP-A=ISS\r\n");
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"GROUP-A"}, ini), "ISS");
    ini_write(Section{"SATELITE"}, Key{"TONE"}, "なし", ini);
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"TONE"}, ini), "なし");
    EXPECT_TRUE(dir.read("torv.ini").starts_with("\xEF\xBB\xBF"));
}

TEST_F(SettingsStore, Utf8FileWithoutByteOrderMarkIsReadAndKeptAsUtf8) {
    dir.write("torv.ini", "[FT847]\r\nRIG=ＦＴ８４７\r\n[SATELITE]\r\nGROUP-A=ISS\r\n");
    EXPECT_EQ(ini_read(Section{"FT847"}, Key{"RIG"}, ini), "ＦＴ８４７");
    ASSERT_TRUE(ini_write(Section{"SATELITE"}, Key{"TONE"}, "なし", ini));
    EXPECT_EQ(dir.read("torv.ini"), "[FT847]\r\nRIG=ＦＴ８４７\r\n[SATELITE]\r\nGROUP-A=ISS\r\nTONE=なし\r\n");
    // The same text in CP932 is no UTF-8 and reads as before.
    dir.write("torv.ini", utf8_to_cp932("[FT847]\r\nRIG=ＦＴ８４７\r\n"));
    EXPECT_EQ(ini_read(Section{"FT847"}, Key{"RIG"}, ini), "ＦＴ８４７");
}

TEST(IsUtf8, WellFormedSequencesOnly) {
    struct Case {
        std::string bytes;
        bool utf8;
    };
    const Case cases[] = {
        {"", true},
        {"plain ASCII", true},
        {"ＦＴ８４７ なし é €", true},
        {"\xF0\x9F\x9B\xB0", true},           // four bytes (U+1F6F0)
        {utf8_to_cp932("ＦＴ８４７"), false},
        {utf8_to_cp932("なし"), false},
        {"\x80", false},                        // continuation byte alone
        {"\xC3", false},                        // cut short
        {"\xE3\x81", false},
        {"\xC0\xAF", false},                    // overlong "/"
        {"\xE0\x80\xAF", false},
        {"\xED\xA0\x80", false},                // surrogate
        {"\xF4\x90\x80\x80", false},            // past U+10FFFF
        {"\xFF", false},
    };
    for (const Case& c : cases) EXPECT_EQ(is_utf8(c.bytes), c.utf8) << testing::PrintToString(c.bytes);
}

TEST_F(SettingsStore, GarbageFileReadsWithoutHarm) {
    std::string garbage;
    for (int i = 0; i < 2000; ++i) garbage += static_cast<char>((i * 37) % 256);
    dir.write("torv.ini", garbage);
    EXPECT_EQ(ini_read(Section{"SATELITE"}, Key{"SELECT"}, ini), "ERROR");
    EXPECT_EQ(dir.read("torv.ini"), garbage);
}

TEST_F(SettingsStore, AFileThatCannotBeReadIsNeverOverwritten) {
    const std::string original = "[POSITION]\r\nKEIDO=135.15\r\n[SATELITE]\r\nGROUP-A=ISS\r\n";
    dir.write("torv.ini", original);
    std::filesystem::permissions(dir.str(), std::filesystem::perms::all);  // the user may create files here
    std::filesystem::permissions(ini, std::filesystem::perms::owner_write);
    EXPECT_FALSE(as_ordinary_user([&] { return ini_write(Section{"SATELITE"}, Key{"SELECT"}, "A1", ini); }));
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(dir.read("torv.ini"), original);
    EXPECT_EQ(dir.names(), std::set<std::string>{"torv.ini"});
}

TEST_F(SettingsStore, ALinkedFileIsWrittenThroughTheLinkWithItsPermissions) {
    TempDir elsewhere;
    const std::string target = elsewhere.file("torv.ini");
    elsewhere.write("torv.ini", "[A]\r\nB=1\r\n");
    ::chmod(target.c_str(), 0600);
    std::filesystem::create_symlink(target, ini);
    ASSERT_TRUE(ini_write(Section{"A"}, Key{"B"}, "2", ini));
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_EQ(elsewhere.read("torv.ini"), "[A]\r\nB=2\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(elsewhere.names(), std::set<std::string>{"torv.ini"});
}

TEST_F(SettingsStore, Utf8ValuesAreCutWithoutSplittingACharacter) {
    std::string wide;
    for (int i = 0; i < 100; ++i) wide += "あ";  // 3 bytes each in UTF-8
    dir.write("torv.ini", "\xEF\xBB\xBF[X]\r\nWIDE=" + wide + "\r\n");
    EXPECT_EQ(ini_read(Section{"X"}, Key{"WIDE"}, ini), wide.substr(0, 84 * 3));
}

TEST_F(SettingsStore, ReadOrDefaultTellsMissingFromEmpty) {
    EXPECT_EQ(ini_read_or(Section{"SATELITE"}, Key{"SELECT"}, " 0:", ini), " 0:");  // no file
    EXPECT_FALSE(std::filesystem::exists(ini));                        // a default is never written back
    dir.write("torv.ini", "[SATELITE]\r\nEMPTY=\r\nSELECT= 2:AO-51\r\n");
    EXPECT_EQ(ini_read_or(Section{"SATELITE"}, Key{"SELECT"}, " 0:", ini), "2:AO-51");
    EXPECT_EQ(ini_read_or(Section{"SATELITE"}, Key{"EMPTY"}, "x", ini), "");  // present but empty: not the default
    EXPECT_EQ(ini_read_or(Section{"SATELITE"}, Key{"OTHER"}, "x", ini), "x");
    EXPECT_EQ(ini_read_or(Section{"OTHER"}, Key{"SELECT"}, "x", ini), "x");
}
