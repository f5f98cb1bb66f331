#pragma once
#include <array>
#include <cstdint>
#include <string>

// The five satellite groups A to E of seven display slots each, the group shown and the
// selected satellite.
namespace torv {

constexpr int kGroups = 5;
constexpr int kSlots = 7;

struct SatGroupTable {
    std::array<std::array<std::string, kSlots>, kGroups> group_sat_names{};  // [group][slot]; "" = empty slot
    int16_t group_current = 0;  // 0..4 = A..E
    int16_t group_slot = 0;     // 1..7 = the slot label last clicked; 0 after a group change
    std::string selected_sat;
    std::string satelite_select;  // SatSelection as read at start-up
    std::array<std::array<double, kSlots>, kGroups> group_prev_el{};  // the visible-satellite scan's last elevations

    // The names of the shown group's slots 0..6; an empty group when group_current is
    // outside 0..4.
    std::array<std::string, kSlots> shown() const;
};

// Fills the table from [SATELITE] GROUP-A..GROUP-E and SELECT of ini_file. A list of
// more than eight names shows kCsvOverflowMessage for its group; a SELECT whose group
// digit is outside 0..4 shows group A (the name is kept).
void load_sat_groups(SatGroupTable& groups, const std::string& ini_file);

// "GROUP-A" .. "GROUP-E"; empty outside 0..4.
std::string group_caption(int group);

// The group buttons: previous (wraps from A to E) and next (E to A); group_slot = 0,
// selected_sat = slot 0 of the new group.
void step_group(SatGroupTable& groups, int step);

}  // namespace torv
