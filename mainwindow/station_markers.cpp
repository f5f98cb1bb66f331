#include "mainwindow/station_markers.h"

#include "mainwindow/map_geometry.h"

namespace torv {

void station_marker(platform::PictureBox* box, double x, double y, double ring, double disc, platform::ColorValue c) {
    if (!box) return;
    box->Circle(x, y, ring, kWhite);
    box->fillColor = c;
    box->fillStyle = platform::PictureBox::Solid;
    box->Circle(x, y, disc, c);
}

namespace {

void on_world_maps(const MapContext& ctx, double x, double y, platform::ColorValue c) {
    station_marker(ctx.surfaces.main_map, x, y, 6, 4, c);
    station_marker(ctx.surfaces.world_zoom, x, y, 3, 2, c);
}

void on_zoom_maps(const MapContext& ctx, double lon, double lat, platform::ColorValue c) {
    station_marker(ctx.surfaces.local_zoom, lon, lat, 0.3, 0.2, c);
    station_marker(ctx.surfaces.partner_zoom, lon, lat, 0.3, 0.2, c);
}

}  // namespace

void plot_stations(MapContext& ctx) {
    const PartnerStationTable& p = ctx.partners;
    MainViewState& m = ctx.view;
    const std::string& start_tizu = ctx.settings.start_tizu;
    const double west_edge = start_tizu == "1" ? 0 : -20;
    for (int i = 0; i < kPartnerRecords; ++i) {
        if (p.partner_name[i].empty()) continue;
        const platform::ColorValue c = m.partner_selected != 0 && i == m.partner_index ? kCyan : kBlue;
        if (p.partner_map_sel[i] == 0) {
            on_world_maps(ctx, world_map_x(p.partner_lon[i], start_tizu), world_map_y(p.partner_lat[i]), c);
        } else {
            const double z = p.partner_lon[i] < west_edge ? p.partner_lon[i] + 360 : p.partner_lon[i];
            on_zoom_maps(ctx, z, p.partner_lat[i], c);
        }
    }
    const OwnStation& own = ctx.orbit.station;
    const double x = world_map_x(own.station_lon, start_tizu), y = world_map_y(own.station_lat);
    m.markers.map_marker_name[kOwnStationMarker] = "観測地:" + own.call_sign;
    m.markers.map_marker_x[kOwnStationMarker] = x;
    m.markers.map_marker_y[kOwnStationMarker] = y;
    on_world_maps(ctx, x, y, kRed);
    on_zoom_maps(ctx, own.station_lon, own.station_lat, kRed);
}

}  // namespace torv
