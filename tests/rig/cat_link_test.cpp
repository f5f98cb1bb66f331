#include <gtest/gtest.h>

#include "rig/cat_link.h"

using namespace torv;

TEST(CatLink, PortNumberOfThePortText) {
    const std::pair<const char*, int> cases[] = {
        {"COM1", 1}, {"COM3", 3}, {"COM9", 9},
        {"COM10", 10},  // never COM1: frames must not go to another device
        {"COM12", 12}, {"COM", 0}, {"", 0}, {"COMX", 0},
    };
    for (const auto& [text, n] : cases) EXPECT_EQ(cat_port_number(text), n) << text;
}
