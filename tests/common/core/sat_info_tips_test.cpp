#include <gtest/gtest.h>

#include "common/sat_info_tips.h"
#include "common/settings_store.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

using namespace torv;

TEST(SatInfoTips, DescriptionsOfRecords) {
    const std::pair<const char*, const char*> cases[] = {
        {"0:146:2:436:1::0:,:,:0:", "ビーコン周波数：0、アップリンク周波数：146、ダウンリンク周波数：436"},
        {":145.9:1:435.8:2:FM only:0:,:,:0:", "、アップリンク周波数：145.9、ダウンリンク周波数：435.8、コメント：FM only"},
        {"145.8:::::コメント:0:", "ビーコン周波数：145.8、コメント：コメント"},
        {"no colon at all", ""},
        {"", ""},
        {"145.8", ""},  // a field counts only when a ":" ends it
    };
    for (const auto& [record, text] : cases) {
        SatInfoTips tips;
        tips.sat_info_values[3] = record;
        make_sat_info_text(tips, 3);
        EXPECT_EQ(tips.sat_info_texts[3], text) << record;
    }
    SatInfoTips tips;
    tips.sat_info_values[0] = "0:146:2:436:1::0:08:00,09:00:3,4:0:";
    make_sat_info_text(tips, 0);
    EXPECT_EQ(tips.sat_info_values[0], "0:08:00,09:00:3,4:0:");  // consumed up to field 6
}

TEST(SatInfoTips, LoadForTheSevenShownSatellites) {
    TempDir dir;
    platform::set_program_folder(dir.str());
    ini_write(Section{"SAT-INFO"}, Key{"ISS"}, "0:146:2:436:1::0:,:,:0:", torv_ini());
    ini_write(Section{"SAT-INFO"}, Key{"SO-50"}, "145.95:::::last slot:0:", torv_ini());
    SatInfoTips tips;
    tips.sat_info_texts[1] = "stale";
    load_sat_info(tips, {"ISS", "NO-RECORD", "", "", "", "", "SO-50"});
    EXPECT_EQ(tips.sat_info_texts[0], "ビーコン周波数：0、アップリンク周波数：146、ダウンリンク周波数：436");
    EXPECT_EQ(tips.sat_info_values[1], "ERROR");
    EXPECT_EQ(tips.sat_info_texts[1], "");
    EXPECT_EQ(tips.sat_info_texts[6], "ビーコン周波数：145.95、コメント：last slot");
    EXPECT_EQ(sat_info_tool_tip(tips, "NO-RECORD", 1), "NO-RECORD:");
    EXPECT_EQ(sat_info_tool_tip(tips, "SO-50", 6), "SO-50:ビーコン周波数：145.95、コメント：last slot");
    platform::set_program_folder("");
}
