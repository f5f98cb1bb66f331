#pragma once
#include <memory>
#include <string>

#include "common/extrn_window.h"
#include "common/progress_window.h"
#include "common/sat_info_tips.h"
#include "common/sat_records.h"
#include "common/station_table.h"
#include "common/version_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "mainwindow/sat_groups.h"
#include "orbit/element_source_window.h"
#include "orbit/element_update_startup.h"
#include "orbit/element_update_window.h"
#include "orbit/bodies.h"
#include "orbit/element_table.h"
#include "orbit/mean_motion.h"
#include "orbit/sat_position.h"
#include "orbit/time_base.h"
#include "platform/form.h"
#include "platform/item_server.h"
#include "platform/tray.h"

namespace torv {

// Owns the program's shared state and the one default instance of every window.
class App {
public:
    App();

    // The start-up: the main window's load step runs the whole sequence, then the
    // window is shown.
    void start();

    // ---- shared state ----
    ElementTable elements;
    SatCorrectionTable corrections;
    OwnStation station;
    TimeState time;
    OrbitState orbit;
    DopplerState doppler;
    BodyState bodies;
    CurrentSatValues current_sat;
    PartnerStationTable partners;
    SatGroupTable groups;
    MainSettings settings;
    MainViewState view;
    ChartFlags chart;
    RigLinkTexts rig;
    SatInfoTips tips;
    ElementUpdateState element_update;
    ElementSources element_sources;
    ElementUpdateSeam element_seam;  // what the element windows ask of the main window
    ElementUpdateContext element_context{element_update, element_sources, elements, element_seam};

    // ---- services ----
    platform::ItemServer item_server;
    platform::Tray tray;

    // ---- windows ----
    platform::FormInstance<Form17> form17;
    platform::FormInstance<Form5> form5;
    platform::FormInstance<extrn> dde;
    platform::FormInstance<Form1> form1;
    platform::FormInstance<Form4> form4{[this] { return std::make_unique<Form4>(element_context); }};
    platform::FormInstance<Form16> form16{[this] { return std::make_unique<Form16>(element_context); }};
    ElementStartup element_startup{element_context, form4};

    // Seams the main window leaves to windows built later; tests add their own.
    Form1Hooks hooks();

private:
    void fill_element_seam();
};

}  // namespace torv
