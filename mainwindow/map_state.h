#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "common/paint_effects.h"
#include "common/station_table.h"
#include "orbit/sat_position.h"
#include "platform/picture_box.h"

// What the map drawing reads and keeps: the marker table the mouse handlers search, the
// slot being drawn, the display options, the zoom windows' flags, and the pictures drawn
// into. Plain values; the main window and the map windows own and set them.
namespace torv {

// Hover markers of the world maps: entries 0..6 the satellites of the display slots,
// entry 7 the own station. -999 and "" = no marker.
constexpr int kMapMarkers = 8;
constexpr int kOwnStationMarker = 7;
constexpr double kNoMarker = -999;
struct MapMarkerTable {
    std::array<std::string, kMapMarkers> map_marker_name{};
    std::array<double, kMapMarkers> map_marker_x{}, map_marker_y{};

    MapMarkerTable() { reset(); }
    void reset() {
        map_marker_name.fill("");
        map_marker_x.fill(kNoMarker);
        map_marker_y.fill(kNoMarker);
    }
};

struct MapState {
    // Display options from the settings.
    std::string start_tizu = "1";  // "1": the world maps begin at 0 degrees, else at 20 W
    int16_t kiseki_disp = 1;       // the next revolution of the selected satellite is drawn
    double kiseki_size = 30;       // track dot size
    int16_t future_orbits = 0;     // further revolutions asked for

    // The slot being drawn, handed from the redraw to the drawing routines.
    int16_t draw_slot = 0;
    double draw_sat_color = 0;
    std::string draw_sat_name;

    MapMarkerTable markers;

    // The partner station last picked on a map.
    int16_t partner_selected = 0;
    int16_t partner_index = 0;

    // The zoom windows: open (footprints are drawn into them), hatching ticked, the
    // partner map's centre and station, and the pixel sizes of the two pictures.
    int16_t local_zoom_open = 0, partner_zoom_open = 0;
    int16_t local_zoom_hatch = 0, partner_zoom_hatch = 0;
    std::string partner_zoom_lon;
    double partner_zoom_index = 0;
    int local_zoom_px_width = 396, local_zoom_px_height = 396;
    int partner_zoom_px_width = 396, partner_zoom_px_height = 396;

    // Own-station markers held down by the mouse, and the pointer positions.
    int16_t main_map_own_pinned = 0, world_zoom_own_pinned = 0, local_zoom_own_pinned = 0;
    double map_mouse_x = 9999, map_mouse_y = 9999;
    double world_zoom_mouse_x = 9999, world_zoom_mouse_y = 9999;

    // Previous outline point of a footprint on the partner zoom map.
    double partner_prev_x = 0, partner_prev_y = 0;
};

// The pictures the redraw draws into; a window that does not exist is left null and
// its pictures are skipped.
struct MapSurfaces {
    platform::PictureBox* main_map = nullptr;      // Form1.Picture2, world map
    platform::PictureBox* world_zoom = nullptr;    // Form14.Picture2, enlarged world map
    platform::PictureBox* local_zoom = nullptr;    // Form12.Picture1
    platform::PictureBox* partner_zoom = nullptr;  // Form13.Picture1
    platform::PictureBox* orbit_view = nullptr;    // Form1.Picture1
    platform::PictureBox* sky_view = nullptr;      // Form1.Picture4, twips
    // The ISS picture of each map window (Form14.Picture1, Form12.Picture2, Form13.Picture2).
    const StdPicture* world_zoom_iss = nullptr;
    const StdPicture* local_zoom_iss = nullptr;
    const StdPicture* partner_zoom_iss = nullptr;
};

// Drawing steps of the sky view that the satellite marker hands over to.
struct SkyViewSteps {
    std::function<void(double& colour)> plot_radar;  // the satellite on the sky view
    std::function<void()> plot_sun_moon_mars;        // the bodies on the sky view
};

// Everything one drawing routine needs.
struct MapContext {
    OrbitContext& orbit;
    const PartnerStationTable& partners;
    MapState& maps;
    MapSurfaces surfaces;
    SkyViewSteps sky;
};

}  // namespace torv
