#include "dialogs/group_list.h"

#include <gtest/gtest.h>

using namespace torv;

TEST(GroupList, SevenFieldsAlwaysAndNamesSortedWithoutRegardToCase) {
    EXPECT_EQ(group_list_text(group_slots({"AO-40", "ISS"})), "AO-40,ISS,,,,,");
    EXPECT_EQ(group_list_text(group_slots({})), ",,,,,,");
    EXPECT_EQ(group_list_text(group_slots({"1", "2", "3", "4", "5", "6", "7", "8"})), "1,2,3,4,5,6,7");
    EXPECT_EQ(sorted_names({"iss", "AO-7", "ISS", "ao-40", "FO-29"}),
              (std::vector<std::string>{"ao-40", "AO-7", "FO-29", "iss", "ISS"}));
}
