#pragma once
#include "mainwindow/map_state.h"

// The own station and the registered partner stations on the maps.
namespace torv {

// Partner stations on the world maps or on the zoom maps (as each is registered), blue,
// the one last picked cyan; then the own station in red on every map, recorded as
// entry 7 of the marker table. The outer ring of each marker keeps the fill the picture
// was left with, so a station shows inside a ring of the colour drawn before it.
void plot_stations(MapContext& ctx);

// One station marker at (x, y) in the picture's units: a white ring of radius ring with
// the picture's current fill, then a solid disc of radius disc in colour c.
void station_marker(platform::PictureBox* box, double x, double y, double ring, double disc, platform::ColorValue c);

}  // namespace torv
