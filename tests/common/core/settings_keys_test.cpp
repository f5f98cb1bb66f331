#include <gtest/gtest.h>

#include "common/settings_keys.h"
#include "support/temp_dir.h"

using namespace torv;

TEST(SettingKeys, RangedKeysTakeTheirDefaultAndAreNamedOnce) {
    TempDir dir;
    const std::string ini = dir.file("torv.ini");
    dir.write("torv.ini", "[SUN]\r\nDISP= 7\r\n[KISEKI]\r\nDISP=x\r\n[JIKAN]\r\nDISP= 1\r\n[COLOR]\r\nEISEI1=-5\r\n");
    const SettingKey sun{"SUN", "DISP", "0", SettingRange{0, 3}};
    const SettingKey kiseki{"KISEKI", "DISP", "1", SettingRange{0, 1}};
    const SettingKey jikan{"JIKAN", "DISP", "0", SettingRange{0, 1}};
    const SettingKey unranged{"COLOR", "EISEI1", "65280"};
    const SettingKey missing{"MOON", "DISP", "0", SettingRange{0, 3}};
    SettingsProblems problems;
    EXPECT_EQ(read_setting(sun, ini, problems), "0");     // out of range
    EXPECT_EQ(read_setting(kiseki, ini, problems), "1");  // not a number
    EXPECT_EQ(read_setting(jikan, ini, problems), "1");   // within range, kept as stored
    EXPECT_EQ(read_setting(unranged, ini, problems), "-5");
    EXPECT_EQ(read_setting(missing, ini, problems), "0");  // a missing key is no problem
    EXPECT_EQ(problems.values, (std::vector<std::string>{"[SUN] DISP", "[KISEKI] DISP"}));
    EXPECT_TRUE(setting_in_range(sun, "3"));
    EXPECT_FALSE(setting_in_range(sun, "3.5"));
}

TEST(SettingKeys, WritingStoresUnderTheDescribedKey) {
    TempDir dir;
    const std::string ini = dir.file("torv.ini");
    const SettingKey k{"SYOKI_GAMEN", "GAMEN_NO", "0"};
    ASSERT_TRUE(write_setting(k, "6", ini));
    SettingsProblems problems;
    EXPECT_EQ(read_setting(k, ini, problems), "6");
    EXPECT_EQ(dir.read("torv.ini"), "[SYOKI_GAMEN]\r\nGAMEN_NO=6\r\n");
}
