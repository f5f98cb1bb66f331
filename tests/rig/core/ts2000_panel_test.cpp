#include "rig/ts2000_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace torv;

namespace {

// The lit lamps of a row as a picture: "#" lit, "." dark, lamp 0 first.
std::string picture(const led::Row& row) {
    std::string s;
    for (bool lit : row.lit) s += lit ? '#' : '.';
    return s;
}

std::vector<std::string> run(int pattern, int steps, led::Row& row) {
    std::vector<std::string> seen;
    for (int i = 0; i < steps; ++i) {
        led::step(pattern, row);
        seen.push_back(picture(row));
    }
    return seen;
}

}  // namespace

TEST(Ts2000Panel, StoredLayoutChoiceRoundsToAWholeNumber) {
    const struct {
        const char* stored;
        int layout;
    } cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"0.4", 0}, {"0.5", 0}, {"1.5", 2},
                 {"-1", -1}, {"", 0}, {"ERROR", 0}, {"rig", 0}};
    for (const auto& c : cases) EXPECT_EQ(panel::layout_number(c.stored), c.layout) << c.stored;
}

TEST(Ts2000Panel, WindowSizesOfBothLayoutsWithCwOffAndOn) {
    const struct {
        int layout;
        bool cw;
        int width, height;
    } cases[] = {{0, false, 6735, 6375}, {0, true, 6735, 8515}, {1, false, 8920, 7260},
                 {1, true, 8920, 9400},  {2, false, 8920, 7260}, {-1, true, 8920, 9400}};
    for (const auto& c : cases) {
        const panel::Size s = panel::window_size(c.layout, c.cw);
        EXPECT_EQ(s.width, c.width) << c.layout << c.cw;
        EXPECT_EQ(s.height, c.height) << c.layout << c.cw;
    }
}

TEST(Ts2000Panel, DialOutlineCutsEachCornerByTwentyPixels) {
    const std::array<panel::Point, 8> p = panel::dial_outline();
    const int expected[8][2] = {{0, 20}, {0, 165}, {20, 185}, {140, 185}, {160, 165}, {160, 20}, {140, 0}, {20, 0}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(p[i].x, expected[i][0]) << i;
        EXPECT_EQ(p[i].y, expected[i][1]) << i;
    }
}

TEST(Ts2000Panel, ColourTextsRoundToWholeColours) {
    EXPECT_EQ(panel::color_of("16777152"), 16777152);
    EXPECT_EQ(panel::color_of(" 255.5"), 256);
    EXPECT_EQ(panel::color_of("-2147483633"), -2147483633L);
    EXPECT_EQ(panel::color_of("blue"), 0);  // not a number: black
}

TEST(Ts2000Lamps, PlacesClimbTowardsTheDialAndFallAwayFromIt) {
    EXPECT_EQ(led::lamp_place(1, 0).left, 2115);
    EXPECT_EQ(led::lamp_place(1, 0).top, 2745);
    EXPECT_EQ(led::lamp_place(1, 9).left, 2925);
    EXPECT_EQ(led::lamp_place(1, 9).top, 1530);
    EXPECT_EQ(led::lamp_place(2, 0).left, 5985);
    EXPECT_EQ(led::lamp_place(2, 0).top, 1530);
    EXPECT_EQ(led::lamp_place(2, 9).left, 6795);
    EXPECT_EQ(led::lamp_place(2, 9).top, 2745);
    EXPECT_EQ(led::lit_color(1), 255);
    EXPECT_EQ(led::lit_color(2), 65280);
}

TEST(Ts2000Lamps, ShapeAndPatternChoices) {
    const char* digits[] = {"０", "１", "２", "３", "４", "５"};
    for (int d = 0; d < 6; ++d) {
        EXPECT_EQ(led::shape_number(digits[d]), d);
        EXPECT_EQ(led::pattern_number(digits[d]), d);  // "０" is no pattern
    }
    for (const char* other : {"2", "６", "", "２２"}) {
        EXPECT_EQ(led::shape_number(other), 0) << other;
        EXPECT_EQ(led::pattern_number(other), 0) << other;
    }
    // Oval lamps widen along the row; every other shape is 350 wide.
    EXPECT_EQ(led::lamp_width(2, 0), 350);
    EXPECT_EQ(led::lamp_width(2, 9), 800);
    for (int shape : {0, 1, 3, 4, 5}) EXPECT_EQ(led::lamp_width(shape, 9), 350) << shape;
}

TEST(Ts2000Lamps, PatternOneFillsTheBarAndEmptiesItBack) {
    led::Row row;
    const std::vector<std::string> seen = run(1, 20, row);
    EXPECT_EQ(seen[0], "#.........");
    EXPECT_EQ(seen[9], "##########");
    EXPECT_EQ(row.position, 0);
    EXPECT_EQ(seen[10], "#########.");  // darkening from lamp 9 back
    EXPECT_EQ(seen[19], "..........");
    EXPECT_EQ(row.direction, 0);
    // Between the two phases the position stands at 10.
    led::Row full;
    run(1, 10, full);
    EXPECT_EQ(full.position, 10);
    EXPECT_EQ(full.direction, 1);
}

TEST(Ts2000Lamps, PatternTwoWipesOnAndOffInTheSameOrder) {
    led::Row row;
    std::vector<std::string> seen = run(2, 10, row);
    EXPECT_EQ(seen[4], "#####.....");
    EXPECT_EQ(seen[9], "##########");
    EXPECT_EQ(row.position, 0);
    EXPECT_EQ(row.direction, 1);
    seen = run(2, 10, row);
    EXPECT_EQ(seen[0], ".#########");
    EXPECT_EQ(seen[9], "..........");
    EXPECT_EQ(row.direction, 0);
}

TEST(Ts2000Lamps, RunningGroupsCirculate) {
    // Each from the end of its previous cycle: the group's last places still lit.
    const struct {
        int pattern;
        std::vector<int> lit_before;
        std::vector<std::string> steps;
    } cases[] = {
        {3, {9}, {"#.........", ".#........", "..#......."}},
        {4, {8, 9}, {"#.........", "##........", ".##......."}},
        {5, {7, 8, 9}, {"#.........", "##........", "###.......", ".###......"}},
    };
    for (const auto& c : cases) {
        led::Row row;
        for (int i : c.lit_before) row.lit[i] = true;
        EXPECT_EQ(run(c.pattern, static_cast<int>(c.steps.size()), row), c.steps) << c.pattern;
    }
    // Pattern 3 at p = 0 darkens the lamp of the previous cycle and lights lamp 0.
    led::Row three;
    three.lit[9] = true;
    EXPECT_EQ(run(3, 1, three)[0], "#.........");
    EXPECT_EQ(run(3, 9, three)[8], ".........#");
    EXPECT_EQ(three.position, 0);
    EXPECT_EQ(run(3, 1, three)[0], "#.........");
    // Patterns 4 and 5: two and three adjacent lamps, round the end of the row.
    led::Row four;
    const std::vector<std::string> pair = run(4, 11, four);
    EXPECT_EQ(pair[1], "##........");
    EXPECT_EQ(pair[5], "....##....");
    EXPECT_EQ(pair[9], "........##");
    EXPECT_EQ(pair[10], "#.........");
    led::Row five;
    const std::vector<std::string> triple = run(5, 12, five);
    EXPECT_EQ(triple[2], "###.......");
    EXPECT_EQ(triple[9], ".......###");
    EXPECT_EQ(triple[10], "#.........");
    EXPECT_EQ(triple[11], "##........");
}

TEST(Ts2000Lamps, NoPatternChangesNothing) {
    led::Row row;
    row.lit[3] = true;
    row.position = 4;
    run(0, 5, row);
    EXPECT_EQ(picture(row), "...#......");
    EXPECT_EQ(row.position, 4);
}
