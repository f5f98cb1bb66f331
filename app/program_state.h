#pragma once
#include <string>

#include "common/sat_info_tips.h"
#include "common/sat_records.h"
#include "common/schedule_state.h"
#include "common/station_table.h"
#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "mainwindow/sat_groups.h"
#include "orbit/bodies.h"
#include "orbit/element_settings.h"
#include "orbit/element_table.h"
#include "orbit/mean_motion.h"
#include "orbit/sat_position.h"
#include "orbit/time_base.h"
#include "rig/tracking.h"

// The program's shared state: the plain structs the App owns, handed to the windows by
// reference through the contexts built from it (app/contexts.h). Test harnesses and
// benchmarks hold one too, so they compute over the state the program computes over.
// No window code here: a core test or benchmark can hold one.
namespace torv {

struct ProgramState {
    ElementTable elements;
    SatCorrectionTable corrections;
    OwnStation station;
    TimeState time;
    OrbitState orbit;
    DopplerState doppler;
    BodyState bodies;
    CurrentSatValues current_sat;
    PartnerStationTable partners;
    SatGroupTable groups;  // selected_sat: the satellite the windows follow
    MainSettings settings;
    MainViewState view;
    ChartFlags chart;
    RigShared rig;
    SatInfoTips tips;
    ElementUpdateState element_update;
    ElementSources element_sources;
    ScheduleState schedule;
};

// The satellite computation over the state, for the selected satellite; display: the
// window that shows its results, or none.
inline OrbitContext orbit_context(ProgramState& s, SatDisplay* display = nullptr) {
    return OrbitContext{s.elements, s.corrections, s.station, s.groups.selected_sat, s.time, s.orbit, display};
}

}  // namespace torv
