#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/datetime.h"
#include "common/sat_records.h"
#include "platform/color.h"
#include "rig/cat_port.h"
#include "rig/cw_keyer.h"
#include "rig/tracking.h"

// What the transceiver windows share with the rest of the program: the selected
// satellite's values and the port settings they read, the values and flags they
// publish, and the services of other windows they call. The App owns one RigContext and fills the services.
namespace torv {

// The selected satellite as the main window keeps it: the windows read the main
// window's own values, never a copy that could go stale.
struct CurrentSatellite {
    const std::string& selected_sat;
    const double& doppler_factor;  // received / sent frequency, refreshed every 950 ms
    // Passbands, beacon mode and tone of its frequency-range record.
    const CurrentSatValues& values;
};

// The transceivers' port settings ([FT847], [IC910], [TS2000], [FT736] CAT) as the main
// window keeps them: a port the station dialog registers is the one a window opens next.
struct CatPorts {
    const CatPortSetting& ft847;
    const CatPortSetting& ic910;
    const CatPortSetting& ts2000;
    const CatPortSetting& ft736;
};

// Flags each transceiver window keeps equal to its own state, for scheduled operation.
struct ScheduleMirror {
    int ft847_running = 0, ic910_running = 0, ts2000_running = 0, ft736_running = 0;
    int ft847_rx_auto = 0, ic910_rx_auto = 0, ts2000_rx_auto = 0, ft736_rx_auto = 0;
    int ft847_fixed_side = 0, ic910_fixed_side = 0, ts2000_fixed_side = 0, ft736_fixed_side = 0;
    int ft847_auto_capture = 0, ts2000_auto_capture = 0;
    int ft847_beacon_mode = 0, ts2000_beacon_mode = 0;
};

// The TS-2000 panel's colours as the main window loaded them ([COLOR] RMT_ keys, colour
// number texts).
struct RemotePanelColors {
    std::string rmt_send_color, rmt_becon_color, rmt_receive_color, rmt_sat_color, rmt_sat_freq_color,
        rmt_sat_rigu_color, rmt_sat_meta_color;
};

// Services of other windows. Any left empty does nothing.
struct RigServices {
    // Writes an item of the DDE export window ("Text12", "Text13", "Text15", "Text16").
    std::function<void(std::string_view item, const std::string& text)> dde_put;
    // Shows the satellite-information editor (modeless) for the selected satellite.
    std::function<void()> open_sat_info_editor;
    // Starts the selected satellite's companion programs.
    std::function<void()> run_sat_programs;
    // The scheduled-operation window's status line.
    std::function<void(const std::string&)> sched_status;
    // The main window's caption (the program's title), for the TS-2000 window's trace.
    std::function<std::string()> main_caption;
    // Loads the IC-910's channel-name dialog hidden (filling ic910_channel_names) unless
    // it is loaded; shows it.
    std::function<void()> load_channel_names;
    std::function<void()> show_channel_names;
    // The station's local time now (the CW contact log's time).
    std::function<DateTime()> local_now;
    // Loads the CW message memories into cw_message, the TS-2000 window's labels and
    // the editor, creating the editor (hidden) on first use.
    std::function<void()> cw_editor_load;
    // The TS-2000 panel's colours as the main window holds them now.
    std::function<RemotePanelColors()> panel_colors;
};

// A schedule that never runs, for windows made without one.
inline constexpr int16_t kNoScheduleRun = 0;

struct RigContext {
    RigContext(CurrentSatellite current, CatPorts cat_ports, RigShared& shared,
               const int16_t& schedule_running = kNoScheduleRun)
        : sat(current), ports(cat_ports), rig(shared), sched_running(schedule_running) {}

    CurrentSatellite sat;
    CatPorts ports;
    RigShared& rig;  // the link's frequencies and modes, shown by the main window too
    ScheduleMirror mirror;
    cw::Messages cw_message;  // the CW keyer's memories, as stored
    const int16_t& sched_running;                  // 1 while a schedule run drives the windows
    platform::ColorValue backcolor = 0x8000000F;   // the main window's background colour
    std::array<std::string, 20> ic910_channel_names;  // the IC-910's memory channels 0..19
    RigServices services;
};

}  // namespace torv
