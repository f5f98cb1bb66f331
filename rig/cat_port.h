#pragma once
#include <string>

namespace torv {

// A transceiver's port as its CAT key keeps it ([FT847], [IC910], [TS2000], [FT736]):
// enable flag, port and speed ("1:COM2:9600:"), the IC-910's with its CI-V addresses after
// the speed. The settings load and the station dialog's register fill it where the main
// window keeps it; the transceiver windows read it there.
struct CatPortSetting {
    std::string enable;    // "1" enables the window's start button
    std::string port;      // "COMn"
    std::string speed;     // bits per second
    std::string rig_addr = {}, ctrl_addr = {};  // IC-910 only: the transceiver's and this program's, as stored
};

}  // namespace torv
