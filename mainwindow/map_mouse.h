#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "common/station_table.h"
#include "mainwindow/main_settings.h"
#include "mainwindow/map_readouts.h"
#include "orbit/bodies.h"
#include "platform/picture_box.h"

// The mouse on a map picture: tool tips while it moves, the clicked markers acted on, the
// own station's coordinates printed while a button is held on it.
namespace torv {

// The read-outs' tables in the program's state.
ReadoutTables readout_tables(const MainViewState& view, const PartnerStationTable& partners, const BodyState& bodies,
                             const MainSettings& settings);

// The own station's call sign and latitude, and its longitude, printed in blue at (x, y)
// plus the picture's offsets.
void print_own_station(platform::PictureBox& box, const OwnStation& own, const ReadoutParams& p, double x, double y);

// What a click does beyond the print; an empty step does nothing.
struct MapClickSteps {
    std::function<void()> own_station;                       // after the print
    std::function<void(const std::string& name)> satellite;  // a satellite's marker
    std::function<void(int station)> station;                // a registered station
    std::function<void()> mars;
};

// Where a picture keeps its read-out state: the last hit, and the flag that holds the
// own station's print (null: not held).
struct MapPointerState {
    double& last_x;
    double& last_y;
    int16_t* pinned;
};

// Sets the picture's mouse handlers. The tables and state outlive the picture.
void attach_map_mouse(platform::PictureBox& box, const ReadoutParams& p, const ReadoutTables& tables,
                      MapPointerState state, const OwnStation& own, MapClickSteps steps);

}  // namespace torv
