#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/contexts.h"
#include "common/sat_info_editor.h"
#include "common/settings_store.h"
#include "common/version_window.h"
#include "dialogs/form10.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "orbit/element_source_window.h"
#include "orbit/element_update_startup.h"
#include "orbit/element_update_window.h"
#include "platform/form.h"
#include "platform/item_server.h"
#include "platform/paths.h"
#include "rig/form15.h"
#include "rig/form18.h"
#include "rig/form19.h"
#include "rig/form20.h"
#include "rig/form22.h"
#include "rig/form8.h"
#include "schedule/form11.h"
#include "schedule/form12.h"
#include "schedule/form13.h"
#include "schedule/form14.h"
#include "schedule/form6.h"
#include "schedule/form7.h"

namespace torv {

// Owns the program's shared state and the one default instance of every window.
class App {
public:
    // The start-up: the item server, then the main window, whose load step runs the
    // whole start-up sequence before it is shown.
    void start();

    // ---- shared state ----
    ProgramState state;
    // What the transceiver windows read of the main window and publish back.
    RigContext rig_context = torv::rig_context(state);
    // What the element windows ask of the main window.
    ElementUpdateSeam element_seam;
    ElementUpdateContext element_context = element_update_context(state, element_seam);

    // ---- services ----
    // Serves the DDE export window's items to programs on this machine.
    platform::ItemServer item_server{platform::ItemServer::executable_application_name()};
    platform::Tray tray;

    // ---- windows ----
    // Every window below is one of these; ending the program ends them.
    platform::FormSet windows;
    platform::FormInstance<Form17> form17{windows};
    platform::FormInstance<Form5> form5{windows};
    platform::FormInstance<Form4> form4{[this] { return std::make_unique<Form4>(element_context); }, windows};
    platform::FormInstance<Form16> form16{[this] { return std::make_unique<Form16>(element_context); }, windows};
    platform::FormInstance<extrn> extrn_form{[this] { return std::make_unique<extrn>(&item_server); }, windows};
    ElementStartup element_startup{element_context, form4};
    platform::FormInstance<Form1> form1{
        [this] {
            return std::make_unique<Form1>(form1_links(state, {form17, extrn_form, tray}, form1_hooks()));
        },
        windows};
    platform::FormInstance<form8> ft847{[this] { return std::make_unique<form8>(rig_context); }, windows};
    platform::FormInstance<Form20> ft736{[this] { return std::make_unique<Form20>(rig_context); }, windows};
    platform::FormInstance<Form15> ts2000{[this] { return std::make_unique<Form15>(rig_context); }, windows};
    platform::FormInstance<Form18> form18{[this] { return std::make_unique<Form18>(rig_context); }, windows};
    platform::FormInstance<Form19> form19{[this] { return std::make_unique<Form19>(rig_context.ic910_channel_names); },
                                          windows};
    platform::FormInstance<Form9> form9{[this] { return make_form9(); }, windows};
    platform::FormInstance<Form22> form22{[this] { return make_form22(); }, windows};
    platform::FormInstance<Form6> form6{[this] { return std::make_unique<Form6>(week_links(state)); }, windows};
    platform::FormInstance<Form11> form11{[this] { return std::make_unique<Form11>(week_links(state)); }, windows};
    platform::FormInstance<Form7> form7{
        [this] {
            return std::make_unique<Form7>(
                SkyTrackLinks{state.groups, state.settings, state.time, state.chart, state.bodies, state.orbit});
        },
        windows};
    platform::FormInstance<Form12> form12{[this] { return make_zoom_window<Form12>(); }, windows};
    platform::FormInstance<Form13> form13{[this] { return make_zoom_window<Form13>(); }, windows};
    platform::FormInstance<Form14> form14{[this] { return make_form14(); }, windows};
    platform::FormInstance<Form21> form21{
        [this] {
            return std::make_unique<Form21>(form21_links(state, rig_context.mirror, form1, extrn_form,
                                                         [this](int rig) { return rig_window(rig); }));
        },
        windows};
    platform::FormInstance<Form2> form2{
        [this] {
            return std::make_unique<Form2>(StationDialogContext{
                state.station, state.time, state.settings, torv_ini(), platform::program_folder(),
                [this](const std::string& file) { form1().load_map_picture(form1().Picture2, file); },
                [this] { copy_cat_ports(); }, program_end()});
        },
        windows};
    platform::FormInstance<Form3> form3{
        [this] {
            return std::make_unique<Form3>(GroupDialogContext{
                state.settings, state.time, state.elements, torv_ini(),
                [this](const std::string& caption) { form1().Command13.setCaption(QString::fromStdString(caption)); },
                program_end()});
        },
        windows};
    platform::FormInstance<Form10> form10{
        [this] {
            return std::make_unique<Form10>(
                PartnerDialogContext{state.partners, torv_ini(), platform::program_folder(), program_end()});
        },
        windows};

    // Ends the program. Every window's timers stop; every running transceiver link is
    // stopped (transmitter off, closing commands, corrections saved), so no radio is left
    // transmitting, and the program ends once the last stop is done.
    void end_program();
    // The transceiver windows that exist now.
    std::vector<RigWindow*> rig_windows();
    // The window of a schedule's receiver digit (1 FT-847, 2 IC-910, 3 TS-2000, 4 FT-736)
    // if it exists now.
    RigWindow* rig_window(int rig);
    // How the settings dialogs end the program: the main window's settings saved, then
    // ended as above.
    ProgramEnd program_end();

private:
    void fill_rig_context();
    // The transceivers' port settings as the settings load read them.
    void copy_cat_ports();
    void ft847_setup();
    std::unique_ptr<Form9> make_form9();
    std::unique_ptr<Form22> make_form22();
    std::unique_ptr<Form14> make_form14();
    // A zoom window made again after a close shows the shown group's names at once.
    template <class W>
    std::unique_ptr<W> make_zoom_window() {
        auto f = std::make_unique<W>(map_window_links());
        show_slot_names(f->slot_labels(), state.groups.shown());
        return f;
    }
    Form1Hooks form1_hooks();
    MapWindowLinks map_window_links();
    // The main window's seams into the map windows.
    void fill_map_window_hooks(Form1Hooks& h);
    void fill_element_seam();
};

}  // namespace torv
