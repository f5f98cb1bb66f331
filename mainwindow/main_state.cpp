#include "mainwindow/main_state.h"

namespace torv {

void sat_state_reset(MainViewState& view) {
    MapMarkerTable& m = view.markers;
    for (int i = 0; i < kMapMarkers; ++i) {
        m.map_marker_name[i].clear();
        m.map_marker_x[i] = -999;
        m.map_marker_y[i] = -999;
    }
    view.map_mouse_x = view.map_mouse_y = 9999;
    view.world_zoom_mouse_x = view.world_zoom_mouse_y = 9999;
}

}  // namespace torv
