#pragma once
#include <functional>
#include <string>

#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "orbit/sat_position.h"
#include "platform/controls.h"
#include "platform/picture_box.h"

// The selected satellite's orbit seen face-on: the ellipse to scale around the Earth,
// the satellite on it and, for AO-40, the arc in which its transponder is on, its
// attitude angles as lines and its antenna squint.
namespace torv {

struct OrbitPlaneControls {
    platform::PictureBox* Picture1 = nullptr;
    platform::Label* Label1 = nullptr;   // mean-anomaly readout
    platform::Label* Label2 = nullptr;   // its caption
    platform::Label* Label44 = nullptr;  // "ALON="
    platform::Label* Label11 = nullptr;  // ALON value
    platform::Label* Label42 = nullptr;  // "ALAT="
    platform::Label* Label43 = nullptr;  // ALAT value
    platform::Label* Label46 = nullptr;  // "SQA ="
    platform::Label* Label47 = nullptr;  // squint value
    // Fetches AO-40's attitude into the view's values (once per run); empty: none is fetched.
    std::function<void()> ao40_attitude_fetch = {};
    // The squint readout of the sky-track chart window; empty: shown nowhere else.
    std::function<void(const std::string& caption)> show_squint_elsewhere = {};
};

// What the view reads: the selected satellite's last computation (and calc_squint,
// which it sets), its name, the colours and AO-40 settings, the attitude values.
struct OrbitPlaneInputs {
    OrbitState& orbit;
    const std::string& selected_sat;
    const MainSettings& settings;
    MainViewState& view;
};

void draw_orbit_plane(OrbitPlaneControls& c, OrbitPlaneInputs in);

}  // namespace torv
