#include "dialogs/station_values.h"

#include "common/number_text.h"

namespace torv {

std::string cat_port_string(bool on, const std::string& port, const std::string& speed) {
    return str_num(on ? 1 : 0) + ":" + port + ":" + speed + ":";
}

std::string cat_port_string(bool on, const std::string& port, const std::string& speed, const std::string& rig_addr,
                            const std::string& ctrl_addr) {
    return str_num(on ? 1 : 0) + ":" + port + ":" + speed + ":" + rig_addr + ":" + ctrl_addr;
}

bool ports_conflict(const std::vector<PortChoice>& ports) {
    for (size_t i = 0; i < ports.size(); ++i)
        for (size_t j = i + 1; j < ports.size(); ++j)
            if (ports[i].on && ports[j].on && ports[i].port == ports[j].port) return true;
    return false;
}

double centre_lon_west_negative(double lon) { return lon > 180 ? lon - 360 : lon; }

double centre_lon_east_of_zero(double lon) { return lon < 0 ? lon + 360 : lon; }

}  // namespace torv
