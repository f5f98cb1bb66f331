#include "mainwindow/footprint.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "mainwindow/map_geometry.h"

namespace torv {

namespace {

constexpr double kEarthRadiusKm = 6377;
constexpr double kAzimuthStep = 3;
constexpr double kSeamJump = 250;   // degrees of map longitude
constexpr double kHatchReach = 200;
constexpr double kPartnerWideCentre = 15;
constexpr int kZoomOutlineWidth = 2;

constexpr double kD2R = kPi / 180, kR2D = 180 / kPi;

// Longitude on a zoom map of a map longitude: the geographic one, over 0..360
// (-20..340 when the world maps begin at 20 W).
double zoom_lon(const MapContext& ctx, double map_lon) { return ctx.settings.start_tizu != "1" ? map_lon - 20 : map_lon; }

void wide_line(platform::PictureBox& box, double x1, double y1, double x2, double y2, platform::ColorValue c) {
    box.drawWidth = kZoomOutlineWidth;
    box.Line(x1, y1, x2, y2, c);
    box.drawWidth = 1;
}

void world_dot(const MapContext& ctx, double x, double y, platform::ColorValue c) {
    if (ctx.surfaces.main_map) ctx.surfaces.main_map->PSet(x, y, c);
    if (ctx.surfaces.world_zoom) ctx.surfaces.world_zoom->PSet(x, y, c);
}

void world_lines(const MapContext& ctx, const FootprintPoint& prev, const FootprintPoint& cur, platform::ColorValue c) {
    std::array<MapLine, 2> lines;
    const int n = world_map_lines(prev, cur, lines);
    for (int i = 0; i < n; ++i) {
        const MapLine& l = lines[i];
        if (ctx.surfaces.main_map) ctx.surfaces.main_map->Line(l.x1, l.y1, l.x2, l.y2, c);
        if (ctx.surfaces.world_zoom) ctx.surfaces.world_zoom->Line(l.x1, l.y1, l.x2, l.y2, c);
    }
}

// The partner station whose map the partner zoom window shows, marked at every point.
void mark_partner_station(MapContext& ctx, platform::PictureBox& box) {
    const int i = static_cast<int>(std::clamp<int64_t>(round_half_even(ctx.maps.partner_zoom_index), 0, kPartnerSlots - 1));
    double x = ctx.partners.partner_lon[i];
    if (x < 0) x += 360;
    const double y = ctx.partners.partner_lat[i];
    box.Circle(x, y, 0.3, kWhite);
    box.fillColor = kCyan;
    box.fillStyle = platform::PictureBox::Solid;
    box.Circle(x, y, 0.2, kCyan);
}

void plot_partner_point(MapContext& ctx, double a, double lon, double lat, platform::ColorValue c, bool wide) {
    platform::PictureBox& box = *ctx.surfaces.partner_zoom;
    MapState& m = ctx.maps;
    double cx = zoom_lon(ctx, lon);
    const double cy = lat;
    mark_partner_station(ctx, box);
    if (!wide && 180 < cx && cx < 360) cx -= 360;
    if (a == 0) {
        box.PSet(cx, cy, c);
    } else if (std::abs(m.partner_prev_x - cx) <= kSeamJump) {
        wide_line(box, m.partner_prev_x, m.partner_prev_y, cx, cy, c);
        if (m.partner_zoom_hatch == 1) hatch_footprint(ctx, box, cx, cy);
    }
    m.partner_prev_x = cx;
    m.partner_prev_y = cy;
}

}  // namespace

std::optional<FootprintOutline> footprint_outline(double lat0, double lon0, double h, const std::string& start_tizu) {
    if (!(h > 0)) return std::nullopt;  // no horizon circle at or below the ground
    const double phi0 = lat0 * kD2R;
    const double lam_m = map_longitude(lon0, start_tizu) * kD2R;
    const double k = kEarthRadiusKm / (h + kEarthRadiusKm);
    const double beta = kPi / 2 - std::atan(k / std::sqrt(1 - k * k));  // = arccos k
    const double sin_b = std::sin(beta), cos_b = std::cos(beta);
    const double m = -(kPi / 2 - phi0);  // tilts the pole down to the sub-point
    const double sin_m = std::sin(m), cos_m = std::cos(m);

    FootprintOutline out;
    for (int i = 0; i < kFootprintPoints; ++i) {
        const double a = i * kAzimuthStep;
        const double theta = (180 - a) * kD2R;
        const double Px = sin_b * std::cos(theta), Py = sin_b * std::sin(theta), Pz = cos_b;
        const double X = cos_m * Px - sin_m * Pz, Y = Py, Z = sin_m * Px + cos_m * Pz;
        double lam_p = std::atan2(Y, X);
        if (lam_p < 0) lam_p += 2 * kPi;
        double lam = (lam_p + lam_m) * kR2D;
        if (lam >= 360) lam -= 360;
        out[i] = {a, lam, std::atan2(Z, std::sqrt(Y * Y + X * X)) * kR2D};
    }
    return out;
}

int world_map_lines(const FootprintPoint& prev, const FootprintPoint& cur, std::array<MapLine, 2>& out) {
    const double D = prev.lon - cur.lon;
    const double x1 = 2 * prev.lon, y1 = 2 * prev.lat, x2 = 2 * cur.lon, y2 = 2 * cur.lat;
    if (-kSeamJump <= D && D <= kSeamJump) {
        out[0] = {x1, y1, x2, y2};
        return 1;
    }
    const double ym = 2 * ((prev.lat + cur.lat) / 2);
    const double exit_x = D > kSeamJump ? kWorldMapWidth : 0;  // leaves at the right or left edge
    out[0] = {x1, y1, exit_x, ym};
    out[1] = {kWorldMapWidth - exit_x, ym, x2, y2};
    return 2;
}

void draw_footprint(MapContext& ctx, double lat, double lon, double height, double& colour) {
    const std::optional<FootprintOutline> outline = footprint_outline(lat, lon, height, ctx.settings.start_tizu);
    if (!outline) return;
    const platform::ColorValue c = color_value(colour);
    const MainViewState& v = ctx.view;
    const FootprintPoint* prev = nullptr;
    for (const FootprintPoint& p : *outline) {
        if (!prev)
            world_dot(ctx, 2 * p.lon, 2 * p.lat, c);
        else
            world_lines(ctx, *prev, p, c);
        const double prev_lon = prev ? prev->lon : 0, prev_lat = prev ? prev->lat : 0;
        if (v.local_zoom_open == 1 && ctx.surfaces.local_zoom)
            plot_footprint_asia(ctx, p.a, p.lon, p.lat, c, prev_lon, prev_lat);
        if (v.partner_zoom_open == 1 && ctx.surfaces.partner_zoom) {
            if (val(ctx.maps.partner_zoom_lon) > kPartnerWideCentre)
                plot_footprint_local_wide(ctx, p.a, p.lon, p.lat, c);
            else
                plot_footprint_local(ctx, p.a, p.lon, p.lat, c);
        }
        prev = &p;
    }
}

void plot_footprint_asia(MapContext& ctx, double a, double lon, double lat, platform::ColorValue colour,
                         double prev_lon, double prev_lat) {
    platform::PictureBox& box = *ctx.surfaces.local_zoom;
    const double c = zoom_lon(ctx, lon), p = zoom_lon(ctx, prev_lon);
    if (a == 0) {
        box.PSet(c, lat, colour);
        return;
    }
    if (std::abs(p - c) > kSeamJump) return;  // the world map's seam is not bridged here
    wide_line(box, p, prev_lat, c, lat, colour);
    if (ctx.maps.local_zoom_hatch == 1) hatch_footprint(ctx, box, c, lat);
}

void plot_footprint_local(MapContext& ctx, double a, double lon, double lat, platform::ColorValue colour) {
    plot_partner_point(ctx, a, lon, lat, colour, false);
}

void plot_footprint_local_wide(MapContext& ctx, double a, double lon, double lat, platform::ColorValue colour) {
    plot_partner_point(ctx, a, lon, lat, colour, true);
}

void hatch_footprint(MapContext& ctx, platform::PictureBox& box, double x, double y) {
    double s = ctx.orbit.orbit.calc.calc_sub_lon;
    if (s < 0) s += 360;
    const double d = s - x;
    if (d < -kHatchReach || d >= kHatchReach) return;
    wide_line(box, s, y, x, y, color_value(ctx.view.draw_sat_color));
}

}  // namespace torv
