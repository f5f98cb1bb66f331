#pragma once
#include <array>
#include <string>
#include <string_view>

// One-line descriptions of the shown satellites (frequencies and comment) for the tool
// tips of the zoom windows' satellite labels.
namespace torv {

struct SatInfoTips {
    // Slot k: the [SAT-INFO] value of the k-th shown satellite as read ("ERROR" when it
    // has none); make_sat_info_text leaves it holding the text after field 6.
    std::array<std::string, 8> sat_info_values;
    // Slot k: its description, empty when it has no record. Slots 0 to 6 are used.
    std::array<std::string, 8> sat_info_texts;
};

// Builds sat_info_texts[k] from sat_info_values[k]: "ビーコン周波数：" beacon,
// "、アップリンク周波数：" uplink, "、ダウンリンク周波数：" downlink, "、コメント："
// comment, each part only when its field is not empty.
void make_sat_info_text(SatInfoTips& tips, int k);

// Reads the records of the seven shown satellites (names in display-slot order) from
// torv.ini and builds their descriptions.
void load_sat_info(SatInfoTips& tips, const std::array<std::string, 7>& shown_names);

// The tool tip of a satellite label: its caption, ":" and the description of its slot.
std::string sat_info_tool_tip(const SatInfoTips& tips, std::string_view caption, int k);

}  // namespace torv
