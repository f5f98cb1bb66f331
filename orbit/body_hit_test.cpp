#include "orbit/body_hit_test.h"

#include <algorithm>

namespace torv {

namespace {

constexpr float kHalfWindow = 5.0f;
constexpr float kBottomEdge = -180.0f;

float left_edge(const std::string& start_tizu) { return start_tizu == "1" ? 0.0f : -20.0f; }

}  // namespace

int16_t box_hits(double px, double py, float x, float y, float half, float xmin, float ymin) {
    const float fx = static_cast<float>(px), fy = static_cast<float>(py);
    const float xlo = std::max(x - half, xmin), ylo = std::max(y - half, ymin);
    int16_t hits = 0;
    if (xlo <= fx && fx <= x + half) hits = 1;
    if (ylo <= fy && fy <= y + half) ++hits;
    return hits;
}

int16_t marker_hits(double bx, double by, float x, float y, const std::string& start_tizu) {
    return box_hits(bx, by, x, y, kHalfWindow, left_edge(start_tizu), kBottomEdge);
}

void body_hit_test_world(const BodyMarkers& m, const std::string& start_tizu, int16_t i, int16_t& hits, float x,
                         float y) {
    hits = marker_hits(m.body_map_x.at(i), m.body_map_y.at(i), x, y, start_tizu);
}

void body_hit_test_local(const BodyMarkers& m, const std::string& start_tizu, int16_t i, int16_t& hits, float x,
                         float y) {
    hits = marker_hits(m.body_lon.at(i), m.body_lat.at(i), x, y, start_tizu);
}

}  // namespace torv
