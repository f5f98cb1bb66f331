#include <gtest/gtest.h>

#include <algorithm>

#include "rig/ic910_channel_names.h"

using namespace torv;
using ic910::ChannelNames;

namespace {
ChannelNames names_of(std::initializer_list<const char*> first) {
    ChannelNames names;
    std::copy(first.begin(), first.end(), names.begin());
    return names;
}
}  // namespace

TEST(Ic910ChannelNames, StoredValuesReadAsTwentyNames) {
    const struct {
        const char* value;
        ChannelNames names;
    } cases[] = {
        {ic910::kChannelNameKey.def, {}},
        {"", {}},
        {"  AO-7 B :FO-29:", names_of({"AO-7 B", "FO-29"})},
        {":VO-52::RS-44:", names_of({"", "VO-52", "", "RS-44"})},
        // No ":" after the last text: that name stays empty.
        {"AO-7:FO-29", names_of({"AO-7"})},
        // Twenty-one fields: the twenty-first is not read.
        {"0:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:",
         names_of({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17",
                   "18", "19"})},
        {"衛星　一:ＳＯ－５０:", names_of({"衛星　一", "ＳＯ－５０"})},
    };
    for (const auto& c : cases) EXPECT_EQ(ic910::parse_channel_names(c.value), c.names) << c.value;
}

TEST(Ic910ChannelNames, NamesGoBackTrimmedWithExactlyTwentySeparators) {
    const ChannelNames names = names_of({" AO-7 ", "", "FO-29", "ＳＯ－５０  "});
    const std::string list = ic910::channel_name_list(names);
    EXPECT_EQ(list, "AO-7::FO-29:ＳＯ－５０:::::::::::::::::");
    EXPECT_EQ(std::count(list.begin(), list.end(), ':'), ic910::kChannels);
    EXPECT_EQ(ic910::parse_channel_names(list), names_of({"AO-7", "", "FO-29", "ＳＯ－５０"}));
    EXPECT_EQ(ic910::channel_name_list({}), ic910::kChannelNameKey.def);
}

TEST(Ic910ChannelNames, ANameWithAColonIsFound) {
    EXPECT_EQ(ic910::channel_with_colon(names_of({"AO-7", "FO-29 12:00", ":"})), 1);
    EXPECT_EQ(ic910::channel_with_colon(names_of({"AO-7", "ＦＯ：２９"})), std::nullopt);  // a full-width colon is text
}
