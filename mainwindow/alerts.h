#pragma once
#include <array>
#include <cstdint>

#include "common/datetime.h"
#include "mainwindow/timeline.h"

// Rise and set of the shown satellites, their visibility lamps and the warning a few
// minutes before a pass, as plain decisions; the window plays the sounds and lights
// the lamps.
namespace torv {

enum class HorizonCrossing { None, Rise, Set };

// A rise is an elevation of 0 or more after one of 0 or less, a set one below 0 after
// one above 0; prev_el (degrees) takes the new elevation.
HorizonCrossing check_aos_los(double el_deg, double& prev_el);

// One tick of a slot's lamps (eisei_blink 0 off, 1 blinking, 2 steady).
enum class LampStep {
    AllDark,  // every lamp of every slot dark
    Dark,     // the slot's lamps dark
    Lit,      // the slot's lamps lit
};
LampStep visibility_lamp_step(int16_t eisei_blink, double el_deg, int16_t& blink_phase);

constexpr int kWarnedSlots = 5;  // the warning covers the first five slots only

// The chart minute index the warning compares at the display time.
int warning_offset(DateTime display_time, int16_t chart_shift);

// Checks slots 0..4 at offset d: a slot below the horizon now whose table shows it up
// five indexes on sounds once (its flag goes to 1) and is re-armed as soon as it is up,
// or no rise is coming, or in the chart's last five minutes. Returns the number of
// warnings to sound.
int five_minute_warning(const TimelineTable& table, int d, std::array<int16_t, kWarnedSlots>& five_min_warned);

}  // namespace torv
