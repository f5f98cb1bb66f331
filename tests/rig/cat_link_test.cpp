#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/settings_keys.h"
#include "common/settings_store.h"
#include "platform/paths.h"
#include "rig/cat_link.h"
#include "support/temp_dir.h"

using namespace torv;

TEST(CatLink, PortNumberOfThePortText) {
    const std::pair<const char*, int> cases[] = {
        {"COM1", 1}, {"COM3", 3}, {"COM9", 9},
        {"COM10", 10},  // never COM1: frames must not go to another device
        {"COM12", 12}, {"COM", 0}, {"", 0}, {"COMX", 0},
        {"COM99999999999", 2147483647},  // beyond a whole number: the highest, a port that is not there
    };
    for (const auto& [text, n] : cases) EXPECT_EQ(cat_port_number(text), n) << text;
}

TEST(CatLink, AWindowPositionOffEveryScreenTakesTheDefaultAndIsToldOnce) {
    TempDir dir;
    platform::set_program_folder(dir.str());
    std::vector<std::string> told;
    set_unusable_setting_report([&](const std::string& name) { told.push_back(name); });
    struct Case {
        const char* stored;
        int top, left;
    };
    const Case cases[] = {{"1200:3000", 1200, 3000}, {"-600:0", -600, 0}, {"1E300:3000", 630, 9780},
                          {"1200:-9E99", 630, 9780}, {"nan:5", 0, 5}};
    for (const Case& c : cases) {
        ini_write(Section{"WIN_POSITION"}, Key{"F8_TOP_LEFT"}, c.stored, torv_ini());
        const WindowPosition p = read_window_position("F8_TOP_LEFT", "630:9780");
        EXPECT_EQ(p.top, c.top) << c.stored;
        EXPECT_EQ(p.left, c.left) << c.stored;
    }
    EXPECT_EQ(told, std::vector<std::string>{"[WIN_POSITION] F8_TOP_LEFT"});
    set_unusable_setting_report(nullptr);
}
