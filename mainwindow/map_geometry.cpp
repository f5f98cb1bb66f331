#include "mainwindow/map_geometry.h"

#include "common/number_text.h"

namespace torv {

namespace {

constexpr double kWorldLatSpan = 180;  // map units from the equator to a pole
constexpr int kGridStep = 5;
constexpr double kZoomSpan = 30;

void world_line(const MapContext& ctx, double x1, double y1, double x2, double y2, bool enlarged_too = true) {
    if (ctx.surfaces.main_map) ctx.surfaces.main_map->Line(x1, y1, x2, y2, kWhite);
    if (enlarged_too && ctx.surfaces.world_zoom) ctx.surfaces.world_zoom->Line(x1, y1, x2, y2, kWhite);
}

void grid_label(platform::PictureBox& box, double x, double y, int v) {
    box.currentX = x;
    box.currentY = y;
    box.foreColor = kRed;
    box.Print(QString::fromStdString(str_num(v)));
}

}  // namespace

double map_longitude(double lon, const std::string& start_tizu) {
    if (start_tizu == "1") return lon >= 0 ? lon : lon + 360;
    return lon >= -20 ? lon + 20 : lon + 380;
}

platform::ColorValue color_value(double colour) { return round_half_even_as<platform::ColorValue>(colour); }

void set_world_map_scale(platform::PictureBox& box) { box.Scale(0, kWorldLatSpan, kWorldMapWidth, -2 * kWorldLatSpan); }

void set_local_zoom_scale(platform::PictureBox& box, double centre_lon, double centre_lat) {
    box.Scale(centre_lon - kZoomSpan / 2, centre_lat + kZoomSpan / 2, kZoomSpan, -kZoomSpan);
}

void set_asia_zoom_scale(platform::PictureBox& box) { box.Scale(90, 90, 90, -90); }

void draw_zoom_grid(platform::PictureBox& box) {
    const double L = box.scaleLeft(), W = box.scaleWidth(), T = box.scaleTop(), H = box.scaleHeight();
    for (int v = round_half_even_as<int>(L); v <= round_half_even(L + W); v += kGridStep) {
        box.Line(v, T, v, T + H, kGreen);
        grid_label(box, v, T, v);
    }
    for (int v = round_half_even_as<int>(T); v >= round_half_even(T + H); v -= kGridStep) {
        box.Line(L, v, L + W, v, kGreen);
        grid_label(box, L, v + 1, v);
    }
}

void draw_map_graticules(const MapContext& ctx) {
    // Parallels every 30 degrees; the equator comes twice, once from each side.
    for (double y = 0; y <= kWorldLatSpan; y += 60) world_line(ctx, 0, y, kWorldMapWidth, y);
    for (double y = 0; y >= -kWorldLatSpan; y -= 60) world_line(ctx, 0, y, kWorldMapWidth, y);
    // Meridians at every multiple of 30 degrees of longitude.
    if (ctx.settings.start_tizu == "1") {
        for (double x = 0; x <= kWorldMapWidth; x += 60) world_line(ctx, x, kWorldLatSpan, x, -kWorldLatSpan);
    } else {
        world_line(ctx, 0, kWorldLatSpan, 0, -kWorldLatSpan, false);
        for (double x = 40; x <= 700; x += 60) world_line(ctx, x, kWorldLatSpan, x, -kWorldLatSpan);
    }
    if (ctx.surfaces.local_zoom) draw_zoom_grid(*ctx.surfaces.local_zoom);
    if (ctx.surfaces.partner_zoom) draw_zoom_grid(*ctx.surfaces.partner_zoom);
}

}  // namespace torv
