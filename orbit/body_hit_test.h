#pragma once
#include <array>
#include <cstdint>
#include <string>

// Whether the mouse pointer is on the marker of the Sun, the Moon or Mars. The map
// drawing stores where it put each body; the map windows' mouse handlers ask here.
namespace torv {

// Where the bodies were last plotted, by body index (0 Sun, 1 Moon, 2 Mars); -999, never
// hit, until they are.
struct BodyMarkers {
    std::array<double, 3> body_map_x{-999, -999, -999}, body_map_y{-999, -999, -999};  // main world map units
    std::array<double, 3> body_lon{-999, -999, -999}, body_lat{-999, -999, -999};  // degrees, as on the zoom maps
};

// Number of the pointer's coordinates (x, y) that match the point (px, py), 0, 1 or 2
// (2 = hit): within half either way, bounds included, compared in single precision; the
// lower bounds stop at xmin and ymin.
int16_t box_hits(double px, double py, float x, float y, float half, float xmin, float ymin);

// Number of the pointer's coordinates that match the marker, 0, 1 or 2 (2 = hit). A
// match is within 5 units either way, bounds included, compared in single precision;
// the lower x bound stops at the map's left edge (0 when start_tizu is "1", else -20),
// the lower y bound at -180.
int16_t marker_hits(double bx, double by, float x, float y, const std::string& start_tizu);

// The pointer (x, y) in world-map units against body i's main-map marker.
void body_hit_test_world(const BodyMarkers& markers, const std::string& start_tizu, int16_t i, int16_t& hits,
                         float x, float y);
// The pointer (x, y) in degrees on a local zoom map against body i's sub-point.
void body_hit_test_local(const BodyMarkers& markers, const std::string& start_tizu, int16_t i, int16_t& hits,
                         float x, float y);

}  // namespace torv
