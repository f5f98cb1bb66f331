#include "orbit/element_dg_tr.h"

#include <gtest/gtest.h>

#include "support/element_test_folder.h"
#include "orbit/element_file_io.h"

using namespace torv;
using Lines = std::vector<std::string>;

namespace {

const Lines kAo51 = {"AO-51", "1 28375 a", "2 28375 a"};
const Lines kIss = {"ISS", "1 25544 i", "2 25544 i"};

Lines cat(std::initializer_list<Lines> parts) {
    Lines out;
    for (const Lines& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Lines copies(const std::string& name, const Lines& set) {
    return {name, set[1], set[2], name + "DG", set[1], set[2], name + "TR", set[1], set[2]};
}

TEST(DigitalSatFind, ExactEntriesOnly) {
    const Lines list = {"AO-51", " FO-29"};
    EXPECT_EQ(digital_sat_find("AO-51", list), 0);
    EXPECT_EQ(digital_sat_find("FO-29", list), -1);  // the entry has a leading blank
    EXPECT_EQ(digital_sat_find("ao-51", list), -1);
    EXPECT_EQ(digital_sat_find("AO-51", {}), -1);
}

TEST(MarkDigitalLines, CopiesFollowTheListedSatellite) {
    struct Case {
        const char* what;
        Lines list, in, out;
    };
    const Lines ao51_blanks = {"  AO-51 ", kAo51[1], kAo51[2]};
    const Lines hamsat = {"HAMSAT-DG", "1 61234 h", "2 61234 h"};
    const Lines cases_ao51_truncated = {"AO-51", "1 28375 a"};
    const Case cases[] = {
        {"listed satellite gets its pair", {"AO-51"}, cat({kAo51, kIss}), cat({copies("AO-51", kAo51), kIss})},
        {"name written trimmed", {"AO-51"}, cat({ao51_blanks, kIss}), cat({copies("AO-51", kAo51), kIss})},
        {"entry with a leading blank matches nothing", {" AO-51"}, cat({kAo51, kIss}), cat({kAo51, kIss})},
        {"empty list changes nothing", {}, cat({kAo51, kIss}), cat({kAo51, kIss})},
        {"real satellite ending in DG is kept", {"AO-51"}, cat({hamsat, kAo51}), cat({hamsat, copies("AO-51", kAo51)})},
        {"file ending inside a listed record", {"AO-51"}, cat({kIss, cases_ao51_truncated}), kIss},
        {"copies of a satellite taken off the list go", {}, cat({copies("AO-51", kAo51), kIss}), cat({kAo51, kIss})},
        {"odd lines are copied through", {"AO-51"}, cat({{"", "remark"}, kAo51}), cat({{"", "remark"}, copies("AO-51", kAo51)})},
    };
    for (const Case& c : cases) EXPECT_EQ(mark_digital_lines(c.in, c.list), c.out) << c.what;
}

TEST(MarkDigitalLines, RewritingAgainChangesNothing) {
    const Lines list = {"AO-51", "ISS"};
    const Lines once = mark_digital_lines(cat({kAo51, kIss}), list);
    EXPECT_EQ(once, cat({copies("AO-51", kAo51), copies("ISS", kIss)}));
    EXPECT_EQ(mark_digital_lines(once, list), once);
    EXPECT_EQ(mark_digital_lines(mark_digital_lines(once, list), list), once);
}

TEST(ElementFilesMarkDigital, RewritesEveryFileThatExistsAndNothingElse) {
    ElementTestFolder folder;
    folder.write("TORV.ELM", crlf({"AO-51", kAo51[1], kAo51[2], "ISS", kIss[1], kIss[2]}));
    folder.write("torv_solid.elm", crlf({"ISS", kIss[1], kIss[2]}));

    element_files_mark_digital(folder.path(""), {"AO-51"});
    element_files_mark_digital(folder.path(""), {"AO-51"});

    const auto torv = read_file_lines(folder.path("TORV.ELM"));
    ASSERT_TRUE(torv);
    EXPECT_EQ(*torv, cat({copies("AO-51", kAo51), kIss}));
    EXPECT_EQ(folder.read("torv_solid.elm"), crlf({"ISS", kIss[1], kIss[2]}));
    EXPECT_FALSE(folder.exists("TORV_NORAD.ELM"));
    EXPECT_FALSE(folder.exists("TORV_NORAD_NEW.ELM"));
    EXPECT_FALSE(folder.holds_temporary_files());
}

}  // namespace
