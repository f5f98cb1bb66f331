#pragma once
#include <string>
#include <vector>

// The stored forms the station dialog writes and the checks it makes on them.
namespace torv {

// CatPortString: " 1:COM3:9600:" (the flag in the leading-blank form); the IC-910's
// carries its two addresses and no closing colon: " 0:COM1:9600:60:E0".
std::string cat_port_string(bool on, const std::string& port, const std::string& speed);
std::string cat_port_string(bool on, const std::string& port, const std::string& speed, const std::string& rig_addr,
                            const std::string& ctrl_addr);

// One transceiver's port as the dialog holds it.
struct PortChoice {
    bool on = false;
    std::string port;
};
// Whether two switched-on transceivers name the same port.
bool ports_conflict(const std::vector<PortChoice>& ports);

// The local map's centre longitude is stored in either of two forms: 0..360 (as the
// main window's shutdown save writes it) or -180..180 (as this dialog writes it).
// The dialog shows and writes the second; the running program holds the first.
double centre_lon_west_negative(double lon);
double centre_lon_east_of_zero(double lon);

}  // namespace torv
