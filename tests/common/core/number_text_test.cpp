#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "common/number_text.h"

using namespace torv;

TEST(Val, ReadsTheLeadingNumericPart) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},         {"abc", 0},        {" 1", 1},          {"-3", -3},       {" .5", 0.5},
        {"135.15E", 135.15}, {"12ab", 12},  {" 1 2", 12},       {"1.5E3", 1500},  {"2D2", 200},
        {"1E", 1},       {"-.25", -0.25},   {"1.2.3", 1.2},     {"+7", 7},        {"15.72125391", 15.72125391},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(val(c.text), c.value) << c.text;
}

TEST(NumberText, GeneralAndLeadingBlankForms) {
    struct Case {
        double x;
        const char* general;
        const char* blank;
    } cases[] = {
        {1, "1", " 1"},
        {0, "0", " 0"},
        {-3, "-3", "-3"},
        {0.5, "0.5", " .5"},
        {-0.25, "-0.25", "-.25"},
        {135.05, "135.05", " 135.05"},
        {1.0 / 3.0, "0.333333333333333", " .333333333333333"},
        {123456789012345.0, "123456789012345", " 123456789012345"},
        {1e15, "1E+15", " 1E+15"},
        {0.0001, "0.0001", " .0001"},
        {0.00001, "1E-05", " 1E-05"},
        {-1.5e-7, "-1.5E-07", "-1.5E-07"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(num_text(c.x), c.general) << c.x;
        EXPECT_EQ(str_num(c.x), c.blank) << c.x;
    }
}

TEST(FormatNumber, DisplayPatterns) {
    struct Case {
        double x;
        const char* pattern;
        const char* text;
    } cases[] = {
        {4.722741, "###0.00000", "4.72274"},
        {1492.4234, "00000.00 km", "01492.42 km"},
        {500, "0.0", "500.0"},
        {224.85, "0.0", "224.9"},   // the 15-digit text rounds up, not the binary value
        {-0.04, "0.0", "0.0"},      // no negative zero
        {-12.345, "#0.00", "-12.35"},
        {0.5, "#.##", ".5"},
        {2.0, "0.0#", "2.0"},
        {1234567.891, "#,##0.0", "1,234,567.9"},
        {9.9996, "0.000", "10.000"},
        {7, "00", "07"},
    };
    for (const Case& c : cases) EXPECT_EQ(format_number(c.x, c.pattern), c.text) << c.x << " " << c.pattern;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(3.5), 4);
    EXPECT_EQ(round_half_even(-2.5), -2);
    EXPECT_EQ(round_half_even(2.51), 3);
    EXPECT_EQ(round_half_even(1000.4), 1000);
}

TEST(RoundHalfEven, NumbersBeyondTheTargetTakeItsNearestEnd) {
    constexpr int64_t top = std::numeric_limits<int64_t>::max(), bottom = std::numeric_limits<int64_t>::min();
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double x;
        int64_t whole;
        int16_t as_int16;
        int as_int;
        int truncated;
    };
    const Case cases[] = {
        {1e300, top, 32767, 2147483647, 2147483647},
        {-1e300, bottom, -32768, -2147483648, -2147483648},
        {inf, top, 32767, 2147483647, 2147483647},
        {-inf, bottom, -32768, -2147483648, -2147483648},
        {nan, 0, 0, 0, 0},
        {9223372036854775807.0, top, 32767, 2147483647, 2147483647},  // 2^63 once a double
        {-9223372036854775808.0, bottom, -32768, -2147483648, -2147483648},
        {32767.5, 32768, 32767, 32768, 32767},
        {-32768.5, -32768, -32768, -32768, -32768},
        {2.5, 2, 2, 2, 2},
        {-7.9, -8, -8, -8, -7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(round_half_even(c.x), c.whole) << c.x;
        EXPECT_EQ(round_half_even_as<int16_t>(c.x), c.as_int16) << c.x;
        EXPECT_EQ(round_half_even_as<int>(c.x), c.as_int) << c.x;
        EXPECT_EQ(whole_part_as<int>(c.x), c.truncated) << c.x;
    }
}

TEST(Trim, RemovesBlanksOnly) {
    EXPECT_EQ(trim("  ISS  "), "ISS");
    EXPECT_EQ(trim("\tISS "), "\tISS");
    EXPECT_EQ(trim_ws("\tISS \r\n"), "ISS");
    EXPECT_EQ(trim("   "), "");
}

TEST(NumberText, IgnoresTheLocale) {
    // A desktop in a decimal-comma language must not change stored or shown numbers.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no decimal-comma locale installed";
    }
    EXPECT_DOUBLE_EQ(val("135.15"), 135.15);
    EXPECT_EQ(num_text(0.5), "0.5");
    EXPECT_EQ(format_number(4.722741, "###0.00000"), "4.72274");
    double x = 0;
    EXPECT_TRUE(parse_number("-0.25", x));
    EXPECT_DOUBLE_EQ(x, -0.25);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseNumber, WholeTextOnly) {
    double x = 0;
    EXPECT_TRUE(parse_number("+7", x));
    EXPECT_DOUBLE_EQ(x, 7);
    EXPECT_TRUE(parse_number("1.5E3", x));
    EXPECT_DOUBLE_EQ(x, 1500);
    EXPECT_TRUE(parse_number("2.5D-2", x));
    EXPECT_DOUBLE_EQ(x, 0.025);
    for (const char* bad : {"", "+", "1.2.3", "12abc", "abc", "++1", " 1", "inf", "nan", "0x1A"})
        EXPECT_FALSE(parse_number(bad, x)) << bad;
}
