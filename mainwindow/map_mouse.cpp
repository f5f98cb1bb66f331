#include "mainwindow/map_mouse.h"

#include "common/number_text.h"
#include "mainwindow/map_geometry.h"

namespace torv {

namespace {

constexpr platform::ColorValue kOwnStationPrint = 16711680;  // blue

void print_at(platform::PictureBox& box, double x, double y, const std::string& text) {
    box.currentX = x;
    box.currentY = y;
    box.Print(QString::fromStdString(text));
}

void call(const std::function<void()>& step) {
    if (step) step();
}

}  // namespace

ReadoutTables readout_tables(const MainViewState& view, const PartnerStationTable& partners, const BodyState& bodies,
                             const MainSettings& settings) {
    return ReadoutTables{view.markers,     partners,         view.body_markers,
                         bodies.body_dist, view.body_names, settings.start_tizu};
}

void print_own_station(platform::PictureBox& box, const OwnStation& own, const ReadoutParams& p, double x, double y) {
    box.foreColor = kOwnStationPrint;
    print_at(box, x + p.lat_dx, y + p.lat_dy, own.call_sign + ":" + "緯度：" + format_number(own.station_lat, "###.00"));
    print_at(box, x + p.lon_dx, y + p.lon_dy, "経度：" + format_number(own.station_lon, "###.00"));
}

void attach_map_mouse(platform::PictureBox& box, const ReadoutParams& p, const ReadoutTables& tables,
                      MapPointerState state, const OwnStation& own, MapClickSteps steps) {
    box.setMouseTracking(true);
    box.MouseMove = [&box, p, tables, state](int, int, double x, double y) {
        std::string tip = box.toolTip().toStdString();
        map_hover(tables, p, static_cast<float>(x), static_cast<float>(y), state.last_x, state.last_y, tip);
        box.setToolTip(QString::fromStdString(tip));
    };
    box.MouseDown = [&box, p, tables, state, &own, steps](int, int, double x, double y) {
        const MapClick c = map_click(tables, p, static_cast<float>(x), static_cast<float>(y), state.last_x, state.last_y);
        // The steps may open windows and message boxes: the picture is not touched after them.
        if (c.marker == kOwnStationMarker) {
            if (state.pinned) *state.pinned = 1;
            print_own_station(box, own, p, state.last_x, state.last_y);
            call(steps.own_station);
        } else if (c.marker >= 0 && steps.satellite) {
            steps.satellite(tables.markers.map_marker_name[c.marker]);
        }
        if (c.station >= 0 && steps.station) steps.station(c.station);
        if (c.mars) call(steps.mars);
    };
    box.MouseUp = [state](int, int, double, double) {
        if (state.pinned) *state.pinned = 0;
    };
}

}  // namespace torv
