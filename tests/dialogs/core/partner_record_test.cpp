#include "dialogs/partner_record.h"

#include <gtest/gtest.h>

#include "common/station_table.h"

using namespace torv;

TEST(PartnerRecord, WritesElevenFieldsThatTheLoaderReadsBack) {
    EXPECT_EQ(partner_record_text({}), ",,,,,,0, 0,,,");
    PartnerRecordFields f{"JA3", "135.05", "34.7", "", "20", "9", true, true, "japan95.bmp", "135", "35"};
    EXPECT_EQ(partner_record_text(f), kDefaultPartnerRecord);
    // Without a map of its own the file is not written, the centre still is.
    f.has_map = false;
    f.world = false;
    EXPECT_EQ(partner_record_text(f), "JA3,135.05,34.7,,20,9,1, 0,,135,35");
    PartnerStationTable t;
    apply_partner_record(t, 0, partner_record_text(f));
    EXPECT_EQ(t.partner_name[0], "JA3");
    EXPECT_EQ(t.partner_map_sel[0], 1);
    EXPECT_EQ(t.partner_has_map[0], "0");
}
