#pragma once
#include <cstdint>

// Scheduled operation's values that the main window, the transceiver windows and the
// schedule window share. Only the schedule window writes the two flags; the main
// window's pass-list double-click writes the picked pass.
namespace torv {

struct ScheduleState {
    int16_t sched_window_open = 0;  // 1 while the schedule window is loaded: the pass list registers, the chart ignores clicks
    int16_t sched_running = 0;      // 1 while the schedule runs the transceivers unattended
    // The pass last double-clicked in the pass list: minutes visible, maximum elevation
    // and the azimuth at that maximum (degrees).
    int16_t sched_pass_minutes = 0;
    float sched_pass_max_el = 0;
    float sched_pass_az = 0;
    int16_t sched_entry_slot = 0;      // 0..6: the entry's satellite's slot in its group
    int16_t sched_from_pass_list = 0;  // 1: the entry being added comes from the pass list
    // The digits of the code the run applied last (receiver, group 1..5, slot 1..7,
    // receive mode), and those applied before; a stop sets the previous ones to 999 so
    // that the next coded minute selects everything again.
    int sched_rig = 0, sched_group = 0, sched_slot = 0, sched_mode = 0;
    int sched_prev_rig = 0, sched_prev_group = 0, sched_prev_slot = 0;
};

}  // namespace torv
