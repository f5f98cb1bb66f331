#pragma once
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "orbit/element_settings.h"
#include "platform/clock.h"

// Fetching fresh element sets over HTTP into the element files: the bulletin into
// TORV.ELM at every run, the two lists into TORV_NORAD.ELM and TORV_NORAD_NEW.ELM when
// the last update is more than two hours old, the fixed file into torv_solid.elm when
// switched on. An element file is replaced only by a 200 answer holding nothing but
// whole, well-formed element sets (the bulletin's own header and end lines aside);
// anything else leaves it as it was and is reported.
namespace torv {

// A received body cut into lines: a line feed ends a line and is dropped, carriage
// returns are dropped (or kept as characters when asked), a line that reaches 257
// bytes (carriage returns counted) ends there. A last line without line feed is kept
// unless it is empty. Bytes unconverted.
std::vector<std::string> download_lines(const std::string& body, bool keep_carriage_returns = false);

// The bulletin tag: the five characters after the first "$ORB" of the bulletin's
// first line (fewer when the line ends sooner); characters 4 to 8 without "$ORB".
std::string take_bulletin_id(const std::string& first_line);

// What the bulletin holds, found as its header search runs.
struct BulletinParse {
    std::string tag;                    // from the first line
    std::vector<std::string> listed;    // every line looked at, as the window lists them
    std::string header_message;         // set when the header key was not found
    std::vector<std::string> elements;  // the lines for TORV.ELM
    bool complete = false;              // the elements ended at "/EX" or an empty line
};

// Searches the first bulletin_line + 1 lines for the line whose first eight
// characters (the whole line when shorter) equal hdr; skips the line after the header
// and takes the element lines up to "/EX" or an empty line.
BulletinParse parse_bulletin(const std::vector<std::string>& lines, const std::string& hdr,
                             const std::string& bulletin_line);

// True when the lines hold at least one well-formed three-line set (a name, then
// lines 1 and 2 of at least 69 characters for the same catalogue number) and every
// non-blank line belongs to such a set, so neither a body cut short nor a page of
// other text that happens to hold a set can replace an element file.
bool holds_element_sets(const std::vector<std::string>& lines);

// What a run writes into the element-update window; the window puts each into its
// control. Texts are UTF-8.
struct ElementDownloadView {
    std::function<void(const std::string&)> list_add;            // List1
    std::function<void(const std::string&)> set_status;          // Label3 (and the progress window)
    std::function<void(const std::string&)> set_header_message;  // Label4
    std::function<void(const std::string& caption, bool complete)> set_stamp_label;  // Label2, blue when complete
    std::function<void(const std::string&)> message;             // a message box with an OK button
};

struct ElementDownloadOptions {
    std::string folder;  // where the element files are
    std::string ini;     // torv.ini
    platform::ClockReading now;  // the station's local time when the run starts (the stamps)
    std::chrono::milliseconds timeout{60'000};
};

struct ElementDownloadOutcome {
    std::vector<std::string> replaced;  // element files replaced, in the order fetched
    std::vector<std::string> failed;    // element files whose download failed
};

// One update run. Renews the stamp only for what was fetched: after the due lists all
// arrived, and at the end when every download of the run succeeded; the bulletin tag
// only with a new TORV.ELM. elm_updated becomes 1 when any file was replaced (a
// restart is then needed). A failed bulletin ends the run; a failed list or fixed file
// is reported and the run goes on; a partial failure is reported as such at the end.
// An empty address is skipped with a message (the lists' silently, as configured).
ElementDownloadOutcome run_element_download(const ElementSources& sources, ElementUpdateState& state,
                                            const ElementDownloadView& view, const ElementDownloadOptions& options);

}  // namespace torv
