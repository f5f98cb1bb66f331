#include "common/station_table.h"

#include "common/number_text.h"
#include "common/settings_keys.h"
#include "common/settings_store.h"

namespace torv {

namespace {

void reset_slot(PartnerStationTable& t, int i) {
    t.partner_name[i].clear();
    t.partner_lon[i] = kPartnerUnset;
    t.partner_lat[i] = kPartnerUnset;
    t.partner_height[i] = 0;
    t.partner_time_diff[i] = 9;
    t.partner_map_sel[i] = 0;
    t.partner_map_file[i].clear();
    t.partner_map_lon[i] = "999";
    t.partner_map_lat[i] = "99";
}

// Field 7: 0 the station belongs to the world map, 1 to a local map; the dialog writes
// nothing else. Empty reads 0.
bool map_selection(const std::string& field, int16_t& sel) {
    sel = field.empty() ? 0 : round_half_even_as<int16_t>(val(field));
    if (sel == 0 || sel == 1) return true;
    sel = 0;
    return false;
}

}  // namespace

PartnerStationTable::PartnerStationTable() {
    for (int i = 0; i < kPartnerSlots; ++i) {
        reset_slot(*this, i);
        partner_has_map[i] = "0";
    }
}

PartnerStationFields split_partner_record(const std::string& record) {
    // Fields 1 to 10 end at a ","; field 11 is what remains. A record with fewer
    // fields than that reads the missing ones as empty.
    PartnerStationFields f;
    size_t start = 0;
    for (int k = 0; k < 10 && start <= record.size(); ++k) {
        const size_t p = record.find(',', start);
        if (p == std::string::npos) {
            f.field[k] = record.substr(start);
            return f;
        }
        f.field[k] = record.substr(start, p - start);
        start = p + 1;
    }
    f.field[10] = record.substr(start);
    return f;
}

bool apply_partner_record(PartnerStationTable& t, int i, const std::string& record) {
    const PartnerStationFields f = split_partner_record(record);
    auto& s = f.field;
    if (!s[0].empty()) t.partner_name[i] = s[0];
    if (!s[1].empty()) t.partner_lon[i] = val(s[1]);
    if (!s[2].empty()) t.partner_lat[i] = val(s[2]);
    if (!s[4].empty()) t.partner_height[i] = val(s[4]);
    t.partner_time_diff[i] = val(s[5]);
    const bool usable = map_selection(s[6], t.partner_map_sel[i]);
    t.partner_has_map[i] = s[7].empty() ? "0" : num_text(val(s[7]));
    t.partner_map_file[i] = s[8];
    t.partner_map_lon[i] = s[9].empty() ? std::string() : num_text(val(s[9]));
    t.partner_map_lat[i] = s[10].empty() ? std::string() : num_text(val(s[10]));
    return usable;
}

void load_station_list(PartnerStationTable& t, const std::string& ini_file) {
    for (int i = 0; i < kPartnerSlots; ++i) reset_slot(t, i);
    for (int n = 1; n <= kPartnerRecords; ++n) {
        const std::string key = "KYOKU" + std::to_string(n);
        const std::string record = ini_read_or(Section{"KYOKU-INFO"}, Key{key}, kDefaultPartnerRecord, ini_file);
        t.record_text[n - 1] = record;
        if (!apply_partner_record(t, n - 1, record)) report_unusable_setting("[KYOKU-INFO] " + key);
    }
}

PartnerRowState partner_row_state(const PartnerStationTable& t, int i) {
    PartnerRowState r;
    r.has_map_ticked = val(t.partner_has_map[i]) == 1;
    r.local_selected = t.partner_map_sel[i] != 0;
    if (r.local_selected) return r;
    r.has_map_box_enabled = true;
    r.map_controls_enabled = r.has_map_ticked;
    return r;
}

}  // namespace torv
