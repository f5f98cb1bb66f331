#include "mainwindow/orbit_plane.h"

#include <cmath>

#include "common/number_text.h"
#include "mainwindow/map_geometry.h"
#include "mainwindow/orbit_plane_geometry.h"
#include "orbit/squint.h"
#include "orbit/week_table.h"
#include "platform/text.h"

namespace torv {

namespace {

constexpr double kEarthRadiusKm = 6377397.155 / 1000;
constexpr double kSatelliteRadius = 40;
constexpr double kEarthAxisEnd = 7500, kMajorAxisEnd = 8500;
constexpr platform::ColorValue kMagenta = 16711935;

// A colour held as decimal text, read by its leading number.
platform::ColorValue colour_text(const std::string& text) { return color_value(val(text)); }

void filled_circle(platform::PictureBox& box, double x, double y, double r, platform::ColorValue fill,
                   platform::ColorValue outline) {
    box.fillColor = fill;
    box.fillStyle = platform::PictureBox::Solid;
    box.Circle(x, y, r, outline);
    box.fillStyle = platform::PictureBox::Transparent;
}

void show(platform::Label* l, bool on) {
    if (l) l->setVisible(on);
}

void draw_transponder_arc(platform::PictureBox& box, const OrbitPlaneScale& sc, const CalcResult& c,
                          const Ao40Window& w) {
    double E1 = 0, E2 = 0;
    ma_to_ecc_anomaly(c.calc_ecc, w.start, w.end, E1, E2);
    const std::vector<PlanePoint> arc = orbit_arc(sc, c.calc_semi_major_axis, c.calc_ecc, E1, E2);
    box.drawWidth = 2;
    for (size_t i = 1; i < arc.size(); ++i) box.Line(arc[i - 1].x, arc[i - 1].y, arc[i].x, arc[i].y, platform::kGreen);
    box.drawWidth = 1;
}

void draw_attitude(OrbitPlaneControls& c, OrbitPlaneInputs& in, double sx, double sy) {
    platform::PictureBox& box = *c.Picture1;
    MainViewState& v = in.view;
    if (c.ao40_attitude_fetch) c.ao40_attitude_fetch();
    const double alon = val(v.ao40_alon), alat = val(v.ao40_alat);
    for (platform::Label* l : {c.Label11, c.Label44, c.Label42, c.Label43, c.Label46, c.Label47}) show(l, true);
    if (c.Label11) {
        c.Label11->setForeColor(platform::kRed);
        c.Label11->setCaption(platform::qs(format_number(alon, "###0.0")));
    }
    if (c.Label43) {
        c.Label43->setForeColor(platform::kYellow);
        c.Label43->setCaption(platform::qs(format_number(alat, "###0.0")));
    }
    const PlanePoint lon_end = attitude_line_end(sx, sy, alon);
    box.Line(sx, sy, lon_end.x, lon_end.y, platform::kRed);
    filled_circle(box, sx, kOrbitAxisY, kSatelliteRadius, platform::kYellow, platform::kYellow);
    const PlanePoint lat_end = attitude_line_end(sx, kOrbitAxisY, alat);
    box.Line(sx, kOrbitAxisY, lat_end.x, lat_end.y, platform::kYellow);
    squint_angle(in.orbit, v.ao40_alat, v.ao40_alon);
    const std::string squint = format_number(in.orbit.calc_squint, "##0.0");
    if (c.Label47) c.Label47->setCaption(platform::qs(squint));
    if (c.show_squint_elsewhere) c.show_squint_elsewhere(squint);
}

}  // namespace

void draw_orbit_plane(OrbitPlaneControls& c, OrbitPlaneInputs in) {
    if (!c.Picture1) return;
    platform::PictureBox& box = *c.Picture1;
    const CalcResult& r = in.orbit.calc;
    const MainSettings& s = in.settings;
    const double a = r.calc_semi_major_axis, e = r.calc_ecc;
    const OrbitPlaneScale sc = orbit_plane_scale(a, e);

    const platform::ColorValue back = colour_text(s.kidou_back_color);
    box.setBackColor(back);
    for (platform::Label* l : {c.Label1, c.Label2})
        if (l) l->setBackColor(back);

    box.Line(sc.cx, 0, sc.cx, kEarthAxisEnd, platform::kWhite);
    box.Line(0, kOrbitAxisY, kMajorAxisEnd, kOrbitAxisY, platform::kGreen);
    filled_circle(box, sc.cx, kOrbitAxisY, kEarthRadiusKm / sc.s, colour_text(s.kidou_tikyuu_color), kMagenta);
    const double ratio = std::sqrt(1 - e * e);
    box.Circle(sc.cx - e * a / sc.s, kOrbitAxisY, a / sc.s, platform::kWhite, ratio);

    const bool ao40 = in.selected_sat == kAo40Name;
    if (ao40 && s.ao40.start >= 0 && s.ao40.end >= 0) draw_transponder_arc(box, sc, r, s.ao40);

    const double sx = sc.cx + r.calc_plane_x / sc.s, sy = kOrbitAxisY - r.calc_plane_y / sc.s;
    const platform::ColorValue sat = colour_text(s.kidou_eisei_color);
    filled_circle(box, sx, sy, kSatelliteRadius, sat, sat);

    if (ao40 && s.alat_alon_disp == 1 && in.view.ao40_attitude_error == 0) {
        draw_attitude(c, in, sx, sy);
        return;
    }
    for (platform::Label* l : {c.Label11, c.Label42, c.Label43, c.Label44, c.Label46, c.Label47}) show(l, false);
}

}  // namespace torv
