#include "mainwindow/sat_markers.h"

#include "common/number_text.h"
#include "mainwindow/footprint.h"
#include "mainwindow/map_geometry.h"
#include "mainwindow/station_markers.h"
#include "orbit/call_if_set.h"

namespace torv {

namespace {

constexpr int kIssSize = 30;
const QString kMarkerGlyph = QStringLiteral("▼");

int pixel(double v) { return static_cast<int>(round_half_even(v)); }

void print_at(platform::PictureBox& box, double x, double y, platform::ColorValue c, const QString& text) {
    box.foreColor = c;
    box.currentX = x;
    box.currentY = y;
    box.Print(text);
}

// A window without its satellite picture (the file was missing) shows the marker alone.
void paint_iss(platform::PictureBox& box, const StdPicture* picture, QPoint corner) {
    paint_map_picture(box, picture, corner, kIssSize);
}

void marker_on_world_zoom(const MapContext& ctx, double x, double y, platform::ColorValue c) {
    platform::PictureBox& box = *ctx.surfaces.world_zoom;
    two_circles(box, x, y, 4, 3, c);
    print_at(box, x, y, c, kMarkerGlyph);
    if (shows_iss_picture(ctx.view.draw_sat_name))
        paint_iss(box, ctx.surfaces.world_zoom_iss, iss_corner_world_zoom(x, y));
    print_at(box, x + 10, y, kRed, QString::fromStdString(ctx.view.draw_sat_name));
}

void marker_on_zoom(const MapContext& ctx, platform::PictureBox& box, const StdPicture* iss, double X, double Y,
                    int px_w, int px_h, platform::ColorValue c) {
    box.fillColor = c;
    box.fillStyle = platform::PictureBox::Solid;
    print_at(box, X, Y, c, kMarkerGlyph);
    box.Line(X, Y, X + 0.45, Y - 0.79, kBlack);  // a triangle hanging from the point
    box.Line(X, Y, X + 0.9, Y, kBlack);
    box.Line(X + 0.435, Y - 0.78, X + 0.9, Y, kBlack);
    box.Circle(X, Y, 0.4, kBlack);
    box.Circle(X, Y, 0.3, c);
    if (shows_iss_picture(ctx.view.draw_sat_name)) paint_iss(box, iss, iss_corner_zoom(box, X, Y, px_w, px_h));
    print_at(box, X + 1, Y, kRed, QString::fromStdString(ctx.view.draw_sat_name));
}

}  // namespace

bool paint_map_picture(platform::PictureBox& box, const StdPicture* picture, QPoint corner, int size) {
    if (!picture || picture->type == StdPicture::None || picture->image.isNull()) return false;
    paint_transparent(box.image_for_painting(), corner.x(), corner.y(), size, size, *picture, 0, 0, 0);
    box.update();
    return true;
}

void two_circles(platform::PictureBox& box, double x, double y, double outer, double inner, platform::ColorValue c) {
    box.fillColor = c;
    box.fillStyle = platform::PictureBox::Solid;
    box.Circle(x, y, outer, kBlack);
    box.Circle(x, y, inner, c);
}

bool shows_iss_picture(const std::string& name) { return name == "ISS" || name == "ISSDG"; }

QPoint iss_corner_world_zoom(double x, double y) {
    return {pixel(x * kWorldZoomPxWidth / 720 - 17), pixel((180 - y) * kWorldZoomPxHeight / 360 - 10)};
}

QPoint iss_corner_zoom(const platform::PictureBox& box, double X, double Y, int px_w, int px_h) {
    const double L = box.scaleLeft(), W = box.scaleWidth(), T = box.scaleTop(), H = box.scaleHeight();
    return {pixel((X - L) * px_w / W - 15), pixel((T - Y) * px_h / (-H) - 10)};
}

void plot_satellite_marker(MapContext& ctx, double& colour) {
    const CalcResult& calc = ctx.orbit.orbit.calc;
    MainViewState& m = ctx.view;
    const int slot = ctx.maps.draw_slot;
    const platform::ColorValue c = color_value(colour);
    const double x = world_map_x(calc.calc_sub_lon, ctx.settings.start_tizu), y = world_map_y(calc.calc_sub_lat);
    m.markers.map_marker_name.at(slot) = m.draw_sat_name;
    m.markers.map_marker_x.at(slot) = x;
    m.markers.map_marker_y.at(slot) = y;

    if (ctx.surfaces.main_map) two_circles(*ctx.surfaces.main_map, x, y, 7, 4, c);
    if (ctx.surfaces.world_zoom) marker_on_world_zoom(ctx, x, y, c);
    const double lon = calc.calc_sub_lon, lat = calc.calc_sub_lat;
    if (ctx.surfaces.local_zoom)
        marker_on_zoom(ctx, *ctx.surfaces.local_zoom, ctx.surfaces.local_zoom_iss, lon < 0 ? lon + 360 : lon, lat,
                       m.local_zoom_px_width, m.local_zoom_px_height, c);
    if (ctx.surfaces.partner_zoom)
        marker_on_zoom(ctx, *ctx.surfaces.partner_zoom, ctx.surfaces.partner_zoom_iss, lon < -15 ? lon + 360 : lon,
                       lat, m.partner_zoom_px_width, m.partner_zoom_px_height, c);
    call_if_set(ctx.sky.plot_radar, colour);
    call_if_set(ctx.sky.plot_sun_moon_mars);
}

void disp(MapContext& ctx, double& sveido, double& svekeido, double& dbletakasa, double& iro, std::string& EISEI_NAME) {
    if (EISEI_NAME.empty()) return;
    plot_stations(ctx);
    plot_satellite_marker(ctx, iro);
    draw_footprint(ctx, sveido, svekeido, dbletakasa, iro);
}

}  // namespace torv
