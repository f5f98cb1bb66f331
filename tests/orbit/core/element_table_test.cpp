#include <gtest/gtest.h>

#include "common/cp932.h"
#include "orbit/element_table.h"
#include "orbit/sat_elements.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

// Element lines with a chosen epoch text (columns 19 to 32) and a marker to tell them apart.
std::string line1(const std::string& epoch, char marker = 'A') {
    return std::string("1 25544U 98067") + marker + "   " + epoch + "  .00002182  00000-0  41420-4 0  9990";
}
std::string line2(char marker = 'A') {
    return std::string("2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.7212539156353") + marker;
}
std::string set(const std::string& name, const std::string& epoch, char marker) {
    return name + "\r\n" + line1(epoch, marker) + "\r\n" + line2(marker) + "\r\n";
}

class ElementTableTest : public ::testing::Test {
protected:
    TempDir dir;
    ElementTable table;
    ElementLoadReport report;

    void load(const std::string& mode = "0", const std::string& selected = "", ElementLoadHooks hooks = {}) {
        load_element_table(table, mode, selected, dir.str(), hooks, report);
    }
    std::string lines_of(int name_index) const {
        return table.element_lines(name_index + 1) + "|" + table.element_lines(name_index + 2);
    }
};

}  // namespace

TEST_F(ElementTableTest, EverySetOfANameCarriesTheNewestLines) {
    dir.write("TORV.ELM", set("ISS", "18020.50000000", 'A') + set("FO-29", "18020.00000000", 'F'));
    dir.write("TORV_NORAD.ELM", set("ISS ", "18021.00000000", 'B') + set("iss", "18022.00000000", 'C'));
    load();
    ASSERT_EQ(table.element_line_count(), 12);
    // "ISS" and "ISS " are one satellite; "iss" is another.
    EXPECT_EQ(lines_of(1), line1("18021.00000000", 'B') + "|" + line2('B'));
    EXPECT_EQ(lines_of(7), line1("18021.00000000", 'B') + "|" + line2('B'));
    EXPECT_EQ(lines_of(10), line1("18022.00000000", 'C') + "|" + line2('C'));
    EXPECT_EQ(lines_of(4), line1("18020.00000000", 'F') + "|" + line2('F'));
    // Names stay as they were read.
    EXPECT_EQ(table.element_lines(7), "ISS ");
    // A lookup gives the newest lines' numbers.
    EXPECT_DOUBLE_EQ(lookup_sat_elements(table, "ISS").elements.epoch_day, 21.0);
}

TEST_F(ElementTableTest, LoadingAgainReplacesWhatLookupsFind) {
    dir.write("TORV.ELM", set("ISS", "18020.50000000", 'A') + set("FO-29", "18020.00000000", 'F'));
    load();
    EXPECT_DOUBLE_EQ(lookup_sat_elements(table, "ISS").elements.epoch_day, 20.5);
    EXPECT_EQ(find_element_set(table, "FO-29"), 4);

    dir.write("TORV.ELM", set("ISS", "18023.25000000", 'B'));
    load();
    EXPECT_DOUBLE_EQ(lookup_sat_elements(table, "ISS").elements.epoch_day, 23.25);
    EXPECT_EQ(lookup_sat_elements(table, "FO-29").how, ElementLookup::Fallback);  // beyond the new count
}

TEST_F(ElementTableTest, EqualEpochsKeepTheirOwnLinesUnlessANewerOneExists) {
    dir.write("TORV.ELM", set("AO-7", "18020.50000000", 'A') + set("AO-7", "18020.50000000", 'B'));
    load();
    EXPECT_EQ(lines_of(1), line1("18020.50000000", 'A') + "|" + line2('A'));
    EXPECT_EQ(lines_of(4), line1("18020.50000000", 'B') + "|" + line2('B'));

    TempDir other;
    other.write("TORV.ELM", set("AO-7", "18020.50000000", 'A') + set("AO-7", "18020.90000000", 'B') +
                                set("AO-7", "18020.90000000", 'C') + set("AO-7", "18019.00000000", 'D'));
    ElementTable t;
    load_element_table(t, "0", "", other.str(), {}, report);
    // The first set in table order with the greatest epoch gives its lines.
    EXPECT_EQ(t.element_lines(2), line1("18020.90000000", 'B'));
    EXPECT_EQ(t.element_lines(8), line1("18020.90000000", 'C'));  // equal to the greatest: its own
    EXPECT_EQ(t.element_lines(11), line1("18020.90000000", 'B'));
}

TEST_F(ElementTableTest, ADamagedFileDoesNotShiftTheFilesAfterIt) {
    // A blank line inside, a partial set at the end, CR LF and LF endings mixed.
    dir.write("TORV.ELM", "\r\n" + set("ISS", "18020.50000000", 'A') + "\nFO-29\n" + line1("18020.00000000", 'F'));
    dir.write("TORV_NORAD.ELM", "garbage line\n" + set("AO-7", "18020.20000000", 'G'));
    dir.write("torv_solid.elm", "SO-50\n" + line1("18020.30000000", 'S') + "\n" + line2('S'));
    load();
    ASSERT_EQ(table.element_line_count(), 9);
    EXPECT_EQ(table.element_lines(1), "ISS");
    EXPECT_EQ(table.element_lines(4), "AO-7");
    EXPECT_EQ(table.element_lines(7), "SO-50");
    EXPECT_TRUE(missing_shown_sats(table, {"ISS", "AO-7", "SO-50", "", "FO-29"}) == std::vector<std::string>{"FO-29"});
    ASSERT_EQ(report.notices.size(), 2u);
    EXPECT_NE(report.notices[0].find("TORV.ELM"), std::string::npos);
    EXPECT_NE(report.notices[1].find("TORV_NORAD.ELM"), std::string::npos);
    EXPECT_FALSE(report.capacity_reached);
}

TEST_F(ElementTableTest, CapacityIsReportedOnce) {
    std::string many;
    for (int i = 0; i < 400; ++i) many += set("SAT" + std::to_string(i), "18020.00000000", 'A');
    dir.write("TORV.ELM", many);
    dir.write("TORV_NORAD.ELM", many);
    dir.write("torv_solid.elm", many);
    load();
    EXPECT_EQ(table.element_line_count(), 1998);  // 666 whole sets
    EXPECT_TRUE(report.capacity_reached);
    EXPECT_EQ(report.notices.size(), 1u);
    EXPECT_EQ(table.element_lines(1996), "SAT265");
}

TEST_F(ElementTableTest, FixedFileModeReadsOnlyItAndStampsFromTheSelectedSatellite) {
    dir.write("TORV.ELM", set("ISS", "18020.50000000", 'A'));
    dir.write("torv_solid.elm", set("FO-29", "18001.00000000", 'F') + set("ISS", "18010.00000000", 'B') +
                                    set("ISS", "18011.00000000", 'C'));
    std::vector<std::string> stamps, texts;
    ElementLoadHooks hooks;
    hooks.stamp_set = [&](const std::string& l1) { stamps.push_back(l1); };
    hooks.progress_text = [&](const std::string& t) { texts.push_back(t); };
    load("2", "ISS", hooks);
    EXPECT_EQ(table.element_line_count(), 9);
    EXPECT_EQ(table.element_lines(1), "FO-29");
    ASSERT_EQ(stamps.size(), 2u);
    EXPECT_EQ(stamps.back(), line1("18011.00000000", 'C'));  // the last set decides
    EXPECT_EQ(texts.back(), "軌道要素の情報設定完了");
}

TEST_F(ElementTableTest, AutomaticModeDownloadsFirst) {
    std::vector<std::string> calls;
    ElementLoadHooks hooks;
    hooks.download_startup = [&] {
        calls.push_back("download");
        dir.write("TORV.ELM", set("ISS", "18020.50000000", 'A'));
    };
    hooks.mark_digital = [&] { calls.push_back("mark"); };
    hooks.progress_timer = [&](bool on) { calls.push_back(on ? "timer on" : "timer off"); };
    load("1", "", hooks);
    EXPECT_EQ(calls, (std::vector<std::string>{"timer on", "download", "mark", "timer off"}));
    EXPECT_EQ(table.element_line_count(), 3);
}

TEST_F(ElementTableTest, DumpHoldsTheTableInCp932) {
    dir.write("TORV.ELM", utf8_to_cp932(set("ふじ", "18020.50000000", 'A') + set("ふじ", "18021.50000000", 'B')));
    load();
    EXPECT_EQ(dir.read("TORV_elm_put.TMP"),
              utf8_to_cp932(set("ふじ", "18021.50000000", 'B') + set("ふじ", "18021.50000000", 'B')));
    EXPECT_EQ(table.element_lines(1), "ふじ");
}

TEST_F(ElementTableTest, NoFilesGiveAnEmptyTable) {
    load();
    EXPECT_EQ(table.element_line_count(), 0);
    EXPECT_TRUE(report.notices.empty());
    EXPECT_EQ(dir.read("TORV_elm_put.TMP"), "");
    EXPECT_EQ(missing_elements_message("ISS"), "衛星の軌道要素がありません。衛星の名称＝ISS");
}
