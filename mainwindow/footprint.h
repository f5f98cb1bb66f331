#pragma once
#include <array>
#include <optional>
#include <string>

#include "mainwindow/map_state.h"
#include "platform/color.h"

// The footprint: the circle on the ground from which a satellite (or a body) stands
// above the horizon, as 121 outline points 3 degrees of azimuth apart around the
// sub-point, drawn on the world maps split at their edges and, while the zoom windows
// are open, on the zoom maps.
namespace torv {

constexpr int kFootprintPoints = 121;

struct FootprintPoint {
    double a = 0;    // azimuth from the sub-point, degrees, 0 = north
    double lon = 0;  // map longitude, 0 <= lon < 360
    double lat = 0;  // degrees
};
using FootprintOutline = std::array<FootprintPoint, kFootprintPoints>;

// The outline around the sub-point (lat0, lon0 in degrees, lon0 east -180..180) for a
// height h in km. None at a height of 0 km or below (or not a number): there is no
// circle to draw.
std::optional<FootprintOutline> footprint_outline(double lat0, double lon0, double h, const std::string& start_tizu);

// One world-map line in map units.
struct MapLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
// The lines of one outline step from prev to cur on a world map: one line, or two
// where the step jumps more than 250 degrees of map longitude and so leaves the map at
// one edge and comes in at the other (both pieces meet the edges at the mean latitude).
// Returns the number of lines written to out.
int world_map_lines(const FootprintPoint& prev, const FootprintPoint& cur, std::array<MapLine, 2>& out);

// The footprint of a sub-point (lat, lon, height) in colour on every map it belongs on.
void draw_footprint(MapContext& ctx, double lat, double lon, double height, double& colour);

// One outline point on the local zoom map (a = 0 starts the outline with a dot).
void plot_footprint_asia(MapContext& ctx, double a, double lon, double lat, platform::ColorValue colour,
                         double prev_lon, double prev_lat);
// One outline point on the partner zoom map: the first for a map centred at 15 degrees
// or less, which shows longitudes west of 0 as negative, the second for others.
void plot_footprint_local(MapContext& ctx, double a, double lon, double lat, platform::ColorValue colour);
void plot_footprint_local_wide(MapContext& ctx, double a, double lon, double lat, platform::ColorValue colour);

// One hatching line on a zoom map from the last computed satellite's longitude to (x, y).
void hatch_footprint(MapContext& ctx, platform::PictureBox& box, double x, double y);

}  // namespace torv
