#include <gtest/gtest.h>

#include "common/csv_fields.h"

using namespace torv;

TEST(CsvFields, SplitsGroupLists) {
    auto f = split_csv_fields("AO-51, FO-29 ,,ISS").fields;
    EXPECT_EQ(f[0], "AO-51");
    EXPECT_EQ(f[1], "FO-29");
    EXPECT_EQ(f[2], "");
    EXPECT_EQ(f[3], "ISS");
    EXPECT_EQ(f[4], "");

    f = split_csv_fields("A,B,").fields;
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
    EXPECT_FALSE(split_csv_fields("1,2,3,4,5,6,7,8").overflow);
    const CsvSplit split = split_csv_fields("1,2,3,4,5,6,7,8,9");
    EXPECT_TRUE(split.overflow);
    EXPECT_EQ(split.fields[7], "8");
}
