#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "common/station_table.h"
#include "mainwindow/main_state.h"
#include "orbit/body_hit_test.h"

// What the map pictures read out under the mouse: the satellites and the own station of
// the marker table, the registered stations, the Sun, the Moon and Mars. Each map tests
// them in that order with its own units, boxes and keep distance.
namespace torv {

// One map picture's read-out parameters.
struct ReadoutParams {
    bool world = true;       // world-map units (2 per degree), else zoom-map degrees
    float keep = 10;         // a tool tip stays while the mouse is this near its last hit
    float ymin = -180;       // the lowest y of the boxes
    int station_flag = 0;    // the map flag a registered station must have; -1 any
    bool bodies = true;      // the Sun, the Moon and Mars answer
    // Where the own station's coordinates are printed, from the last hit: the latitude
    // line, then the longitude line.
    double lat_dx = 0, lat_dy = 0, lon_dx = 0, lon_dy = 0;
};

inline constexpr ReadoutParams kMainMapReadouts{true, 10, -180, 0, true, 0, 20, 83, 0};
inline constexpr ReadoutParams kWorldZoomReadouts{true, 10, -180, 0, true, 20, 10, 55, 0};
inline constexpr ReadoutParams kLocalZoomReadouts{false, 0.7f, -90, 1, true, 2, -2, 5.5, -3.5};
inline constexpr ReadoutParams kPartnerZoomReadouts{false, 0.7f, -90, -1, false, 2, -2, 5.5, -3};

// The tables the read-outs look at.
struct ReadoutTables {
    const MapMarkerTable& markers;
    const PartnerStationTable& partners;
    const BodyMarkers& bodies;
    const std::array<double, 3>& body_dist;          // km from the own station
    const std::array<std::string, 3>& body_names;   // "太陽", "月", "火星"
    const std::string& start_tizu;
};

// The hit tests: hit counts the coordinates of the pointer (x, y) that match, 2 = a hit.
// World maps, +-5 units: marker entry i (0..7), registered station i (0..5) of map
// flag 0.
void hit_sat_marker(const MapMarkerTable& markers, const std::string& start_tizu, int16_t i, int16_t& hit, float x,
                    float y);
void hit_station_marker(const PartnerStationTable& partners, const std::string& start_tizu, int16_t i, int16_t& hit,
                        float x, float y);
// Zoom maps, +-0.5 degree: marker entry i where the zoom maps draw it; registered station
// i of the map flag given (-1: any).
void hit_sat_marker_local(const MapMarkerTable& markers, const std::string& start_tizu, int16_t i, int16_t& hit,
                          float x, float y);
void hit_station_marker_local(const PartnerStationTable& partners, int station_flag, int16_t i, int16_t& hit, float x,
                              float y);

// Where the zoom maps draw a marker stored in world-map units: longitude 0..360, latitude.
struct ZoomPoint {
    double lon, lat;
};
ZoomPoint zoom_marker_point(double map_x, double map_y, const std::string& start_tizu);

// A body's tool tip: name, distance and the radio round-trip time ("分" for the Sun and
// Mars, "秒" for the Moon).
std::string body_tip_text(const std::string& name, int body, double distance_km);

// The mouse over a map at (x, y): the tool tip of the last family hit (bodies over
// stations over markers, the lowest entry within a family), the hit's position kept in
// (last_x, last_y); with nothing hit the tip stays while the mouse is within keep of the
// last hit, and is emptied beyond.
void map_hover(const ReadoutTables& t, const ReadoutParams& p, float x, float y, double& last_x, double& last_y,
               std::string& tip);

// What a click at (x, y) hit: the first of each family (-1 none). A marker hit becomes
// the last hit.
struct MapClick {
    int marker = -1;
    int station = -1;
    bool mars = false;
};
MapClick map_click(const ReadoutTables& t, const ReadoutParams& p, float x, float y, double& last_x, double& last_y);

}  // namespace torv
