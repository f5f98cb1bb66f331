#include "mainwindow/sat_groups.h"

#include "common/csv_fields.h"
#include "common/number_text.h"
#include "common/settings_store.h"
#include "platform/msg_box.h"

namespace torv {

std::array<std::string, kSlots> SatGroupTable::shown() const {
    if (group_current < 0 || group_current >= kGroups) return {};
    return group_sat_names[group_current];
}

void load_sat_groups(SatGroupTable& groups, const std::string& ini_file) {
    static const char* const keys[kGroups] = {"GROUP-A", "GROUP-B", "GROUP-C", "GROUP-D", "GROUP-E"};
    for (int g = 0; g < kGroups; ++g) {
        const CsvSplit split = split_csv_fields(ini_read_or(Section{"SATELITE"}, Key{keys[g]}, "", ini_file));
        if (split.overflow) platform::msg_box(kCsvOverflowMessage);
        for (int s = 0; s < kSlots; ++s) groups.group_sat_names[g][s] = split.fields[s];
    }
    groups.satelite_select = ini_read(Section{"SATELITE"}, Key{"SELECT"}, ini_file);
    if (groups.satelite_select == "ERROR") {
        groups.group_current = 0;
        groups.selected_sat = groups.group_sat_names[0][0];
        return;
    }
    const double digit = val(groups.satelite_select.substr(0, 1));
    // A group digit without a row (5 to 9) would leave the window without slots.
    groups.group_current = digit >= 0 && digit < kGroups ? static_cast<int16_t>(digit) : 0;
    groups.selected_sat = groups.satelite_select.size() > 2 ? groups.satelite_select.substr(2) : std::string();
}

std::string group_caption(int group) {
    return group >= 0 && group < kGroups ? std::string("GROUP-") + static_cast<char>('A' + group) : std::string();
}

void step_group(SatGroupTable& groups, int step) {
    groups.group_slot = 0;
    int g = groups.group_current + step;
    if (g < 0) g = kGroups - 1;
    if (g > kGroups - 1) g = 0;
    groups.group_current = static_cast<int16_t>(g);
    groups.selected_sat = groups.group_sat_names[g][0];
}

}  // namespace torv
