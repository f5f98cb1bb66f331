#include "rig/cat_link.h"

#include <cmath>

#include "common/number_text.h"
#include "common/settings_keys.h"
#include "common/settings_store.h"

namespace torv {

int cat_port_number(std::string_view port_text) {
    // Every digit after "COM": "COM10" read as COM1 would send frames to another device.
    return port_text.size() < 4 ? 0 : whole_part_as<int>(val(port_text.substr(3)));
}

std::string com_port_device(int port) {
    const std::string path = ini_read_or(Section{"SERIAL"}, Key{"COM" + std::to_string(port)}, "", torv_ini());
    if (!path.empty()) return path;
    return "/dev/ttyS" + std::to_string(port - 1);
}

bool open_cat_port(platform::SerialPort& port, const std::string& port_text, const std::string& speed,
                   std::string_view framing) {
    port.CommPort = cat_port_number(port_text);
    port.Device = port.CommPort >= 1 ? com_port_device(port.CommPort) : std::string();
    port.Settings = QString::fromStdString(speed + "," + std::string(framing));
    return port.CommPort >= 1 && port.setPortOpen(true);
}

std::string port_open_failure_message(const std::string& port_text) {
    return "ＣＯＭポート　" + port_text + " のオープンができませんでした。";
}

std::string line_lost_message(const std::string& port_text) {
    return "ＣＯＭポート　" + port_text + " の無線機との回線が切れました。運用を停止しました。";
}

namespace {

// The farthest a window system places a window (32767 pixels), in twips.
constexpr double kMaxTwips = 32767.0 * 15;

bool parse_window_position(const std::string& text, WindowPosition& p) {
    const size_t colon = text.find(':');
    const double top = val(text.substr(0, colon));
    const double left = colon == std::string::npos ? 0 : val(text.substr(colon + 1));
    if (!(std::fabs(top) <= kMaxTwips && std::fabs(left) <= kMaxTwips)) return false;
    p.top = static_cast<int>(top);
    p.left = static_cast<int>(left);
    return true;
}

}  // namespace

WindowPosition read_window_position(std::string_view key, std::string_view fallback) {
    WindowPosition p;
    if (parse_window_position(ini_read_or(Section{"WIN_POSITION"}, Key{key}, fallback, torv_ini()), p)) return p;
    report_unusable_setting("[WIN_POSITION] " + std::string(key));
    parse_window_position(std::string(fallback), p);
    return p;
}

void save_window_position(std::string_view key, int top, int left) {
    ini_write(Section{"WIN_POSITION"}, Key{key}, std::to_string(top) + ":" + std::to_string(left), torv_ini());
}

}  // namespace torv
