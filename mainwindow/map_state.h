#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "common/paint_effects.h"
#include "common/station_table.h"
#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "orbit/sat_position.h"
#include "platform/picture_box.h"

// What the map drawing reads and keeps, and the pictures it draws into.
namespace torv {

// What only the map drawing keeps; the shared view values (the slot being drawn, the
// marker table, the zoom windows' open flags and pixel sizes, the mouse positions, the
// partner pick) are MainViewState's, the display options MainSettings'.
struct MapState {
    int16_t draw_slot = 0;  // the display slot being drawn, 0..6

    // The zoom windows' hatching boxes, and the partner map's centre, station and bitmap
    // (the own local map's until a partner station is picked).
    int16_t local_zoom_hatch = 0, partner_zoom_hatch = 0;
    std::string partner_zoom_lon;
    double partner_zoom_index = 0;
    std::string partner_zoom_map_file;

    // Own-station markers held down by the mouse.
    int16_t main_map_own_pinned = 0, world_zoom_own_pinned = 0, local_zoom_own_pinned = 0;

    // Previous outline point of a footprint on the partner zoom map.
    double partner_prev_x = 0, partner_prev_y = 0;

    // The map windows' bitmaps the operator has been told are unreadable: a window
    // loaded again does not tell of them again.
    std::set<std::string> bitmaps_noted;
};

// How the windows tell of pictures they could not read; each name follows on a line.
inline const char* const kUnreadablePicturesNote = "画像ファイルを読み込めませんでした（空の画像で続行します）：";

// The pictures the redraw draws into; a window that does not exist is left null and
// its pictures are skipped.
struct MapSurfaces {
    platform::PictureBox* main_map = nullptr;      // MainWindow.Picture2, world map
    platform::PictureBox* world_zoom = nullptr;    // WorldZoomWindow.Picture2, enlarged world map
    platform::PictureBox* local_zoom = nullptr;    // LocalZoomWindow.Picture1
    platform::PictureBox* partner_zoom = nullptr;  // PartnerZoomWindow.Picture1
    platform::PictureBox* orbit_view = nullptr;    // MainWindow.Picture1
    platform::PictureBox* sky_view = nullptr;      // MainWindow.Picture4, twips
    // The ISS picture of each map window (WorldZoomWindow.Picture1, LocalZoomWindow.Picture2,
    // PartnerZoomWindow.Picture2).
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
    const MainSettings& settings;  // start_tizu, kiseki_disp, kiseki_size
    MainViewState& view;
    MapState& maps;
    MapSurfaces surfaces;
    SkyViewSteps sky;
};

}  // namespace torv
