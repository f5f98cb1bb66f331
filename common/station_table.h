#pragma once
#include <array>
#include <cstdint>
#include <string>

// The own station and the registered partner stations.
namespace torv {

// The own station, from [POSITION] of the settings (loaded with the main window's settings).
struct OwnStation {
    double station_lon = 0;     // degrees east
    double station_lat = 0;     // degrees north
    double station_height = 0;  // m
    std::string call_sign;
};

constexpr int kPartnerSlots = 6;    // KYOKU1..KYOKU5 fill slots 0..4; slot 5 stays empty
constexpr int kPartnerRecords = 5;
constexpr double kPartnerUnset = 999;  // longitude and latitude of an unset slot

// The stored default for a missing KYOKUn key.
inline const char* const kDefaultPartnerRecord = "JA3,135.05,34.7,,20,9,0, 1,japan95.bmp,135,35";

// One PartnerStationRecord cut into its eleven field texts (missing fields empty).
struct PartnerStationFields {
    std::array<std::string, 11> field;
};
PartnerStationFields split_partner_record(const std::string& record);

struct PartnerStationTable {
    std::array<std::string, kPartnerSlots> partner_name{};
    std::array<double, kPartnerSlots> partner_lon{};
    std::array<double, kPartnerSlots> partner_lat{};
    std::array<double, kPartnerSlots> partner_height{};
    std::array<double, kPartnerSlots> partner_time_diff{};
    std::array<int16_t, kPartnerSlots> partner_map_sel{};
    std::array<std::string, kPartnerSlots> partner_has_map{};  // "1" or "0"
    std::array<std::string, kPartnerSlots> partner_map_file{};
    std::array<std::string, kPartnerSlots> partner_map_lon{};
    std::array<std::string, kPartnerSlots> partner_map_lat{};
    // The record texts as read (default substituted), for a dialog that shows them.
    std::array<std::string, kPartnerRecords> record_text{};

    PartnerStationTable();  // every slot at its reset values
};

// Fills slot of the table from one record. False when a value lies outside its field's
// range (a map selection other than 0 or 1) and took the field's default instead.
bool apply_partner_record(PartnerStationTable& table, int slot, const std::string& record);

// Resets the table (partner_has_map keeps its values) and fills slots 0..4 from
// [KYOKU-INFO] KYOKU1..KYOKU5 of the settings file, the default record for a missing key.
// A record with a value it cannot use is told through report_unusable_setting.
void load_station_list(PartnerStationTable& table, const std::string& ini_file);

// Whether a dialog row's local-map controls (file label, list, centre boxes) are
// enabled, and whether its has-map box is: as the loader sets them.
struct PartnerRowState {
    bool local_selected = false;
    bool has_map_box_enabled = false;
    bool map_controls_enabled = false;
    bool has_map_ticked = false;
};
PartnerRowState partner_row_state(const PartnerStationTable& table, int slot);

}  // namespace torv
