#pragma once
#include <string>

#include "common/datetime.h"
#include "orbit/sat_elements.h"

// What the satellite computation hands to the windows. The computation stays free of
// widgets; the main window implements this interface and writes its labels, the map
// windows' labels and the DDE items from it, and shows its notices. A computation
// without display (a benchmark, a table that only wants numbers) shows nothing.
namespace torv {

// Results of the selected satellite for the visibility colouring and the result display.
struct SelectedSatResult {
    std::string name;
    double az = 0, el = 0;        // radians
    double range_km = 0;          // slant range
    double orbit_number = 0;      // revolution number at epoch + revolutions since epoch
    double mean_anomaly = 0;      // degrees, 0 <= M < 360
    SatElements elements;         // the set computed (epoch year and day for the tool tip)
};

class SatDisplay {
public:
    virtual ~SatDisplay() = default;

    // A real-time position computation built its instant: the local time shown and the UTC
    // instant (the time labels of the main window and the map windows).
    virtual void show_time_labels(DateTime local, DateTime utc) = 0;

    // The mean-motion term of the selected satellite: the J2 change dL (rev/day), the
    // inclination (degrees) and the days since epoch t (the DDE window's term labels).
    virtual void show_motion_term(double dL, double inclination_deg, double t) = 0;

    // Every position computation clears the main window's own drawing surface.
    virtual void clear_drawing_surface() = 0;

    // The selected satellite was computed: colour its result labels by visibility, then
    // write the result display.
    virtual void show_selected(const SelectedSatResult& result) = 0;

    // The selected satellite seen from a registered station (degrees): the two-station frame.
    virtual void show_station_view(double az_deg, double el_deg) = 0;

    // The computation has something to tell the operator (a set that cannot be used, a
    // computation that failed): the window shows it in a message box, at once, so the
    // operator sees it in the order the computation met it.
    virtual void notice(const std::string& text) = 0;
};

}  // namespace torv
