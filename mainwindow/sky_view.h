#pragma once
#include "mainwindow/main_settings.h"
#include "mainwindow/radar_view.h"
#include "orbit/sat_position.h"
#include "platform/picture_box.h"

// The polar sky view (MainWindow.Picture4, twips): its grid, and a satellite's marker with its
// azimuth and elevation captions. The view's width and height are read from the box each
// time, so every drawing on the view (the track points, the bodies) projects through
// sky_view_point.
namespace torv {

// Where a direction (azimuth in radians, elevation in degrees) lies on the view.
RadarPoint sky_view_point(const platform::PictureBox& box, double az_rad, double el_deg);

// The white cross and the elevation circles 60, 30 and 0 degrees.
void draw_radar_grid(platform::PictureBox& box);

// The marker of the satellite last computed (a disc of the slot colour with a red rim and
// a white ring), and its captions when reda_disp_info is "1". Nothing below the horizon.
void draw_radar_marker(platform::PictureBox& box, const CalcResult& calc, double colour, const MainSettings& settings);

}  // namespace torv
