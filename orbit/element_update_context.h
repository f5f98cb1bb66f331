#pragma once
#include <chrono>
#include <functional>
#include <string>

#include "orbit/element_settings.h"
#include "orbit/element_table.h"
#include "orbit/time_base.h"

// What the element-update and element-source windows and the start-up routines share.
namespace torv {

// The main window as the element update sees it. The main window fills these in; an
// empty one does nothing.
struct ElementUpdateSeam {
    std::function<void(const std::string&)> set_element_date_caption;  // MainWindow.Label33 caption
    std::function<void(const std::string&)> set_element_date_tooltip;  // MainWindow.Label33 tool tip
    std::function<void(const std::string&)> progress_text;  // ProgressWindow.Label1 while the progress window is up
    std::function<void()> tray_icon_remove;                 // MainWindow.tray_icon_remove
    std::function<void()> end_program;  // ends the program at once: no window closed, nothing saved
    std::function<void()> show_element_sources;  // shows ElementSourceWindow, not modal
};

// The shared state the element windows work on, owned by the application.
struct ElementUpdateContext {
    ElementUpdateState& state;
    ElementSources& sources;
    const ElementTable& table;
    ElementUpdateSeam& seam;
    const TimeState& time;  // the station's time difference: stamps are its local time
    std::chrono::milliseconds http_timeout{60'000};
};

}  // namespace torv
