#pragma once
#include <QPoint>
#include <string>

#include "mainwindow/map_state.h"

// One satellite of the shown group on every map: stations, its marker and name, the
// sky view, then its footprint.
namespace torv {

constexpr int kWorldZoomPxWidth = 903, kWorldZoomPxHeight = 453;

// Shows the satellite last computed, at (sveido, svekeido) and height dbletakasa, in
// colour iro; nothing at all for an empty name.
void disp(MapContext& ctx, double& sveido, double& svekeido, double& dbletakasa, double& iro, std::string& EISEI_NAME);

// The marker of the satellite last computed on all maps and the sky view, and its
// marker-table entry (slot draw_slot, name draw_sat_name).
void plot_satellite_marker(MapContext& ctx, double& colour);

// Pixel of the ISS picture's top-left corner on the enlarged world map for the map
// point (x, y), and on a zoom map of pixel size px_w x px_h for the point (X, Y) in
// its degrees. Halves go to the even pixel.
QPoint iss_corner_world_zoom(double x, double y);
QPoint iss_corner_zoom(const platform::PictureBox& box, double X, double Y, int px_w, int px_h);

// Paints the top-left size x size pixels of a picture with black transparent, its
// corner at a pixel of the box; false (nothing painted) when there is no picture.
bool paint_map_picture(platform::PictureBox& box, const StdPicture* picture, QPoint corner, int size);

// A disc in colour c with a black rim: a filled circle of radius outer in black under
// one of radius inner in c.
void two_circles(platform::PictureBox& box, double x, double y, double outer, double inner, platform::ColorValue c);

// Whether a satellite carries the ISS picture.
bool shows_iss_picture(const std::string& name);

}  // namespace torv
