#pragma once
#include <string>
#include <string_view>

#include "platform/serial_port.h"

// Opening a transceiver's port the way every transceiver window does, and the window
// position setting they share.
namespace torv {

// The port number of a port text: the number after "COM" ("COM3" gives 3, "COM10" 10).
int cat_port_number(std::string_view port_text);

// The device of port n: key COMn of [SERIAL] in torv.ini, else /dev/ttyS<n-1>.
std::string com_port_device(int port);

// Configures (port number, speed and framing such as "n,8,1", no handshaking) and
// opens the port; false when it does not open.
bool open_cat_port(platform::SerialPort& port, const std::string& port_text, const std::string& speed,
                   std::string_view framing);
// What the operator is told when the port does not open.
std::string port_open_failure_message(const std::string& port_text);
// What the operator is told when the port hangs up (a USB adapter pulled, a radio
// switched off) and the link has ended.
std::string line_lost_message(const std::string& port_text);

// A window's saved top-left corner in twips ("top:left" under [WIN_POSITION]).
struct WindowPosition {
    int top = 0, left = 0;
};
WindowPosition read_window_position(std::string_view key, std::string_view fallback);
void save_window_position(std::string_view key, int top, int left);

}  // namespace torv
