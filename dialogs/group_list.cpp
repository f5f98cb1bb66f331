#include "dialogs/group_list.h"

#include <algorithm>

namespace torv {

std::string group_list_text(const GroupSlots& slot_names) {
    std::string text = slot_names[0];
    for (int k = 1; k < kGroupSlots; ++k) text += "," + slot_names[k];
    return text;
}

GroupSlots group_slots(const std::vector<std::string>& names) {
    GroupSlots slot_names{};
    for (size_t k = 0; k < names.size() && k < slot_names.size(); ++k) slot_names[k] = names[k];
    return slot_names;
}

std::vector<std::string> sorted_names(std::vector<std::string> names) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&](char x, char y) { return lower(x) < lower(y); });
    });
    return names;
}

}  // namespace torv
