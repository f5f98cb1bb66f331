#pragma once
#include <string>

#include "common/extrn_window.h"
#include "common/progress_window.h"
#include "common/version_window.h"
#include "orbit/element_source_window.h"
#include "orbit/element_table.h"
#include "orbit/element_update_startup.h"
#include "orbit/element_update_window.h"
#include "platform/form.h"
#include "platform/item_server.h"

namespace torv {

// Owns the program's shared state and the one default instance of every window.
class App {
public:
    // The start-up sequence as far as the windows that exist today reach.
    void start();

    ElementTable elements;
    ElementUpdateState element_update;
    ElementSources element_sources;
    // What the element windows ask of the main window; filled by the App until the
    // main window exists.
    ElementUpdateSeam element_seam;
    ElementUpdateContext element_context{element_update, element_sources, elements, element_seam};

    // Serves the DDE export window's items to programs on this machine.
    platform::ItemServer item_server{platform::ItemServer::executable_application_name()};

    platform::FormInstance<Form17> form17;
    platform::FormInstance<Form5> form5;
    platform::FormInstance<Form4> form4{[this] { return std::make_unique<Form4>(element_context); }};
    platform::FormInstance<Form16> form16{[this] { return std::make_unique<Form16>(element_context); }};
    platform::FormInstance<extrn> extrn_form{[this] { return std::make_unique<extrn>(&item_server); }};
    ElementStartup element_startup{element_context, form4};

private:
    void fill_element_seam();
    void load_elements();
};

}  // namespace torv
