#include <gtest/gtest.h>

#include "common/csv_fields.h"
#include "support/recorded_boxes.h"

using namespace torv;

TEST(CsvFields, SplitsGroupLists) {
    auto f = split_csv_fields("AO-51, FO-29 ,,ISS");
    EXPECT_EQ(f[0], "AO-51");
    EXPECT_EQ(f[1], "FO-29");
    EXPECT_EQ(f[2], "");
    EXPECT_EQ(f[3], "ISS");
    EXPECT_EQ(f[4], "");

    f = split_csv_fields("A,B,");
    EXPECT_EQ(f[0], "A");
    EXPECT_EQ(f[1], "B");
    EXPECT_EQ(f[2], "");

    CsvTokenizer t;
    EXPECT_EQ(t.next_csv_field("", 1), "");
    EXPECT_EQ(t.next_csv_field("", 2), kCsvEnd);
    EXPECT_EQ(t.next_csv_field("A,B,", 1), "A");
    EXPECT_EQ(t.next_csv_field("A,B,", 2), "B");
    EXPECT_EQ(t.next_csv_field("A,B,", 2), "");
    EXPECT_EQ(t.next_csv_field("A,B,", 2), kCsvEnd);
}

TEST(CsvFields, NineFieldsOverflowTheBuffer) {
    auto& rec = boxes();
    auto f = split_csv_fields("1,2,3,4,5,6,7,8,9");
    ASSERT_EQ(rec.texts.size(), 1u);
    EXPECT_EQ(rec.texts[0], "項目バッファオーバー");
    EXPECT_EQ(f[7], "8");
}
