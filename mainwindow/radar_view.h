#pragma once
#include <string>

// The polar sky view's projection and the captions beside a satellite's marker: the
// zenith at the centre, the horizon on the circle of radius W/2, north up, east right,
// the distance from the centre growing linearly as the elevation falls. Twips of the
// view, origin top-left, y downward.
namespace torv {

struct RadarPoint {
    double x = 0, y = 0;
    double rho = 0;  // distance from the centre
};

// W and H: the view's width and height; az in radians, el in degrees.
RadarPoint radar_point(double W, double H, double az_rad, double el_deg);

// The two caption lines and their side: left of the marker for azimuths 0..180 (the
// eastern half of the sky), right of it otherwise.
struct RadarCaption {
    std::string az_text;  // "方位" and the azimuth in whole degrees, "000"
    std::string el_text;  // "仰角" and the elevation, "00.0"
    bool left = true;
    double leader_dx = -920;  // the leader line runs from the marker this far across
    double text_dx = -900;    // the text column's start from the marker
};
RadarCaption radar_caption(double az_deg, double el_deg);

}  // namespace torv
