#pragma once
#include <array>
#include <string>
#include <vector>

// The satellite groups as the group editor stores them ([SATELITE] GROUP-A .. GROUP-E).
namespace torv {

inline constexpr int kGroupSlots = 7;
using GroupSlots = std::array<std::string, kGroupSlots>;

// The seven slot names joined by ",": "AO-40,ISS,,,,,", an empty group six commas.
std::string group_list_text(const GroupSlots& slot_names);

// An edited group: its names in order, then empty slot_names.
GroupSlots group_slots(const std::vector<std::string>& names);

// Names in ascending order, letter case ignored.
std::vector<std::string> sorted_names(std::vector<std::string> names);

}  // namespace torv
