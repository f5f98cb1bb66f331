#pragma once
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "orbit/element_answer.h"
#include "orbit/element_settings.h"
#include "platform/clock.h"

// Fetching fresh element sets over HTTP into the element files: the bulletin into
// TORV.ELM at every run, the two lists into TORV_NORAD.ELM and TORV_NORAD_NEW.ELM when
// the last update is more than two hours old, the fixed file into torv_solid.elm when
// switched on. An element file is replaced only by a 200 answer holding nothing but
// whole, well-formed element sets (the bulletin's own header and end lines aside);
// anything else leaves it as it was and is reported.
namespace torv {

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
