#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/contexts.h"
#include "common/sat_info_editor.h"
#include "common/settings_store.h"
#include "common/version_window.h"
#include "dialogs/group_settings_dialog.h"
#include "dialogs/partner_station_dialog.h"
#include "dialogs/station_dialog.h"
#include "mainwindow/local_zoom_window.h"
#include "mainwindow/partner_zoom_window.h"
#include "mainwindow/world_zoom_window.h"
#include "orbit/element_source_window.h"
#include "orbit/element_update_startup.h"
#include "orbit/element_update_window.h"
#include "platform/form.h"
#include "platform/item_server.h"
#include "platform/paths.h"
#include "rig/cw_message_editor.h"
#include "rig/ft736_window.h"
#include "rig/ft847_window.h"
#include "rig/ic910_channel_names_dialog.h"
#include "rig/ic910_window.h"
#include "rig/ts2000_window.h"
#include "schedule/partner_week_table_window.h"
#include "schedule/schedule_timeline.h"
#include "schedule/sky_track_window.h"
#include "schedule/week_table_window.h"

namespace torv {

// Owns the program's shared state and the one default instance of every window, and
// answers what the main window asks of the rest of the program.
class App : public MainWindowSeam {
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
    platform::FormInstance<ProgressWindow> progress_window{windows};
    platform::FormInstance<VersionWindow> version_window{windows};
    platform::FormInstance<ElementUpdateWindow> element_update_window{
        [this] { return std::make_unique<ElementUpdateWindow>(element_context); }, windows};
    platform::FormInstance<ElementSourceWindow> element_source_window{
        [this] { return std::make_unique<ElementSourceWindow>(element_context); }, windows};
    platform::FormInstance<LiveValuesWindow> live_values_window{
        [this] { return std::make_unique<LiveValuesWindow>(&item_server); }, windows};
    ElementStartup element_startup{element_context, element_update_window};
    platform::FormInstance<MainWindow> main_window{
        [this] {
            return std::make_unique<MainWindow>(
                main_window_links(state, {progress_window, live_values_window, tray}, *this));
        },
        windows};
    platform::FormInstance<Ft847Window> ft847{[this] { return std::make_unique<Ft847Window>(rig_context); }, windows};
    platform::FormInstance<Ft736Window> ft736{[this] { return std::make_unique<Ft736Window>(rig_context); }, windows};
    platform::FormInstance<Ts2000Window> ts2000{[this] { return std::make_unique<Ts2000Window>(rig_context); },
                                                windows};
    platform::FormInstance<Ic910Window> ic910{[this] { return std::make_unique<Ic910Window>(rig_context); }, windows};
    platform::FormInstance<Ic910ChannelNamesDialog> ic910_channel_names_dialog{
        [this] { return std::make_unique<Ic910ChannelNamesDialog>(rig_context.ic910_channel_names); }, windows};
    platform::FormInstance<SatInfoEditor> sat_info_editor{[this] { return make_sat_info_editor(); }, windows};
    platform::FormInstance<CwMessageEditor> cw_message_editor{[this] { return make_cw_message_editor(); }, windows};
    platform::FormInstance<WeekTableWindow> week_table_window{
        [this] { return std::make_unique<WeekTableWindow>(week_links(state)); }, windows};
    platform::FormInstance<PartnerWeekTableWindow> partner_week_table_window{
        [this] { return std::make_unique<PartnerWeekTableWindow>(week_links(state)); }, windows};
    platform::FormInstance<SkyTrackWindow> sky_track_window{
        [this] {
            return std::make_unique<SkyTrackWindow>(
                SkyTrackLinks{state.groups, state.settings, state.time, state.chart, state.bodies, state.orbit});
        },
        windows};
    platform::FormInstance<LocalZoomWindow> local_zoom_window{[this] { return make_zoom_window<LocalZoomWindow>(); },
                                                              windows};
    platform::FormInstance<PartnerZoomWindow> partner_zoom_window{
        [this] { return make_zoom_window<PartnerZoomWindow>(); }, windows};
    platform::FormInstance<WorldZoomWindow> world_zoom_window{[this] { return make_world_zoom_window(); }, windows};
    platform::FormInstance<ScheduleWindow> schedule_window{
        [this] {
            return std::make_unique<ScheduleWindow>(
                schedule_window_links(state, rig_context.mirror, main_window, live_values_window,
                                      [this](Transceiver t) { return rig_window(t); }));
        },
        windows};
    platform::FormInstance<StationDialog> station_dialog{
        [this] {
            return std::make_unique<StationDialog>(StationDialogContext{
                state.station, state.time, state.settings, torv_ini(), platform::program_folder(),
                [this](const std::string& file) { main_window().load_map_picture(main_window().Picture2, file); },
                program_end()});
        },
        windows};
    platform::FormInstance<GroupSettingsDialog> group_settings_dialog{
        [this] {
            return std::make_unique<GroupSettingsDialog>(
                GroupDialogContext{state.settings, state.time, state.elements, torv_ini(),
                                   [this](const std::string& caption) {
                                       main_window().Command13.setCaption(QString::fromStdString(caption));
                                   },
                                   program_end()});
        },
        windows};
    platform::FormInstance<PartnerStationDialog> partner_station_dialog{
        [this] {
            return std::make_unique<PartnerStationDialog>(
                PartnerDialogContext{state.partners, torv_ini(), platform::program_folder(), program_end()});
        },
        windows};

    // Ends the program. Every window's timers stop; every running transceiver link is
    // stopped (transmitter off, closing commands, corrections saved), so no radio is left
    // transmitting, and the program ends once the last stop is done.
    void end_program() override;
    // The transceiver windows that exist now.
    std::vector<RigWindow*> rig_windows();
    // The transceiver's window if it exists now.
    RigWindow* rig_window(Transceiver t);
    // How the settings dialogs end the program: the main window's settings saved, then
    // ended as above.
    ProgramEnd program_end();

private:
    void fill_rig_context();
    void ft847_setup();
    std::unique_ptr<SatInfoEditor> make_sat_info_editor();
    std::unique_ptr<CwMessageEditor> make_cw_message_editor();
    std::unique_ptr<WorldZoomWindow> make_world_zoom_window();
    // A zoom window made again after a close shows the shown group's names at once.
    template <class W>
    std::unique_ptr<W> make_zoom_window() {
        auto f = std::make_unique<W>(map_window_links());
        show_slot_names(f->slot_labels(), state.groups.shown());
        return f;
    }
    MapWindowLinks map_window_links();
    void fill_element_seam();

    // ---- MainWindowSeam (see mainwindow/main_window_seam.h) ----
    void trace(const std::string& step) override;
    void element_settings_load() override;
    void element_load_hooks(ElementLoadHooks& hooks) override;
    void sat_hosei_set() override;
    void ft847_load_hidden() override;
    void ft847_form_load() override;
    void ft847_show() override;
    void ic910_show() override;
    void ts2000_show() override;
    void ft736_show() override;
    void station_dialog_show() override;
    void partner_station_dialog_show() override;
    void group_settings_dialog_show() override;
    void element_update_window_show() override;
    void sat_info_editor_show() override;
    void schedule_window_show() override;
    void schedule_window_take_pass(const SchedulePass& pass) override;
    void cw_message_editor_show() override;
    void version_window_show() override;
    void week_table_window_show() override;
    void partner_week_table_window_show() override;
    void sky_track_window_show() override;
    void world_zoom_window_show() override;
    // The map windows, as the main window drives them.
    void local_zoom_setup(double scale_top, double scale_left) override;
    void local_zoom_show() override;
    void world_zoom_setup(const std::string& word_map) override;
    void zoom_slot_labels(const std::array<std::string, kSlots>& names) override;
    void open_partner_map(int i) override;
    void map_windows(MapSurfaces& surfaces, MainLoopControls& controls) override;
    void clear_map_windows() override;
    void show_selected_elsewhere(const SelectedSatTexts& texts, const VisibilityColors& colors) override;
    void show_time_elsewhere(DateTime local, DateTime utc) override;
    void show_squint_elsewhere(const std::string& squint) override;
    void zoom_lamp(int slot, bool lit) override;
};

}  // namespace torv
