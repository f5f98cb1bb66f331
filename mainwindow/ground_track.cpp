#include "mainwindow/ground_track.h"

#include <cmath>

#include "mainwindow/map_geometry.h"
#include "mainwindow/sky_view.h"

namespace torv {

namespace {

constexpr double kTrailStartMinutes = -10;
constexpr double kTrailStepSeconds = 10;
constexpr double kOrbitStepMinutes = 2;
constexpr double kMainDotDivisor = 10, kEnlargedDotDivisor = 15;

void track_dot(platform::PictureBox* box, double x, double y, double radius, platform::ColorValue c) {
    if (!box) return;
    box->fillColor = c;
    box->fillStyle = platform::PictureBox::Solid;
    box->Circle(x, y, radius, c);
}

// The satellite at the current calc_time, dotted when it could be computed.
bool compute_and_plot(MapContext& ctx, std::string& name, double& colour) {
    if (!sat_position_disp(ctx.orbit, name)) return false;
    plot_track_point(ctx, colour);
    return true;
}

}  // namespace

DateTime display_instant_utc(TimeState& ts) { return local_to_utc(ts, simulated_local_time(ts, clock_local_now(ts))); }

bool draw_ground_track(MapContext& ctx, std::string& name, double& colour) {
    if (name.empty()) return false;
    TimeState& ts = ctx.orbit.time;
    const int16_t kiseki_disp = ctx.settings.kiseki_disp, future_orbits = ctx.view.future_orbits;
    ts.realtime_flag = 0;
    ts.calc_time = add_minutes(display_instant_utc(ts), kTrailStartMinutes);
    for (int i = 0; i < kTrailPoints; ++i) {
        ts.calc_time = add_seconds(ts.calc_time, kTrailStepSeconds);
        compute_and_plot(ctx, name, colour);
    }
    ts.calc_time = display_instant_utc(ts);
    if (name == ctx.orbit.selected_sat && (kiseki_disp != 0 || future_orbits != 0)) {
        const double b = ctx.orbit.orbit.calc.calc_true_anomaly;
        const int revolutions = kiseki_disp != 0 ? future_orbits + 1 : future_orbits;
        for (int r = 0; r < revolutions; ++r) draw_one_orbit(ctx, name, colour, b);
        ts.calc_time = display_instant_utc(ts);
    }
    const bool ok = sat_position_disp(ctx.orbit, name);
    ts.realtime_flag = 1;
    return ok;
}

int orbit_step_limit(double mean_motion) {
    if (!(mean_motion > 0)) return 0;
    // One period in steps, with room for the anomaly to reach its threshold.
    const double steps = std::ceil(1.1 * (1440.0 / mean_motion) / kOrbitStepMinutes) + 2;
    return steps < kMaxOrbitSteps ? static_cast<int>(steps) : kMaxOrbitSteps;
}

int draw_one_orbit(MapContext& ctx, std::string& name, double& colour, double b) {
    TimeState& ts = ctx.orbit.time;
    const CalcResult& c = ctx.orbit.orbit.calc;
    const int limit = orbit_step_limit(ctx.orbit.orbit.sat_elements.mean_motion);
    int steps = 0;
    auto step = [&] {
        if (steps >= limit) return false;
        ++steps;
        ts.calc_time = add_minutes(ts.calc_time, kOrbitStepMinutes);
        return compute_and_plot(ctx, name, colour);
    };
    const auto A = [&] { return c.calc_true_anomaly; };
    if (10 < b && b < 350) {
        while (A() >= 10 && step()) {}  // until the satellite has passed perigee
        while (A() < b && step()) {}
    } else if (0 <= b && b <= 10) {
        while (A() <= 180 && step()) {}
        while (A() >= 10 && step()) {}
    } else {
        while (A() >= 180 && step()) {}
        while (A() <= 350 && step()) {}
    }
    return steps;
}

void plot_track_point(MapContext& ctx, double& colour) {
    const CalcResult& calc = ctx.orbit.orbit.calc;
    const double x = world_map_x(calc.calc_sub_lon, ctx.settings.start_tizu), y = world_map_y(calc.calc_sub_lat);
    const platform::ColorValue c = color_value(colour);
    track_dot(ctx.surfaces.main_map, x, y, ctx.settings.kiseki_size / kMainDotDivisor, c);
    track_dot(ctx.surfaces.world_zoom, x, y, ctx.settings.kiseki_size / kEnlargedDotDivisor, c);
    plot_radar_track_point(ctx, colour);
}

void plot_radar_track_point(MapContext& ctx, double& colour) {
    platform::PictureBox* box = ctx.surfaces.sky_view;
    const CalcResult& calc = ctx.orbit.orbit.calc;
    const double E = rad_to_deg(calc.calc_el);
    if (!box || E < 0) return;
    const RadarPoint P = sky_view_point(*box, calc.calc_az, E);
    const platform::ColorValue c = color_value(colour);
    box->fillColor = c;
    box->fillStyle = platform::PictureBox::Solid;
    box->Circle(P.x, P.y, ctx.settings.kiseki_size, c);
    box->fillStyle = platform::PictureBox::Transparent;
}

}  // namespace torv
