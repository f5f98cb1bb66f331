#include "mainwindow/map_readouts.h"

#include <algorithm>

#include "common/number_text.h"
#include "mainwindow/map_geometry.h"
#include "orbit/bodies.h"

namespace torv {

namespace {

constexpr float kZoomHalf = 0.5f;
constexpr float kZoomLeft = 0;
constexpr float kZoomBottom = -90;
constexpr int kStationsTested = 5;

int16_t zoom_hits(double px, double py, float x, float y) {
    return box_hits(px, py, x, y, kZoomHalf, kZoomLeft, kZoomBottom);
}

bool marker_hit(const ReadoutTables& t, const ReadoutParams& p, int16_t i, float x, float y) {
    int16_t hit = 0;
    if (p.world) hit_sat_marker(t.markers, t.start_tizu, i, hit, x, y);
    else hit_sat_marker_local(t.markers, t.start_tizu, i, hit, x, y);
    return hit == 2;
}

bool station_hit(const ReadoutTables& t, const ReadoutParams& p, int16_t i, float x, float y) {
    int16_t hit = 0;
    if (p.world) hit_station_marker(t.partners, t.start_tizu, i, hit, x, y);
    else hit_station_marker_local(t.partners, p.station_flag, i, hit, x, y);
    return hit == 2;
}

bool body_hit(const ReadoutTables& t, const ReadoutParams& p, int16_t i, float x, float y) {
    int16_t hit = 0;
    if (p.world) body_hit_test_world(t.bodies, t.start_tizu, i, hit, x, y);
    else body_hit_test_local(t.bodies, t.start_tizu, i, hit, x, y);
    return hit == 2;
}

// The first entry of a family that the pointer hits, or -1.
template <class Hit>
int first_hit(int entries, Hit hit) {
    for (int16_t i = 0; i < entries; ++i)
        if (hit(i)) return i;
    return -1;
}

}  // namespace

void hit_sat_marker(const MapMarkerTable& m, const std::string& start_tizu, int16_t i, int16_t& hit, float x,
                    float y) {
    hit = marker_hits(m.map_marker_x.at(i), m.map_marker_y.at(i), x, y, start_tizu);
}

void hit_station_marker(const PartnerStationTable& p, const std::string& start_tizu, int16_t i, int16_t& hit,
                        float x, float y) {
    hit = 0;
    if (p.partner_name.at(i).empty() || p.partner_map_sel[i] == 1) return;
    hit = marker_hits(world_map_x(p.partner_lon[i], start_tizu), world_map_y(p.partner_lat[i]), x, y, start_tizu);
}

ZoomPoint zoom_marker_point(double map_x, double map_y, const std::string& start_tizu) {
    double lon = map_x / 2;
    if (start_tizu != "1") {
        lon -= 20;
        if (lon < 0) lon += 360;
    }
    return {lon, map_y / 2};
}

void hit_sat_marker_local(const MapMarkerTable& m, const std::string& start_tizu, int16_t i, int16_t& hit, float x,
                          float y) {
    const ZoomPoint z = zoom_marker_point(m.map_marker_x.at(i), m.map_marker_y.at(i), start_tizu);
    hit = zoom_hits(z.lon, z.lat, x, y);
}

void hit_station_marker_local(const PartnerStationTable& p, int station_flag, int16_t i, int16_t& hit, float x,
                              float y) {
    hit = 0;
    if (p.partner_name.at(i).empty()) return;
    if (station_flag >= 0 && p.partner_map_sel[i] != station_flag) return;
    const double lon = p.partner_lon[i] < 0 ? p.partner_lon[i] + 360 : p.partner_lon[i];
    hit = zoom_hits(lon, p.partner_lat[i], x, y);
}

std::string body_tip_text(const std::string& name, int body, double distance_km) {
    const bool moon = body == kMoon;
    const double round_trip = moon ? 2 * distance_km / 300000 : 2 * distance_km / 1.8e7;
    return name + "距離：" + format_number(distance_km, "#0") + "km 電波の往復時間:" +
           format_number(round_trip, "#0.0") + (moon ? "秒" : "分");
}

void map_hover(const ReadoutTables& t, const ReadoutParams& p, float x, float y, double& last_x, double& last_y,
               std::string& tip) {
    const float left = std::max(x - p.keep, 0.0f), right = x + p.keep;
    const float bottom = std::max(y - p.keep, p.ymin), top = y + p.keep;
    const auto forget_when_far = [&] {
        const float lx = static_cast<float>(last_x), ly = static_cast<float>(last_y);
        const bool near = left <= lx && lx <= right && bottom <= ly && ly <= top;
        if (!near) tip.clear();
    };
    const auto take = [&](int i, const std::string& text) {
        if (i < 0) return;
        last_x = x;
        last_y = y;
        tip = text;
    };
    const int marker = first_hit(kMapMarkers, [&](int16_t i) { return marker_hit(t, p, i, x, y); });
    take(marker, marker >= 0 ? t.markers.map_marker_name[marker] : std::string());
    forget_when_far();
    const int station = first_hit(kStationsTested, [&](int16_t i) { return station_hit(t, p, i, x, y); });
    take(station, station >= 0 ? t.partners.partner_name[station] : std::string());
    if (p.bodies) {
        const int body = first_hit(3, [&](int16_t i) { return body_hit(t, p, i, x, y); });
        take(body, body >= 0 ? body_tip_text(t.body_names[body], body, t.body_dist[body]) : std::string());
    }
    forget_when_far();
}

MapClick map_click(const ReadoutTables& t, const ReadoutParams& p, float x, float y, double& last_x, double& last_y) {
    MapClick c;
    c.marker = first_hit(kMapMarkers, [&](int16_t i) { return marker_hit(t, p, i, x, y); });
    if (c.marker >= 0) {
        last_x = x;
        last_y = y;
    }
    c.station = first_hit(kStationsTested, [&](int16_t i) { return station_hit(t, p, i, x, y); });
    if (p.bodies) c.mars = first_hit(3, [&](int16_t i) { return body_hit(t, p, i, x, y); }) == kMars;
    return c;
}

}  // namespace torv
