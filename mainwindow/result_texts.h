#pragma once
#include <string>

#include "common/datetime.h"
#include "common/sat_records.h"
#include "mainwindow/main_state.h"
#include "orbit/sat_display.h"
#include "rig/tracking.h"
#include "platform/color.h"

// The texts and colours of the selected satellite's result display, its two-station
// view and its frequency ranges, computed from plain values; the window only writes them.
namespace torv {

using platform::kBlue;
using platform::kYellow;
using platform::kBlack;
using platform::kButtonFace;


// Every text of the result display of the selected satellite.
struct SelectedSatTexts {
    std::string name;
    std::string uplink, downlink;     // "アップ＝…,形式＝…", "ダウン＝…,形式＝…"
    std::string az, el;               // "###0.0", "##0.0"
    std::string range;                // "00000.00 km" (main window, enlarged map)
    std::string range_short;          // "00000km" (local zoom map)
    std::string phase;                // "##0.0 "
    std::string orbit_number;         // "####0.0"
    std::string text2, text3, text4, text5, text6;  // the DDE items after Text1 (the name)
    std::string tool_tip;             // the name label's tool tip: epoch and age
};

// time_diff: hours east of UTC of the epoch text; clock_local: the PC clock for the age.
SelectedSatTexts selected_sat_texts(const SelectedSatResult& r, const RigShared& rig, double time_diff,
                                    DateTime clock_local);

// The element set's epoch in local time, rounded to the second.
DateTime epoch_local_time(double epoch_year, double epoch_day, double time_diff);
// "2時間 5分前の軌道情報": the whole minutes from the epoch to the clock, as hours and minutes.
std::string element_age_text(DateTime epoch_local, DateTime clock_local);

// Colours of the result labels by visibility: the text of all of them, the back of the
// three name labels.
struct VisibilityColors {
    platform::ColorValue fore = kBlack;
    platform::ColorValue name_back = 0;
};
VisibilityColors sat_visible_colors(double el_rad, double backcolor, double selected_color, int eisei_blink,
                                    int blink_phase);

// Colours of the two-station frame by the partner station's elevation (degrees).
struct StationViewColors {
    platform::ColorValue fore = kBlack;  // Label48, Label49, Frame7
    platform::ColorValue back = kButtonFace;  // Frame7, Label48 .. Label51
};
StationViewColors station_view_colors(double el_deg);

// The four frequency-range labels of the selected satellite; sets its passband values,
// power, beacon mode and tone from the SatFreqRangeRecord.
struct FreqRangeLabels {
    std::string label56, label57, label58, label59;
};
FreqRangeLabels load_freq_range(const std::string& record, CurrentSatValues& values);

}  // namespace torv
