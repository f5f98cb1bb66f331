#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/element_stamps.h"
#include "platform/clock.h"

// The settings of the element update: when element sets were last fetched, the
// automatic-update mode, where the data comes from and which satellites get "DG" and
// "TR" duplicates. Plain values, read and written through torv.ini.
namespace torv {

// [KIDOU_URL], [TORVELM] and [ORBIT] DEGITAL_SAT.
struct ElementSources {
    std::string kidou_url1;         // newly launched objects, into TORV_NORAD_NEW.ELM; empty = not fetched
    std::string kidou_url2;         // fixed element file, into torv_solid.elm
    std::string kidou_url2_sw = "0";  // "1": fetch the fixed file in every update
    std::string kidou_url3;         // amateur-radio satellites, into TORV_NORAD.ELM; empty = not fetched
    std::string bulletin_url;       // element bulletin, into TORV.ELM
    std::string bulletin_hdr;       // the first eight characters of the bulletin's last header line
    std::string bulletin_line;      // how many bulletin lines are searched for the header key
    std::string degital_sat;        // satellite names joined by ","
    std::vector<std::string> degital_sat_list;
};

// Defaults when a key is absent. The fixed element file has no public home yet, so its
// address is empty and an update skips it with a message.
inline constexpr std::string_view kDefaultKidouUrl1 = "https://celestrak.org/NORAD/elements/gp.php?GROUP=satnogs&FORMAT=tle";
inline constexpr std::string_view kDefaultKidouUrl2 = "";
inline constexpr std::string_view kDefaultKidouUrl3 = "https://celestrak.org/NORAD/elements/gp.php?GROUP=amateur&FORMAT=tle";
inline constexpr std::string_view kDefaultBulletinUrl = "https://www.amsat.org/tle/current/nasa.all";
inline constexpr std::string_view kDefaultBulletinHdr = "For more";
inline constexpr std::string_view kDefaultBulletinLine = "20";

// YYMMDD (absent_stamp when missing) and ORBIT (default "04008"). A stamp that cannot be
// used at now (usable_stamp) reads as absent_stamp and is told through
// report_unusable_setting.
void read_element_stamps(ElementUpdateState& state, const std::string& ini, std::string_view absent_stamp,
                         const platform::ClockReading& now);
void write_element_stamps(const ElementUpdateState& state, const std::string& ini);
// ELM_AUTO_SW, default "0".
std::string read_elm_auto_sw(const std::string& ini);
void write_elm_auto_sw(const ElementUpdateState& state, const std::string& ini);

// URL1, URL2, URL2_SW and URL3 with their defaults; the defaults are not written back.
void read_kidou_urls(ElementSources& sources, const std::string& ini);
// URL3, URL1, URL2 and URL2_SW, in this order.
void write_kidou_urls(const ElementSources& sources, const std::string& ini);

// URL, HDR and LINE of [TORVELM]; a missing key takes its default, which is written
// back, so after the first start all three exist.
void load_bulletin_settings(ElementSources& sources, const std::string& ini);
void write_bulletin_settings(const ElementSources& sources, const std::string& ini);

// DEGITAL_SAT (default empty) into degital_sat and degital_sat_list.
void read_degital_sat(ElementSources& sources, const std::string& ini);
void write_degital_sat(const ElementSources& sources, const std::string& ini);
// The names of a DEGITAL_SAT value, split at "," and kept exactly (blanks included);
// an empty value gives an empty list.
std::vector<std::string> split_degital_sat(const std::string& value);

}  // namespace torv
