#pragma once
#include <array>
#include <string>

#include "common/paint_effects.h"
#include "mainwindow/map_state.h"
#include "orbit/bodies.h"
#include "orbit/body_hit_test.h"

// The Sun, the Moon and Mars on the four maps: a marker at each body's sub-point and,
// unless switched off, its visibility circle (for the Sun, the day/night boundary). The
// marker positions go into the body position table the maps' mouse handlers read.
namespace torv {

// The icons loaded at start-up, by BodyIndex (sun1.bmp, moon1.bmp, kaseix.bmp); a file
// that was missing leaves its picture empty, and that body is drawn as a dot.
using BodyIcons = std::array<StdPicture, 3>;

// Display mode of a body: 0 hidden, 1 dot, 2 icon, 3 icon without the circle.
int16_t body_mode(const MainSettings& s, int body);
double body_colour(const MainSettings& s, int body);
// BodyIndex of a body key ("SUN", "MOON", "KASEI"); -1 for any other.
int body_index(const std::string& key);

// How one body is drawn on a map.
struct BodyLook {
    int16_t mode = 1;
    platform::ColorValue colour = 0;
    const StdPicture* icon = nullptr;
};

// World-map x of a sub-point longitude (0..360). With the maps beginning at 20 W, a
// longitude from 340 up to 360 is first rewritten as its negative, in place.
double body_world_x(double& lon, const std::string& start_tizu);
// Longitudes on the local zoom map (west of 0 plus 360) and on the partner zoom map
// (from -15 on as they are).
double local_zoom_body_x(double lon);
double partner_zoom_body_x(double lon);

// One body on one map, at a world-map point (x, y) or a zoom-map point (zx, lat) of a
// picture of px_w x px_h pixels.
void draw_body_on_main_map(platform::PictureBox& box, double x, double y, platform::ColorValue colour);
void draw_body_on_world_zoom(platform::PictureBox& box, double x, double y, const BodyLook& look);
void draw_body_on_zoom(platform::PictureBox& box, double zx, double lat, int px_w, int px_h, const BodyLook& look);

// For a zoom map window: the three bodies shown on its picture from the body position
// table, as the redraw puts them there.
enum class ZoomMap { Local, Partner };
void draw_bodies_on_zoom_map(platform::PictureBox& box, ZoomMap map, int px_w, int px_h, const BodyMarkers& markers,
                             const MainSettings& settings, const BodyIcons& icons);

// The marker of one body on the four maps and its entry in the body position table;
// lon may be rewritten (see body_world_x). The height is not used.
void draw_body_marker(MapContext& ctx, const BodyIcons& icons, double& lat, double& lon, double& height,
                      double& colour, const std::string& key);
// The visibility circle of a body at height dbletakasa km; none at or below the ground.
void star_position_disp(MapContext& ctx, double& sveido, double& svekeido, double& dbletakasa, double& iro,
                        std::string& star_name);

// Mars, then the Sun, then the Moon, as their display modes say; once per redraw,
// after the satellites. The shared longitudes keep their rewrite until the next
// computation of the bodies.
void draw_bodies(MapContext& ctx, BodyState& bodies, const BodyIcons& icons);

}  // namespace torv
