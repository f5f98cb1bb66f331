#include <gtest/gtest.h>

#include "rig/ts2000_commands.h"

using namespace torv;

TEST(Ts2000Commands, SatelliteModeCommandForEveryTemplateAndSwitch) {
    struct Case {
        const char* sa_template;
        const char* conversion_type;
        int trace_reverse;
        const char* expected;
    };
    const Case cases[] = {
        {"SA1011000;", "0", 0, "SA1011000;"},  // FM: no trace digits
        {"SA1011000;", "0", 1, "SA1011000;"},
        {"SA1011000;", "1", 0, "SA1011010;"},  // inverting
        {"SA1011000;", "1", 1, "SA1011110;"},
        {"SA1011000;", "2", 0, "SA1011000;"},  // non-inverting
        {"SA1011000;", "2", 1, "SA1011100;"},
        {"SA1010000;", "1", 0, "SA1010010;"},  // the receive side addressed
        {"SA1010000;", "2", 1, "SA1010100;"},
        {"SA1010000;", "0", 1, "SA1010000;"},
        {"SA1010000;", "", 1, "SA1010000;"},  // an unknown type keeps the template
        {"SA1010000;", "3", 0, "SA1010000;"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ts2000::build_sa_command(c.sa_template, parse_conversion(c.conversion_type), c.trace_reverse),
                  c.expected)
            << c.sa_template << " type " << c.conversion_type << " reverse " << c.trace_reverse;
}

TEST(Ts2000Commands, ModesTonesAndFraming) {
    EXPECT_EQ(ts2000::mode_command(RadioMode::Usb), "MD2;");
    EXPECT_EQ(ts2000::mode_command(RadioMode::Lsb), "MD1;");
    EXPECT_EQ(ts2000::mode_command(RadioMode::Cw), "MD3;");
    EXPECT_EQ(ts2000::mode_command(RadioMode::Fm), "MD4;");
    EXPECT_EQ(ts2000::mode_command(RadioMode::Other), std::nullopt);

    EXPECT_EQ(ts2000::ctcss_code("67.0"), "01");
    EXPECT_EQ(ts2000::ctcss_code("88.5"), "08");
    EXPECT_EQ(ts2000::ctcss_code("69.3"), "02");  // shares 71.9's number
    EXPECT_EQ(ts2000::ctcss_code("71.9"), "02");
    EXPECT_EQ(ts2000::ctcss_code("74.4"), "03");
    EXPECT_EQ(ts2000::ctcss_code("250.3"), "38");
    EXPECT_EQ(ts2000::ctcss_code("88.50"), "08");  // compared as a number
    EXPECT_EQ(ts2000::ctcss_code("67"), "01");
    EXPECT_EQ(ts2000::ctcss_code("88.6"), std::nullopt);
    EXPECT_EQ(ts2000::ctcss_code("なし"), std::nullopt);
    EXPECT_EQ(ts2000::ctcss_code(""), std::nullopt);

    EXPECT_EQ(ts2000::framing("4800"), "n,8,2");
    EXPECT_EQ(ts2000::framing("19200"), "n,8,1");
    EXPECT_EQ(ts2000::framing("9600"), "n,8,1");
}

TEST(Ts2000Commands, BandDigitsAndMeterCells) {
    EXPECT_EQ(ts2000::band_of(145.9), 1);
    EXPECT_EQ(ts2000::band_of(435.8), 4);
    EXPECT_EQ(ts2000::band_of(1269.0), 12);
    EXPECT_EQ(ts2000::band_digits("FA00435812340;", 4), "4");
    EXPECT_EQ(ts2000::band_digits("FB01269000000;", 12), "12");
    EXPECT_EQ(ts2000::band_digits("FA00145900000;", 1), "1");
    EXPECT_EQ(ts2000::band_digits("FA;", 4), "");  // short replies give what is there

    EXPECT_EQ(ts2000::s_meter_level("SM00015;"), 15);
    EXPECT_EQ(ts2000::s_meter_level("SM00000;"), 0);
    EXPECT_EQ(ts2000::s_meter_level("SM10015;"), std::nullopt);  // the sub receiver
    EXPECT_EQ(ts2000::power_cells("PC050;"), 16);
    EXPECT_EQ(ts2000::power_cells("PC005;"), 2);
    EXPECT_EQ(ts2000::power_cells("PC100;"), 32);
    EXPECT_EQ(ts2000::power_cells("PC000;"), 0);
    EXPECT_EQ(ts2000::power_cells("PC150;"), 32);  // at most the whole bar
    // A reply that is not three digits of watts is no power reading: the bar stays as it
    // is (an empty one once read 0 and cleared it).
    for (const char* other : {"PC;", "PC1E8;", "PC-50;", "PC 50;", "PC0500;", "PC05;"})
        EXPECT_EQ(ts2000::power_cells(other), std::nullopt) << other;
}
