// The main world map's mouse, and what the maps' clicks ask of the main window: the
// local zoom map opened, a registered station picked as the partner.
#include "common/sat_info_tips.h"
#include "common/web_pages.h"
#include "mainwindow/main_window.h"
#include "mainwindow/map_mouse.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

void MainWindow::connect_map_mouse() {
    MapClickSteps steps;
    steps.own_station = [this] { open_local_zoom_from_map(); };
    steps.satellite = [](const std::string& name) { open_sat_url(name); };
    steps.station = [this](int i) {
        select_partner_station(i);
        open_partner_map(i);
    };
    steps.mars = [this] { start_rtt_countdown(); };
    attach_map_mouse(Picture2, kMainMapReadouts, readout_tables(l_.view, l_.partners, l_.bodies, l_.settings),
                     {l_.view.map_mouse_x, l_.view.map_mouse_y, &maps_.main_map_own_pinned}, l_.station, steps);
}

void MainWindow::open_local_zoom_from_map() {
    const std::array<std::string, kSlots> names = l_.groups.shown();
    l_.seam.zoom_slot_labels(names);
    load_sat_info(l_.tips, names);
    open_local_zoom();
}

void MainWindow::select_partner_station(int i) {
    MainViewState& v = l_.view;
    const PartnerStationTable& p = l_.partners;
    v.partner_selected = 1;
    v.partner_index = static_cast<int16_t>(i);
    Frame7.setCaption(qs(p.partner_name[i]));
    OrbitContext ctx = orbit_context();
    std::string name = l_.groups.selected_sat;
    sat_view_from_station(ctx, name, p.partner_lon[i], p.partner_lat[i], p.partner_height[i], p.partner_time_diff[i],
                          v.partner_view_az, v.partner_view_el);
    Frame7.show();
}

}  // namespace torv
