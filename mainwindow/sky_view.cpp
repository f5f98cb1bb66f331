#include "mainwindow/sky_view.h"

#include "mainwindow/map_geometry.h"
#include "orbit/geodesy.h"
#include "platform/text.h"
#include "platform/twips.h"

namespace torv {

namespace {

constexpr platform::ColorValue kRimRed = kRed;
constexpr double kCaptionPoints = 9;

struct ViewSize {
    double W, H;
};
ViewSize view_size(const platform::PictureBox& box) {
    return {static_cast<double>(platform::px_to_twips(box.width())), static_cast<double>(platform::px_to_twips(box.height()))};
}

void print_at(platform::PictureBox& box, double x, double y, const std::string& text) {
    box.currentX = x;
    box.currentY = y;
    box.Print(platform::qs(text));
}

void print_radar_az_el(platform::PictureBox& box, double az, double el, const RadarPoint& P, platform::ColorValue c) {
    box.setFontSize(kCaptionPoints);
    const RadarCaption caption = radar_caption(az, el);
    box.Line(P.x, P.y, P.x + caption.leader_dx, P.y, c);
    box.foreColor = c;
    const double column = P.x + caption.text_dx;
    print_at(box, column, P.y + 20, caption.az_text);
    print_at(box, column, P.y - 160, caption.el_text);
}

}  // namespace

RadarPoint sky_view_point(const platform::PictureBox& box, double az_rad, double el_deg) {
    const auto [W, H] = view_size(box);
    return radar_point(W, H, az_rad, el_deg);
}

void draw_radar_grid(platform::PictureBox& box) {
    const auto [W, H] = view_size(box);
    box.Line(W / 2, 0, W / 2, H, kWhite);
    box.Line(0, H / 2, W, H / 2, kWhite);
    for (double r : {W / 6, W / 3, W / 2}) box.Circle(W / 2, H / 2, r, kWhite);
}

void draw_radar_marker(platform::PictureBox& box, const CalcResult& calc, double colour, const MainSettings& settings) {
    const double E = rad_to_deg(calc.calc_el);
    if (E < 0) return;
    const platform::ColorValue c = color_value(colour);
    box.fillColor = c;
    box.fillStyle = platform::PictureBox::Solid;
    const RadarPoint P = sky_view_point(box, calc.calc_az, E);
    box.Circle(P.x, P.y, 30, c);
    box.Circle(P.x, P.y, 60, kRimRed);
    box.Circle(P.x, P.y, 45, kWhite);
    if (settings.reda_disp_info == "1")
        print_radar_az_el(box, rad_to_deg(calc.calc_az), E, P, color_value(settings.reda_info_color));
    box.fillStyle = platform::PictureBox::Transparent;
}

}  // namespace torv
