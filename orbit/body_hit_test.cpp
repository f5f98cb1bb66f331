#include "orbit/body_hit_test.h"

namespace torv {

namespace {

constexpr float kHalfWindow = 5.0f;
constexpr float kBottomEdge = -180.0f;

float left_edge(const std::string& start_tizu) { return start_tizu == "1" ? 0.0f : -20.0f; }

}  // namespace

int16_t marker_hits(double bx, double by, float x, float y, const std::string& start_tizu) {
    const float fx = static_cast<float>(bx), fy = static_cast<float>(by);
    const float xhi = x + kHalfWindow;
    float xlo = x - kHalfWindow;
    if (xlo < left_edge(start_tizu)) xlo = left_edge(start_tizu);
    int16_t hits = 0;
    if (xlo <= fx && fx <= xhi) hits = 1;
    const float yhi = y + kHalfWindow;
    float ylo = y - kHalfWindow;
    if (ylo < kBottomEdge) ylo = kBottomEdge;
    if (ylo <= fy && fy <= yhi) ++hits;
    return hits;
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
