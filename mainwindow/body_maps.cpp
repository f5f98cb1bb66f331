#include "mainwindow/body_maps.h"

#include "common/number_text.h"
#include "mainwindow/footprint.h"
#include "mainwindow/map_geometry.h"
#include "mainwindow/sat_markers.h"

namespace torv {

namespace {

constexpr int kIconSize = 30;            // top-left pixels of the icon bitmap painted
constexpr double kPartnerWestLimit = -15;  // the partner map shows longitudes from here on as they are

int pixel(double v) { return static_cast<int>(round_half_even(v)); }

bool wants_icon(const BodyLook& look) { return look.mode == 2 || look.mode == 3; }

}  // namespace

int16_t body_mode(const MainSettings& s, int body) {
    switch (body) {
    case kSun: return s.sun_disp;
    case kMoon: return s.moon_disp;
    case kMars: return s.kasei_disp;
    default: return 0;
    }
}

double body_colour(const MainSettings& s, int body) {
    switch (body) {
    case kSun: return s.sun_color;
    case kMoon: return s.moon_color;
    case kMars: return s.kasei_color;
    default: return 0;
    }
}

int body_index(const std::string& key) {
    if (key == "SUN") return kSun;
    if (key == "MOON") return kMoon;
    if (key == "KASEI") return kMars;
    return -1;
}

double body_world_x(double& lon, const std::string& start_tizu) {
    if (start_tizu != "1" && lon >= 340 && lon < 360) lon -= 360;
    return world_map_x(lon, start_tizu);
}

double local_zoom_body_x(double lon) { return lon >= 0 ? lon : lon + 360; }

double partner_zoom_body_x(double lon) { return lon >= kPartnerWestLimit ? lon : lon + 360; }

void draw_body_on_main_map(platform::PictureBox& box, double x, double y, platform::ColorValue colour) {
    two_circles(box, x, y, 7, 4, colour);
}

void draw_body_on_world_zoom(platform::PictureBox& box, double x, double y, const BodyLook& look) {
    // An icon that failed to load is drawn as the dot.
    if (wants_icon(look)) {
        const QPoint corner(pixel(x * kWorldZoomPxWidth / kWorldMapWidth - 10),
                            pixel((180 - y) * kWorldZoomPxHeight / 360 - 10));
        if (paint_map_picture(box, look.icon, corner, kIconSize)) return;
    }
    two_circles(box, x, y, 4, 3, look.colour);
}

void draw_body_on_zoom(platform::PictureBox& box, double zx, double lat, int px_w, int px_h, const BodyLook& look) {
    box.fillColor = look.colour;
    box.fillStyle = platform::PictureBox::Solid;
    if (wants_icon(look) && paint_map_picture(box, look.icon, iss_corner_zoom(box, zx, lat, px_w, px_h), kIconSize))
        return;
    two_circles(box, zx - 0.9, lat, 0.4, 0.3, look.colour);
}

void draw_bodies_on_zoom_map(platform::PictureBox& box, ZoomMap map, int px_w, int px_h, const BodyMarkers& markers,
                             const MainSettings& settings, const BodyIcons& icons) {
    for (int i : {kMars, kSun, kMoon}) {
        const BodyLook look{body_mode(settings, i), color_value(body_colour(settings, i)), &icons[i]};
        if (look.mode == 0) continue;
        const double lon = markers.body_lon[i];
        const double zx = map == ZoomMap::Local ? local_zoom_body_x(lon) : partner_zoom_body_x(lon);
        draw_body_on_zoom(box, zx, markers.body_lat[i], px_w, px_h, look);
    }
}

void draw_body_marker(MapContext& ctx, const BodyIcons& icons, double& lat, double& lon, double& /*height*/,
                      double& colour, const std::string& key) {
    const int i = body_index(key);
    if (i < 0) return;
    const double x = body_world_x(lon, ctx.settings.start_tizu), y = world_map_y(lat);
    BodyMarkers& table = ctx.view.body_markers;
    table.body_map_x[i] = x;
    table.body_map_y[i] = y;
    table.body_lon[i] = lon;
    table.body_lat[i] = lat;

    const BodyLook look{body_mode(ctx.settings, i), color_value(colour), &icons[i]};
    const MapSurfaces& s = ctx.surfaces;
    const MainViewState& v = ctx.view;
    if (s.main_map) draw_body_on_main_map(*s.main_map, x, y, look.colour);
    if (s.world_zoom) draw_body_on_world_zoom(*s.world_zoom, x, y, look);
    if (s.local_zoom)
        draw_body_on_zoom(*s.local_zoom, local_zoom_body_x(lon), lat, v.local_zoom_px_width, v.local_zoom_px_height,
                          look);
    if (s.partner_zoom)
        draw_body_on_zoom(*s.partner_zoom, partner_zoom_body_x(lon), lat, v.partner_zoom_px_width,
                          v.partner_zoom_px_height, look);
}

void star_position_disp(MapContext& ctx, double& sveido, double& svekeido, double& dbletakasa, double& iro,
                        std::string& /*star_name*/) {
    draw_footprint(ctx, sveido, svekeido, dbletakasa, iro);
}

void draw_bodies(MapContext& ctx, BodyState& b, const BodyIcons& icons) {
    struct Body {
        int index;
        double &lat, &lon, &height;
        double colour;
        const char* key;
    };
    const MainSettings& s = ctx.settings;
    const Body bodies[] = {
        {kMars, b.mars_sub_lat, b.mars_sub_lon, b.mars_height, s.kasei_color, "KASEI"},
        {kSun, b.sun_sub_lat, b.sun_sub_lon, b.sun_height, s.sun_color, "SUN"},
        {kMoon, b.moon_sub_lat, b.moon_sub_lon, b.moon_height, s.moon_color, "MOON"},
    };
    for (const Body& body : bodies) {
        const int16_t mode = body_mode(s, body.index);
        if (mode == 0) continue;
        double colour = body.colour;
        std::string key = body.key;
        draw_body_marker(ctx, icons, body.lat, body.lon, body.height, colour, key);
        if (mode != 3) star_position_disp(ctx, body.lat, body.lon, body.height, colour, key);
    }
}

}  // namespace torv
