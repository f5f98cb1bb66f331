#pragma once
#include <string>

#include "mainwindow/map_state.h"
#include "mainwindow/result_texts.h"  // kBlack, kBlue, kYellow
#include "platform/color.h"

// World maps: 720 x 360 units, two per degree, x eastward from the map's left edge (the
// 0 meridian, or 20 W when start_tizu is not "1"), y = 2 x latitude, growing north.
// Zoom maps: plain degrees of longitude and latitude.
namespace torv {

using platform::kWhite;
using platform::kRed;
using platform::kGreen;
using platform::kCyan;


constexpr double kWorldMapWidth = 720;

// Map longitude: degrees 0..360 eastward from the world map's left edge.
double map_longitude(double lon, const std::string& start_tizu);
inline double world_map_x(double lon, const std::string& start_tizu) { return 2 * map_longitude(lon, start_tizu); }
inline double world_map_y(double lat) { return 2 * lat; }

// A colour held as a floating-point number, as drawn.
platform::ColorValue color_value(double colour);

// The user scales of the maps.
void set_world_map_scale(platform::PictureBox& box);
void set_local_zoom_scale(platform::PictureBox& box, double centre_lon, double centre_lat);
void set_asia_zoom_scale(platform::PictureBox& box);

// The grids of all four maps, drawn first at every redraw.
void draw_map_graticules(const MapContext& ctx);

// The grid of one zoom map, read from its current scale: green lines every 5 degrees
// from the rounded edges, labelled in red.
void draw_zoom_grid(platform::PictureBox& box);

}  // namespace torv
