#include "common/sat_records.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/temp_ini.h"

#include "common/settings_store.h"

using namespace torv;


TEST(SatRecords, DefaultSatInfo) {
    const SatInfoRecord r = parse_sat_info(kDefaultSatInfo);
    EXPECT_EQ(r.beacon, "0");
    EXPECT_EQ(r.uplink, "146");
    EXPECT_EQ(r.uplink_mode, kModeLsb);
    EXPECT_EQ(r.downlink, "436");
    EXPECT_EQ(r.downlink_mode, kModeUsb);
    EXPECT_EQ(r.comment, "");
    EXPECT_EQ(rig_conversion(r.conversion), Conversion::Fixed);
    EXPECT_EQ(r.on_window.first + r.on_window.second, "");
    EXPECT_EQ(r.corrections.first, "");
    EXPECT_EQ(r.converter_offset, "0");
    EXPECT_EQ(format_sat_info(r), kDefaultSatInfo);
    // The nine-field form has no converter offset.
    EXPECT_EQ(parse_sat_info("0:146:2:436:1::0:,:,:").converter_offset, "");
}

TEST(SatRecords, CommentKeepsTenFields) {
    SatInfoRecord r = parse_sat_info(kDefaultSatInfo);
    r.comment = "mode B: 435,145";
    const std::string stored = format_sat_info(r);
    EXPECT_EQ(stored, "0:146:2:436:1:mode B  435 145:0:,:,:0:");
    EXPECT_EQ(parse_sat_info(stored).converter_offset, "0");
}

TEST(SatRecords, ConversionReadings) {
    struct Case {
        const char* field;
        Conversion editor, rig;
    };
    const Case cases[] = {
        {"0", Conversion::Fixed, Conversion::Fixed},
        {"1", Conversion::Inverting, Conversion::Inverting},
        {"2", Conversion::NonInverting, Conversion::NonInverting},
        {"", Conversion::Inverting, Conversion::Fixed},
        {"x", Conversion::NonInverting, Conversion::Fixed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(editor_conversion(c.field), c.editor) << c.field;
        EXPECT_EQ(rig_conversion(c.field), c.rig) << c.field;
    }
}

TEST(SatRecords, CorrectionFieldsRewrite) {
    const std::string stored = "29.4:145.9:2:435.8:1:a comment:1:10,200:5,5:0:";
    EXPECT_EQ(rewrite_sat_info_corrections(stored, 12, -3, 0), "29.4:145.9:2:435.8:1:a comment:1:10,200: 12,-3: 0:");
    // A record that ends with its seventh field gains the empty transponder window.
    EXPECT_EQ(rewrite_sat_info_corrections("0:146:2:436:1::0:", 20, -40, 0), "0:146:2:436:1::0:,: 20,-40:0:");
    // One cut shorter keeps what it has and gains the missing fields the same way.
    EXPECT_EQ(rewrite_sat_info_corrections("0:146:2", 0, 0, 100), "0:146:2:::::,: 0, 0:0:");

    TempIni ini;
    ASSERT_EQ(write_sat_corrections("AO-7", -1000, 1000, 2, ini.path),
              CorrectionsSaved::Written);  // missing key: the default record
    EXPECT_EQ(read_sat_info("AO-7", ini.path).value(), "0:146:2:436:1::0:,:-1000, 1000: 2:");
    const SatInfoRecord r = parse_sat_info(read_sat_info_or_default("AO-7", ini.path));
    EXPECT_EQ(r.corrections.first, "-1000");
    EXPECT_EQ(r.corrections.second, " 1000");
}

TEST(SatRecords, AnOpenLastFieldStaysWhereItIs) {
    struct Case {
        const char* stored;
        const char* written;
    };
    const Case cases[] = {
        // An eighth field without its closing ":" is still the transponder window.
        {"0:146:2:436:1::0:,", "0:146:2:436:1::0:,: 12,-3: 7:"},
        {"29.4:145.9:2:435.8:1:a:1:10,200", "29.4:145.9:2:435.8:1:a:1:10,200: 12,-3: 7:"},
        // An open ninth or tenth field is replaced as a closed one is.
        {"0:146:2:436:1::0:,: 5,5", "0:146:2:436:1::0:,: 12,-3: 7:"},
        {"0:146:2:436:1::0:,: 5,5:12", "0:146:2:436:1::0:,: 12,-3: 7:"},
        // An open seventh field stays the conversion.
        {"0:146:2:436:1::2", "0:146:2:436:1::2:,: 12,-3:0:"},
    };
    for (const Case& c : cases) {
        const std::string written = rewrite_sat_info_corrections(c.stored, 12, -3, 7);
        EXPECT_EQ(written, c.written) << c.stored;
        EXPECT_EQ(parse_sat_info(written).converter_offset, parse_sat_info(c.written).converter_offset);
    }
}

TEST(SatRecords, CorrectionsThatWouldBeReadBackCutAreNotWritten) {
    // Fields 1 to 8 of 245 bytes: " 5, 5: 0:" still fits the 254 bytes a read returns,
    // "-1000,-1000: 0:" would come back as "-1000,-100" without its offset.
    const std::string head = "0:146:2:436:1:" + std::string(245 - 19, 'x') + ":0:,:";
    ASSERT_EQ(head.size(), 245u);
    const std::string stored = head + " 0, 0: 0:";
    TempIni ini("[SAT-INFO]\r\nLONG-1=" + stored + "\r\n");
    EXPECT_EQ(write_sat_corrections("LONG-1", -1000, -1000, 0, ini.path), CorrectionsSaved::TooLong);
    EXPECT_EQ(read_sat_info("LONG-1", ini.path).value(), stored);
    EXPECT_EQ(write_sat_corrections("LONG-1", 5, 5, 0, ini.path), CorrectionsSaved::Written);
    EXPECT_EQ(read_sat_info("LONG-1", ini.path).value(), head + " 5, 5: 0:");

    // A record stored longer than a read returns is never cut down by a rewrite.
    const std::string too_long = "0:146:2:436:1:" + std::string(250, 'y') + ":0:,:,:0:";
    TempIni long_ini("[SAT-INFO]\r\nLONG-2=" + too_long + "\r\n");
    EXPECT_EQ(write_sat_corrections("LONG-2", 0, 0, 0, long_ini.path), CorrectionsSaved::TooLong);
    std::ifstream in(long_ini.path, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(file.find(too_long), std::string::npos);
}

TEST(SatRecords, TheReadLimitCountsTheFilesOwnBytes) {
    // 80 kana: 160 bytes in CP932, 240 in UTF-8.
    std::string kana;
    for (int k = 0; k < 80; ++k) kana += "あ";
    const std::string record = "0:146:2:436:1:" + kana + ":0:,:,:0:";
    TempIni ini;
    EXPECT_TRUE(ini_value_fits(record, ini.path));
    ASSERT_TRUE(ini_write(Section{"SAT-INFO"}, Key{"KANA-1"}, record, ini.path));
    EXPECT_EQ(write_sat_corrections("KANA-1", -1000, -1000, -10, ini.path), CorrectionsSaved::Written);
    EXPECT_EQ(parse_sat_info(read_sat_info("KANA-1", ini.path).value()).converter_offset, "-10");

    std::ofstream(ini.path, std::ios::binary) << "\xEF\xBB\xBF[SAT-INFO]\r\n";
    EXPECT_FALSE(ini_value_fits(record, ini.path));
}

TEST(SatRecords, FreqRangeDefaultsAndCurrentValues) {
    TempIni ini("[SAT_R_FREQ]\r\nFO-29=145.900,146.000:435.900,435.800:10:3::\r\n");
    CurrentSatValues v;
    apply_freq_range(v, read_sat_freq_range("UNKNOWN", ini.path));
    EXPECT_EQ(v.sat_r_freq, kDefaultSatFreqRange);
    EXPECT_EQ(v.sat_uplink_low, 0);
    EXPECT_EQ(v.sat_downlink_high, 0);
    EXPECT_EQ(v.sat_tx_power, "50");
    EXPECT_EQ(v.sat_beacon_mode, "1");
    EXPECT_EQ(v.sat_tone, "なし");

    apply_freq_range(v, read_sat_freq_range("FO-29", ini.path));
    EXPECT_DOUBLE_EQ(v.sat_uplink_low, 145.9);
    EXPECT_DOUBLE_EQ(v.sat_uplink_high, 146.0);
    EXPECT_DOUBLE_EQ(v.sat_downlink_low, 435.9);  // the image of the lower uplink edge comes first
    EXPECT_DOUBLE_EQ(v.sat_downlink_high, 435.8);
    EXPECT_EQ(v.sat_tx_power, "10");
    EXPECT_EQ(v.sat_beacon_mode, "3");
    EXPECT_EQ(v.sat_tone, "なし");

    SatFreqRange fm = parse_sat_freq_range(kDefaultSatFreqRange);
    fm.uplink = {"145.850", ""};
    fm.downlink = {"435.150", ""};
    fm.tone = "67.0";
    ASSERT_TRUE(write_sat_freq_range("SO-50", fm, ini.path));
    EXPECT_EQ(read_sat_freq_range("SO-50", ini.path), "145.850,:435.150,:50:1:67.0:");
}

TEST(SatRecords, ProgramsUrlFactorAndTone) {
    EXPECT_EQ(parse_sat_program("C:\\log.exe,-a,-b").param, "-a,-b");
    EXPECT_EQ(parse_sat_program("C:\\log.exe,-a,-b").path, "C:\\log.exe");
    EXPECT_EQ(parse_sat_program(",").path, "");
    EXPECT_EQ(parse_sat_program("tool").path, "tool");  // no comma: all path
    EXPECT_EQ(format_sat_program({" tool ", " -x "}), "tool,-x");

    TempIni ini;
    EXPECT_EQ(read_sat_program(1, "AO-51", ini.path).path, "");
    EXPECT_EQ(read_sat_url("AO-51", ini.path), "");
    EXPECT_EQ(read_sat_hosei("AO-51", ini.path), "0");
    EXPECT_EQ(read_ao51_tone(ini.path), "1");
    ASSERT_TRUE(write_sat_program(2, "AO-51", {"rot.exe", "x"}, ini.path));
    ASSERT_TRUE(write_sat_url("AO-51", "http://example.org/ao51", ini.path));
    ASSERT_TRUE(write_sat_hosei("AO-51", " 1.5 ", ini.path));
    ASSERT_TRUE(write_ao51_tone("0", ini.path));
    EXPECT_EQ(read_sat_program(2, "AO-51", ini.path).param, "x");
    EXPECT_EQ(read_sat_program(1, "AO-51", ini.path).path, "");
    EXPECT_EQ(read_sat_url("AO-51", ini.path), "http://example.org/ao51");
    EXPECT_EQ(ini_read(Section{"SAT-HOSEI"}, Key{"AO-51"}, ini.path), "1.5");
    EXPECT_EQ(read_ao51_tone(ini.path), "0");
}
