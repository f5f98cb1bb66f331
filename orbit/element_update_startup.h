#pragma once
#include <string>

#include "orbit/element_table.h"
#include "orbit/element_update_context.h"
#include "orbit/element_update_window.h"
#include "platform/form.h"

// The main window's start-up part of the element update: the element settings it
// reads, and the three routines the element loading step calls by mode.
namespace torv {

class ElementStartup {
public:
    ElementStartup(ElementUpdateContext& context, platform::FormInstance<ElementUpdateWindow>& element_update_window);

    // The element part of the main window's settings load: the stamps (a missing one
    // reads as twelve zeros), the element-date label and the staleness flag, the mode
    // with ElementUpdateWindow's menus and the label's tool tip (ElementUpdateWindow is loaded hidden for modes
    // "0", "1" and "2"), the duplicate list, and the bulletin settings with their
    // defaults written back.
    void element_settings_load();

    // Mode "1": runs the update hidden, writes the stamps whatever came of it, sets the
    // element-date label and recomputes the staleness flag. A start-up update never
    // makes a later finish of ElementUpdateWindow ask for a restart.
    void element_download_startup();
    // Mode "1", after the download: the "DG" and "TR" copies in the four element files.
    void element_files_mark_digital();
    // Mode "2": the selected satellite's element line 1 in torv_solid.elm gives the
    // tag; the stamp becomes the present moment; both are stored and shown.
    void element_stamp_set(const std::string& line1);

    // The three routines as the loading step's hooks (the progress hooks stay).
    void fill_hooks(ElementLoadHooks& hooks);

private:
    ElementUpdateContext& ctx_;
    platform::FormInstance<ElementUpdateWindow>& element_update_window_;
};

}  // namespace torv
