#include "orbit/sat_elements.h"

#include <gtest/gtest.h>

#include "orbit/element_table.h"

using namespace torv;

namespace {

const std::string kNo44L1 = "1 26931U 01043C   05027.50000000 -.00000012  00000-0  10000-4 0  1234";
const std::string kNo44L2 = "2 26931 067.0500 200.1000 0008000 100.0000 260.0000 14.29000000123456";

ElementTable table_with(const std::vector<std::string>& lines) {
    ElementTable t;
    for (size_t k = 0; k < lines.size(); ++k) t.set_element_line(static_cast<int>(k + 1), lines[k]);
    t.set_element_line_count(static_cast<int16_t>(lines.size()));
    return t;
}

}  // namespace

TEST(SatElements, FallbackSetForUnknownOrEmptyName) {
    // The table holds a blank name line: an empty name still gets the fallback set.
    const ElementTable t = table_with({"", kNo44L1, kNo44L2});
    for (std::string name : {"NOT-THERE", "", "   "}) {
        SatElements el;
        int32_t rev = 0;
        EXPECT_EQ(load_sat_elements(t, name, el, rev), ElementLookup::Fallback);
        EXPECT_EQ(el.epoch_year, 2005);
        EXPECT_DOUBLE_EQ(el.epoch_day, 26.80879303);
        EXPECT_DOUBLE_EQ(el.inclination, 98.568);
        EXPECT_DOUBLE_EQ(el.node, 95.3409);
        EXPECT_DOUBLE_EQ(el.eccentricity, 0.0350746);
        EXPECT_DOUBLE_EQ(el.perigee, 182.5037);
        EXPECT_DOUBLE_EQ(el.mean_anomaly, 177.4357);
        EXPECT_DOUBLE_EQ(el.mean_motion, 13.52907999);
        EXPECT_DOUBLE_EQ(el.motion_derivative, 0.00000002);
        EXPECT_EQ(rev, 41707);
        EXPECT_TRUE(el.usable);
    }
}

TEST(SatElements, NameIsTrimmedExactAndCaseSensitive) {
    const ElementTable t = table_with({"NO-44 ", kNo44L1, kNo44L2});
    std::string name = "  NO-44 ";
    SatElements el;
    int32_t rev = 0;
    EXPECT_EQ(load_sat_elements(t, name, el, rev), ElementLookup::Found);
    EXPECT_EQ(name, "NO-44");
    EXPECT_DOUBLE_EQ(el.inclination, 67.05);
    EXPECT_DOUBLE_EQ(el.motion_derivative, -0.00000012);  // a leading minus sign is kept
    EXPECT_EQ(rev, 12345);  // columns 64 to 68; column 69 is the checksum
    std::string lower = "no-44";
    EXPECT_EQ(load_sat_elements(t, lower, el, rev), ElementLookup::Fallback);
}

TEST(SatElements, OnlyNamePositionsAreSearchedAndFirstWins) {
    // A set shifted off the 1, 4, 7 … grid is never found.
    const ElementTable shifted = table_with({"JUNK", "NO-44", kNo44L1, kNo44L2});
    EXPECT_EQ(find_element_set(shifted, "NO-44"), 0);
    const std::string other = "2 26931 010.0000 200.1000 0008000 100.0000 260.0000 14.29000000123456";
    const ElementTable twice = table_with({"NO-44", kNo44L1, kNo44L2, "NO-44", kNo44L1, other});
    EXPECT_EQ(find_element_set(twice, "NO-44"), 1);
    EXPECT_DOUBLE_EQ(lookup_sat_elements(twice, "NO-44").elements.inclination, 67.05);
}

TEST(SatElements, TwoDigitEpochYear) {
    struct Case {
        const char* yy;
        double year;
    };
    for (const Case c : {Case{"98", 1998}, Case{"57", 1957}, Case{"56", 2056}, Case{"00", 2000}, Case{"05", 2005}}) {
        std::string l1 = kNo44L1;
        l1.replace(18, 2, c.yy);
        EXPECT_EQ(parse_sat_elements(l1, kNo44L2).epoch_year, c.year) << c.yy;
    }
}

TEST(SatElements, ShortOrBlankLinesParseToZerosAndAreUnusable) {
    const SatElements el = parse_sat_elements("1 26931U", "2 26931 067.0500");
    EXPECT_DOUBLE_EQ(el.inclination, 67.05);
    EXPECT_EQ(el.mean_motion, 0);
    EXPECT_EQ(el.epoch_day, 0);
    EXPECT_FALSE(el.usable);
    const ElementTable t = table_with({"NO-44", "", ""});
    EXPECT_EQ(lookup_sat_elements(t, "NO-44").how, ElementLookup::Unusable);
}

// The epoch day (columns 21 to 32) is a day of the year; a damaged field would carry
// the computation and the epoch shown in the tool tip to no date at all.
TEST(SatElements, AnEpochDayThatIsNoDayOfTheYearMakesTheSetUnusable) {
    struct Case {
        const char* field;
        bool usable;
    };
    const Case cases[] = {{"027.50000000", true}, {"001.00000000", true}, {"366.99999999", true},
                          {"000.00000000", true}, {"1.00000E+300", false}, {"999.99999999", false},
                          {"367.00000000", false}, {"-05.50000000", false}};
    for (const Case& c : cases) {
        std::string l1 = kNo44L1;
        l1.replace(20, 12, c.field);
        EXPECT_EQ(parse_sat_elements(l1, kNo44L2).usable, c.usable) << c.field;
        const ElementTable t = table_with({"NO-44", l1, kNo44L2});
        EXPECT_EQ(lookup_sat_elements(t, "NO-44").how, c.usable ? ElementLookup::Found : ElementLookup::Unusable)
            << c.field;
    }
}

// The revolution number column holds five characters; a damaged one in exponent form
// reads as the nearest number a 32-bit revolution count can hold.
TEST(SatElements, RevolutionNumberStaysWithin32Bits) {
    struct Case {
        const char* field;
        int32_t rev_no;
    };
    for (const Case c : {Case{"12345", 12345}, Case{"9E+99", INT32_MAX}, Case{"-9E99", INT32_MIN}, Case{"  2.5", 2}}) {
        std::string l2 = kNo44L2;
        l2.replace(63, 5, c.field);
        EXPECT_EQ(parse_sat_elements(kNo44L1, l2).rev_no, c.rev_no) << c.field;
    }
}

// The table keeps every set parsed; whatever changes its lines, a lookup afterwards
// must see the lines as they are now, never the numbers parsed before.
TEST(SatElements, ParsedSetsFollowEveryChangeOfTheTable) {
    const std::string other = "2 26931 010.0000 200.1000 0008000 100.0000 260.0000 14.29000000123456";
    ElementTable t;
    t.add_set("NO-44", kNo44L1, kNo44L2);
    EXPECT_DOUBLE_EQ(lookup_sat_elements(t, "NO-44").elements.inclination, 67.05);

    t.set_element_line(3, other);  // replaced element line
    EXPECT_DOUBLE_EQ(lookup_sat_elements(t, "NO-44").elements.inclination, 10);

    t.add_set("AO-7", kNo44L1, kNo44L2);  // a set added after a lookup
    EXPECT_EQ(find_element_set(t, "AO-7"), 4);
    t.add_set("NO-44", kNo44L1, kNo44L2);  // a later set of the same name: the first still wins
    EXPECT_EQ(find_element_set(t, "NO-44"), 1);
    EXPECT_DOUBLE_EQ(lookup_sat_elements(t, "NO-44").elements.inclination, 10);

    t.set_element_line(1, "RENAMED ");  // a replaced name line: the old name finds the later set
    EXPECT_EQ(find_element_set(t, "RENAMED"), 1);
    EXPECT_EQ(find_element_set(t, "NO-44"), 7);

    t.set_element_line_count(6);  // a shorter table: the set beyond it is gone
    EXPECT_EQ(lookup_sat_elements(t, "NO-44").how, ElementLookup::Fallback);

    t = table_with({"FO-29", kNo44L1, kNo44L2});  // the whole table replaced
    EXPECT_EQ(find_element_set(t, "RENAMED"), 0);
    EXPECT_EQ(find_element_set(t, "FO-29"), 1);
}
