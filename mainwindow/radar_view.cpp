#include "mainwindow/radar_view.h"

#include <cmath>

#include "common/number_text.h"

namespace torv {

RadarPoint radar_point(double W, double H, double az_rad, double el_deg) {
    const double rho = (W / 2) * (90 - el_deg) / 90;
    return {W / 2 + rho * std::sin(az_rad), H / 2 - rho * std::cos(az_rad), rho};
}

RadarCaption radar_caption(double az_deg, double el_deg) {
    RadarCaption c;
    c.az_text = "方位" + format_number(az_deg, "000");
    c.el_text = "仰角" + format_number(el_deg, "00.0");
    c.left = 0 <= az_deg && az_deg <= 180;
    c.leader_dx = c.left ? -920 : 920;
    c.text_dx = c.left ? -900 : 280;
    return c;
}

}  // namespace torv
