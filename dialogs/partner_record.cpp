#include "dialogs/partner_record.h"

namespace torv {

std::string partner_record_text(const PartnerRecordFields& f) {
    return f.call_sign + "," + f.lon + "," + f.lat + "," + f.grid + "," + f.height + "," + f.time_diff + "," +
           (f.world ? "0" : "1") + "," + (f.has_map ? " 1" : " 0") + "," + (f.has_map ? f.map_file : "") + "," +
           f.map_lon + "," + f.map_lat;
}

}  // namespace torv
