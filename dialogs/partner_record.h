#pragma once
#include <string>

// The stored form of one partner station ([KYOKU-INFO] KYOKUn), as the partner-station
// dialog writes it: eleven fields, all ten commas always written.
namespace torv {

struct PartnerRecordFields {
    std::string call_sign;  // in capitals
    std::string lon, lat, grid, height, time_diff;
    bool world = true;      // marked on the world maps, else on the local maps
    bool has_map = false;   // the station has a local map of its own
    std::string map_file;   // written only when has_map
    std::string map_lon, map_lat;
};

// "JA3,135.05,34.7,,20,9,0, 1,japan95.bmp,135,35"; an empty row gives ",,,,,,0, 0,,,".
std::string partner_record_text(const PartnerRecordFields& f);

}  // namespace torv
