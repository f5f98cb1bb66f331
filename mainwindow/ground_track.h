#pragma once
#include <string>

#include "mainwindow/map_state.h"

// Ground tracks: the last ten minutes of every shown satellite as dots on the world
// maps (and on the sky view while above the horizon), and the coming revolutions of
// the selected one.
namespace torv {

constexpr int kTrailPoints = 61;
// One revolution stops after this many 2-minute steps whatever its anomaly does (an
// orbit so eccentric that a step jumps the perigee window would otherwise never end).
constexpr int kMaxOrbitSteps = 1000;

// The display time as a UTC instant: the clock moved by the time controls.
DateTime display_instant_utc(TimeState& ts);

// The trail of name in colour, and for the selected satellite its revolutions. For a
// non-empty name, on return calc_time is the display instant, CalcResult holds the
// satellite there and realtime_flag is 1. Returns whether that last computation worked.
bool draw_ground_track(MapContext& ctx, std::string& name, double& colour);

// One revolution from the current calc_time on, starting at true anomaly b (degrees).
// Returns the number of steps made.
int draw_one_orbit(MapContext& ctx, std::string& name, double& colour, double b);

// The steps one revolution of a satellite with mean motion n (rev/day) may take.
int orbit_step_limit(double mean_motion);

// Dots the last computed sub-point on both world maps and, above the horizon, on the sky view.
void plot_track_point(MapContext& ctx, double& colour);
void plot_radar_track_point(MapContext& ctx, double& colour);

}  // namespace torv
