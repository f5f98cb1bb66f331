#pragma once
#include <array>
#include <string_view>

#include "platform/color.h"

// The TS-2000 window's two panel layouts as numbers: the layout choice as stored, the
// window's sizes with and without the CW panel, the outline of the rig-style dial, the
// panel colours; and the two rows of ten lamps that flank that dial, with their places,
// shapes and the five light patterns that run on them.
namespace torv {

namespace panel {

// [TS2000] F15_GAMEN as the window reads it: the number rounded to a whole number
// (halves to even); text that is not a number is 0. 0 is the standard layout, any
// other value the rig style.
int layout_number(std::string_view stored);

// The window's outer size in twips (title bar, borders and menu bar included).
struct Size {
    int width, height;
};
Size window_size(int f15_gamen, bool cw_on);

// The rig-style dial's outline in pixels of the dial panel: 160 x 185 with each corner
// cut off by 20 pixels, in drawing order.
struct Point {
    int x, y;
};
std::array<Point, 8> dial_outline();

// A [COLOR] text as a colour: its number rounded to a 32-bit integer; not a number is 0.
platform::ColorValue color_of(std::string_view text);

}  // namespace panel

namespace led {

constexpr int kLamps = 10;
inline constexpr platform::ColorValue kDark = platform::kWhite;

// Lamp i of row 1 (rising towards the dial's left side, lit red) or row 2 (falling away
// from its right side, lit green): its top-left corner in twips; 105 twips high.
struct Place {
    int left, top;
};
Place lamp_place(int row, int i);
constexpr int kLampHeight = 105;
platform::ColorValue lit_color(int row);

// The lamp shape chosen by its full-width digit "０".."５" (rectangle, square, oval,
// circle, rounded rectangle, rounded square); any other text is 0.
int shape_number(std::string_view text);
// Oval lamps widen along the row (350, 400, .. 800 twips); every other shape is 350.
int lamp_width(int shape, int i);
// The pattern chosen by its full-width digit "１".."５"; any other text is 0, no pattern.
int pattern_number(std::string_view text);

// One row: which lamps are lit, and the pattern's position and phase, which all five
// patterns share.
struct Row {
    std::array<bool, kLamps> lit{};
    int position = 0;
    int direction = 0;
};
// One step of a pattern (1 fill and empty, 2 wipe, 3 running lamp, 4 running pair,
// 5 running triple); pattern 0 changes nothing.
void step(int pattern, Row& row);

}  // namespace led

}  // namespace torv
