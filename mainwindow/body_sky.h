#pragma once
#include <array>

#include "mainwindow/body_maps.h"
#include "platform/controls.h"
#include "platform/picture_box.h"

// The Sun, the Moon and Mars on the polar sky view, each as a dot or its icon, and
// their azimuth and elevation read-outs, blue above the horizon and black below.
namespace torv {

// By BodyIndex: the colour swatch and the two read-outs of each body's panel.
struct BodySkyControls {
    platform::PictureBox* Picture4 = nullptr;  // the sky view, twips
    std::array<platform::Shape*, 3> swatch{};
    std::array<platform::Label*, 3> az_label{}, el_label{};
};

// The read-outs of a body: azimuth "###.00", elevation "##.00" (".50", "-.25", "123.46").
std::string body_az_text(double az_deg);
std::string body_el_text(double el_deg);

// Mars, the Sun and the Moon in that order, as their display modes say. Runs after
// every satellite's marker, so the bodies lie over the markers.
void plot_sun_moon_mars(BodySkyControls& c, const BodyState& b, const MainSettings& s, const BodyIcons& icons);

}  // namespace torv
