#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/sat_records.h"
#include "common/settings_store.h"

// The computation behind the satellite information editor: the passband display, the
// checks of a store, the values one store writes and how they reach the settings file
// and the shared current-satellite values. No window here.
namespace torv {

// What the editor needs of the rest of the program. The main window owns the values and
// passes them by reference; the two hooks may be empty until their windows exist.
struct SatInfoEditorContext {
    CurrentSatValues& current;
    const std::string& selected_sat;
    std::string ini_file;
    std::function<void()> sat_hosei_set;  // rebuild the mean-motion correction table
    std::function<void()> rig_setup;      // the FT-847 window sets itself up again
};

inline const char* const kAo40 = "AO-40";
inline const char* const kAo51 = "AO-51";

// AO-40's transponder-on window as the charts use it, from field 8 of AO-40's own
// record: -1 and -1 when the field is empty, else the numbers of its two parts.
void set_ao40_window(CurrentSatValues& v, const std::string& field8);

// The downlink passband shown for an uplink passband, and how the two uplink edge boxes
// look: a fixed (FM) transponder has one frequency on each side.
struct PassbandView {
    bool edges_enabled = true;
    std::optional<std::string> low_box, high_box;  // new texts of the edge boxes, when they change
    std::string low_caption, high_caption;         // captions over the two downlink values
    std::string downlink_first, downlink_second;   // images of the lower and the upper uplink edge
};
// uplink, downlink: the transponder's frequencies; low, high: the uplink edges; each text
// read by its leading numeric part.
PassbandView passband_view(Conversion type, const std::string& uplink, const std::string& downlink,
                           const std::string& low, const std::string& high);


// Keys the passband and correction boxes take: control keys (below 32), "-", "." and digits.
bool number_key_allowed(char32_t c);

// The first of beacon, uplink and downlink (trimmed) that is not a number, as its
// message; nothing when all three are numbers.
std::optional<std::string> frequency_error(const std::string& beacon, const std::string& uplink,
                                           const std::string& downlink);

// The comment cut so that the whole record, stored in ini_file, reads back in one piece
// (counted in the file's own encoding: a Japanese character takes two bytes in CP932,
// three in a file kept as UTF-8).
std::string fitted_comment(const SatInfoRecord& rec, const std::string& ini_file);

// Everything one store writes for one satellite.
struct SatInfoEntry {
    std::string sat;  // the satellite the editor was filled for
    SatInfoRecord info;
    SatFreqRange freq;
    std::string url;
    std::string ao51_tone;
    SatProgram program1, program2;
    std::string hosei;
};

inline const char* const kSelectionChangedMessage =
    "設定中に選択された衛星が変更されています。情報の変更は行われません";

// Writes the entry in the fixed order and makes it the current satellite's values, then
// runs the two hooks. Refused (false: nothing written, no shared value touched; the
// caller tells the operator kSelectionChangedMessage) when the entry's satellite is no
// longer the selected one. True when stored.
bool store_sat_info_entry(const SatInfoEntry& entry, SatInfoEditorContext& ctx);

}  // namespace torv
