#include "mainwindow/body_sky.h"

#include <cmath>

#include "common/number_text.h"
#include "mainwindow/map_geometry.h"
#include "mainwindow/radar_view.h"
#include "mainwindow/sat_markers.h"
#include "platform/text.h"
#include "platform/twips.h"

namespace torv {

namespace {

constexpr int kSkyIconSize = 20;
constexpr double kSkyDotRadius = 65;
constexpr double kIconScale = 100;  // the view counts as 200 pixels across and down
const double kD2R = 4 * std::atan(1.0) / 180;

struct SkyBody {
    int index;
    double az, el;
    int dx, dy;  // the icon's corner from the body's point, pixels
};

int pixel(double v) { return static_cast<int>(round_half_even(v)); }

}  // namespace

std::string body_az_text(double az_deg) { return format_number(az_deg, "###.00"); }
std::string body_el_text(double el_deg) { return format_number(el_deg, "##.00"); }

void plot_sun_moon_mars(BodySkyControls& c, const BodyState& b, const MainSettings& s, const BodyIcons& icons) {
    if (!c.Picture4) return;
    platform::PictureBox& box = *c.Picture4;
    const double W = platform::px_to_twips(box.width()), H = platform::px_to_twips(box.height());
    const double Cx = W / 2, Cy = H / 2;
    box.fillStyle = platform::PictureBox::Solid;
    const SkyBody bodies[] = {{kMars, b.mars_az, b.mars_el, 8, 8},
                              {kSun, b.sun_az, b.sun_el, 8, 8},
                              {kMoon, b.moon_az, b.moon_el, 10, 6}};
    for (const SkyBody& body : bodies) {
        const int16_t mode = body_mode(s, body.index);
        if (mode == 0) continue;
        const platform::ColorValue colour = color_value(body_colour(s, body.index));
        box.fillColor = colour;
        box.fillStyle = platform::PictureBox::Solid;
        if (platform::Shape* sw = c.swatch[body.index]) sw->setFillColor(colour);
        const RadarPoint p = radar_point(W, H, body.az * kD2R, body.el);
        const platform::ColorValue text = body.el >= 0 ? platform::kBlue : platform::kBlack;
        for (platform::Label* l : {c.az_label[body.index], c.el_label[body.index]})
            if (l) l->setForeColor(text);
        if (c.az_label[body.index]) c.az_label[body.index]->setCaption(platform::qs(body_az_text(body.az)));
        if (c.el_label[body.index]) c.el_label[body.index]->setCaption(platform::qs(body_el_text(body.el)));
        // An icon that failed to load is drawn as the dot.
        const QPoint corner(pixel(p.x * kIconScale / Cx - body.dx), pixel(p.y * kIconScale / Cy - body.dy));
        if ((mode == 2 || mode == 3) && paint_map_picture(box, &icons[body.index], corner, kSkyIconSize)) continue;
        box.Circle(p.x, p.y, kSkyDotRadius, platform::kWhite);
    }
    box.fillStyle = platform::PictureBox::Transparent;
}

}  // namespace torv
