#include "app/app.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <memory>

#include "common/companion_programs.h"
#include "common/number_text.h"
#include "common/settings_keys.h"
#include "common/settings_store.h"
#include "orbit/mean_motion.h"
#include "orbit/time_base.h"
#include "platform/files.h"
#include "platform/msg_box.h"
#include "platform/paths.h"

namespace torv {

void App::start() {
    // Saves cut short by an earlier end of the program leave their temporary files.
    platform::remove_abandoned_temporary_files(platform::program_folder());
    set_settings_write_report([](const std::string& file) {
        platform::msg_box("設定ファイルに書き込めません。設定の変更は保存されません。\n" + file);
    });
    set_unusable_setting_report([](const std::string& name) {
        platform::msg_box("torv.ini の設定値が正しくありません（既定値で続行します）：\n  " + name);
    });
    start_item_server(item_server);
    fill_element_seam();
    fill_rig_context();
    // The export window exists, hidden, from start-up on, so its items are served
    // before the first computation writes them.
    live_values_window();
    main_window().Show();
}

void App::fill_element_seam() {
    element_seam.progress_text = [this](const std::string& t) {
        if (ProgressWindow* f = progress_window.existing()) f->Label1.setCaption(QString::fromStdString(t));
    };
    fill_element_date_seam(element_seam, main_window);
    element_seam.tray_icon_remove = [this] { main_window().tray_icon_remove(); };
    element_seam.end_program = [this] { end_program(); };
    element_seam.show_element_sources = [this] { element_source_window().Show(); };
}

void App::fill_rig_context() {
    RigServices& s = rig_context.services;
    s.dde_put = [this](std::string_view item, const std::string& text) {
        live_values_window().set_item_text(item, QString::fromStdString(text));
    };
    s.open_sat_info_editor = [this] { sat_info_editor().Show(); };
    s.main_caption = [this] { return main_window().caption().toStdString(); };
    s.run_sat_programs = [this] {
        SatPrograms programs;
        run_sat_programs(state.groups.selected_sat, programs);
    };
    // The IC-910 window reads the channel names the dialog loaded; a dialog already
    // loaded keeps what it holds.
    s.load_channel_names = [this] { ic910_channel_names_dialog(); };
    s.show_channel_names = [this] { ic910_channel_names_dialog().Show(); };
    s.local_now = [this] { return clock_local_now(state.time); };
    s.sched_status = [this](const std::string& text) {
        if (ScheduleWindow* f = schedule_window.existing()) f->Label12.setCaption(QString::fromStdString(text));
    };
    // Creating the editor runs its load; an editor that exists loads again.
    s.cw_editor_load = [this] {
        if (cw_message_editor.exists()) cw_message_editor().form_load();
        else cw_message_editor();
    };
    s.panel_colors = [this] {
        const MainSettings& m = state.settings;
        return RemotePanelColors{m.rmt_send_color,     m.rmt_becon_color,    m.rmt_receive_color, m.rmt_sat_color,
                                 m.rmt_sat_freq_color, m.rmt_sat_rigu_color, m.rmt_sat_meta_color};
    };
}

std::unique_ptr<SatInfoEditor> App::make_sat_info_editor() {
    // A store rebuilds the mean-motion corrections and sets the FT-847 window up anew.
    return std::make_unique<SatInfoEditor>(SatInfoEditorContext{
        state.current_sat, state.groups.selected_sat, torv_ini(),
        [this] { torv::sat_hosei_set(state.corrections, state.elements, torv_ini()); }, [this] { ft847_setup(); }});
}

std::unique_ptr<CwMessageEditor> App::make_cw_message_editor() {
    return std::make_unique<CwMessageEditor>(
        CwEditorContext{rig_context.cw_message, [this] { ts2000().show_cw_messages(); }});
}

std::unique_ptr<WorldZoomWindow> App::make_world_zoom_window() {
    return std::make_unique<WorldZoomWindow>(map_window_links(),
                                             [this] { main_window().menu_gsiza_max_map.setChecked(false); });
}

void App::ft847_setup() {
    if (ft847.exists()) ft847().request_setup();
}

void App::end_program() {
    const auto quit = [] { QCoreApplication::exit(0); };
    // No window ticks again, and what still runs meanwhile (the links' stops below, a
    // handler under a wait) finds the windows it knew: none is made or deleted any more.
    windows.end();
    // A running schedule stops where it is: its window ticks no more (above), and no
    // receiver is started or stopped for it.
    state.schedule.sched_running = 0;
    std::vector<RigWindow*> running;
    for (RigWindow* w : rig_windows())
        if (w->link_busy()) running.push_back(w);
    if (running.empty()) {
        quit();
        return;
    }
    // A stop may have to wait for a pending reply; the main window closing meanwhile
    // must not end the program with a transmitter keyed. The program ends once every
    // link is stopped.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const auto left = std::make_shared<size_t>(running.size());
    for (RigWindow* w : running)
        w->stop_for_exit([left, quit] {
            if (--*left == 0) quit();
        });
}

std::vector<RigWindow*> App::rig_windows() {
    std::vector<RigWindow*> windows;
    if (Ft847Window* w = ft847.existing()) windows.push_back(w);
    if (Ic910Window* w = ic910.existing()) windows.push_back(w);
    if (Ft736Window* w = ft736.existing()) windows.push_back(w);
    if (Ts2000Window* w = ts2000.existing()) windows.push_back(w);
    return windows;
}

RigWindow* App::rig_window(Transceiver t) {
    switch (t) {
        case Transceiver::Ft847: return ft847.existing();
        case Transceiver::Ic910: return ic910.existing();
        case Transceiver::Ts2000: return ts2000.existing();
        case Transceiver::Ft736: return ft736.existing();
    }
    return nullptr;
}

ProgramEnd App::program_end() {
    return ProgramEnd{[this] { main_window().save_settings(); }, [this] { end_program(); }};
}

// ---- what the main window asks of the program ----

// The start-up's steps are traced only where a test watches them.
void App::trace(const std::string&) {}
void App::element_settings_load() { element_startup.element_settings_load(); }
void App::element_load_hooks(ElementLoadHooks& hooks) { element_startup.fill_hooks(hooks); }
void App::sat_hosei_set() { torv::sat_hosei_set(state.corrections, state.elements, torv_ini()); }

void App::ft847_load_hidden() {
    // Loaded without being shown: its set-up runs now and its timer from now on.
    rig_context.backcolor = round_half_even_as<platform::ColorValue>(state.settings.backcolor);
    ft847();
}

void App::ft847_form_load() { ft847_setup(); }
void App::ft847_show() { ft847().Show(); }
void App::ft736_show() { ft736().Show(); }
void App::ts2000_show() { ts2000().Show(); }
void App::ic910_show() { ic910().Show(); }
void App::sat_info_editor_show() { sat_info_editor().Show(); }
void App::cw_message_editor_show() { cw_message_editor().Show(); }
void App::schedule_window_show() { schedule_window().Show(); }

void App::schedule_window_take_pass(const SchedulePass& pass) {
    if (ScheduleWindow* f = schedule_window.existing()) f->take_pass(pass);
}

void App::element_update_window_show() { element_update_window().Show(); }
void App::version_window_show() { version_window().Show(); }
void App::week_table_window_show() { week_table_window().Show(); }
void App::partner_station_dialog_show() { partner_station_dialog().Show(); }
void App::group_settings_dialog_show() { group_settings_dialog().Show(); }
void App::station_dialog_show() { station_dialog().Show(); }
void App::sky_track_window_show() { sky_track_window().Show(); }
void App::world_zoom_window_show() { world_zoom_window().Show(); }

void App::partner_week_table_window_show() {
    partner_week_table_window().Show();
    main_window().Command14.setFocus();
    partner_week_table_window().Command1.setFocus();
}

MapWindowLinks App::map_window_links() {
    MapWindowActions actions;
    actions.open_local_zoom = [this] { main_window().open_local_zoom_from_map(); };
    actions.select_partner = [this](int i) { main_window().select_partner_station(i); };
    actions.open_partner_map = [this](int i) { open_partner_map(i); };
    actions.start_mars_countdown = [this] { main_window().start_rtt_countdown(); };
    return MapWindowLinks{state.view,     main_window().map_state(), state.settings, state.tips,
                          state.partners, state.station,       state.bodies,   std::move(actions)};
}

// ---- the map windows, as the main window drives them ----

void App::local_zoom_setup(double top, double left) { local_zoom_window().set_origin(top, left); }
void App::local_zoom_show() { local_zoom_window().open_local(); }
void App::world_zoom_setup(const std::string& word_map) { world_zoom_window().load_world_map(word_map); }

void App::zoom_slot_labels(const std::array<std::string, kSlots>& names) {
    show_slot_names(local_zoom_window().slot_labels(), names);
    show_slot_names(partner_zoom_window().slot_labels(), names);
}

void App::open_partner_map(int i) { partner_zoom_window().open_partner_map(i); }

void App::clear_map_windows() {
    local_zoom_window().Picture1.Cls();
    partner_zoom_window().Picture1.Cls();
    world_zoom_window().Picture2.Cls();
}

void App::show_selected_elsewhere(const SelectedSatTexts& t, const VisibilityColors&) {
    if (LocalZoomWindow* f = local_zoom_window.existing()) show_selected_on(f->result_labels(), t, t.range_short);
    if (WorldZoomWindow* f = world_zoom_window.existing()) show_selected_on(f->result_labels(), t, t.range);
    // The sky-track chart's read-outs: writing them loads a closed chart again, hidden.
    SkyTrackWindow& chart = sky_track_window();
    chart.Label6.setCaption(QString::fromStdString(t.az));
    chart.Label8.setCaption(QString::fromStdString(t.el));
}

void App::show_squint_elsewhere(const std::string& squint) {
    sky_track_window().Label10.setCaption(QString::fromStdString(squint));
}

void App::show_time_elsewhere(DateTime local, DateTime utc) {
    if (LocalZoomWindow* f = local_zoom_window.existing()) show_time_on(f->result_labels(), local, utc);
    if (WorldZoomWindow* f = world_zoom_window.existing()) show_time_on(f->result_labels(), local, utc);
    if (PartnerZoomWindow* f = partner_zoom_window.existing()) {
        const PartnerStationTable& p = state.partners;
        const auto i =
            std::clamp<int64_t>(round_half_even(main_window().map_state().partner_zoom_index), 0, kPartnerSlots - 1);
        f->Label6.setCaption(QString::fromStdString(
            general_date_text(partner_local_time(local, state.time.local_to_utc_text, p.partner_time_diff[i]))));
    }
}

void App::zoom_lamp(int slot, bool lit) {
    light_lamp(*local_zoom_window().slot_lamps()[slot], lit);
    light_lamp(*partner_zoom_window().slot_lamps()[slot], lit);
}

void App::map_windows(MapSurfaces& s, MainLoopControls& c) {
    // The redraw loads a closed window again, hidden.
    LocalZoomWindow& local = local_zoom_window();
    PartnerZoomWindow& partner = partner_zoom_window();
    WorldZoomWindow& world = world_zoom_window();
    s.local_zoom = &local.Picture1;
    s.local_zoom_iss = &local.iss();
    s.partner_zoom = &partner.Picture1;
    s.partner_zoom_iss = &partner.iss();
    c.partner_zoom_window_slot_labels = partner.slot_labels();
    s.world_zoom = &world.Picture2;
    s.world_zoom_iss = &world.iss();
    c.local_zoom_window_slot_labels = local.slot_labels();
}

}  // namespace torv
