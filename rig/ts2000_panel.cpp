#include "rig/ts2000_panel.h"

#include <cstdint>

#include "common/number_text.h"

namespace torv {

namespace panel {

int layout_number(std::string_view stored) { return round_half_even_as<int16_t>(val(stored)); }

Size window_size(int f15_gamen, bool cw_on) {
    // The CW panel adds the same height below either layout.
    constexpr int kCwPanel = 2140;
    const Size off = f15_gamen == 0 ? Size{6735, 6375} : Size{8920, 7260};
    return {off.width, off.height + (cw_on ? kCwPanel : 0)};
}

std::array<Point, 8> dial_outline() {
    return {{{0, 20}, {0, 165}, {20, 185}, {140, 185}, {160, 165}, {160, 20}, {140, 0}, {20, 0}}};
}

platform::ColorValue color_of(std::string_view text) { return round_half_even_as<int32_t>(val(text)); }

}  // namespace panel

namespace led {

namespace {

constexpr std::string_view kDigits[] = {"０", "１", "２", "３", "４", "５"};

// The index of a full-width digit 0..5, or -1.
int digit_of(std::string_view text) {
    for (int d = 0; d < 6; ++d)
        if (text == kDigits[d]) return d;
    return -1;
}

// Patterns 3 to 5: a group of `size` adjacent lit lamps running round the row; at the
// start of the row the group's last places at the end go dark.
void run_group(Row& row, int size) {
    int& p = row.position;
    if (p >= size) {
        row.lit[p - size] = false;
    } else {
        for (int k = kLamps - size; k < kLamps; ++k) row.lit[k] = false;
    }
    row.lit[p] = true;
    p = p + 1 > kLamps - 1 ? 0 : p + 1;
}

void fill_and_empty(Row& row) {
    int &p = row.position, &d = row.direction;
    if (d == 0) {
        row.lit[p] = true;
        if (++p > kLamps - 1) d = 1;
        return;
    }
    row.lit[--p] = false;
    if (p < 1) d = 0;
}

void wipe(Row& row) {
    int &p = row.position, &d = row.direction;
    row.lit[p] = d == 0;
    if (++p > kLamps - 1) {
        p = 0;
        d = d == 0 ? 1 : 0;
    }
}

}  // namespace

Place lamp_place(int row, int i) {
    return row == 1 ? Place{2115 + 90 * i, 2745 - 135 * i} : Place{5985 + 90 * i, 1530 + 135 * i};
}

platform::ColorValue lit_color(int row) { return row == 1 ? platform::kRed : platform::kGreen; }

int shape_number(std::string_view text) { return digit_of(text) < 0 ? 0 : digit_of(text); }

int lamp_width(int shape, int i) { return shape == 2 ? 350 + 50 * i : 350; }

int pattern_number(std::string_view text) { return digit_of(text) < 1 ? 0 : digit_of(text); }

void step(int pattern, Row& row) {
    switch (pattern) {
        case 1: fill_and_empty(row); break;
        case 2: wipe(row); break;
        case 3: run_group(row, 1); break;
        case 4: run_group(row, 2); break;
        case 5: run_group(row, 3); break;
        default: break;
    }
}

}  // namespace led

}  // namespace torv
