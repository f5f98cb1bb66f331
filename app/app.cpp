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

void App::copy_cat_ports() {
    const auto port = [](const CatPortSetting& s) { return CatPort{s.enable, s.port, s.speed, s.rig_addr, s.ctrl_addr}; };
    rig_context.ft847_cat = port(state.settings.ft847_cat);
    rig_context.ic910_cat = port(state.settings.ic910_cat);
    rig_context.ts2000_cat = port(state.settings.ts2000_cat);
    rig_context.ft736_cat = port(state.settings.ft736_cat);
}

std::unique_ptr<SatInfoEditor> App::make_sat_info_editor() {
    // A store rebuilds the mean-motion corrections and sets the FT-847 window up anew.
    return std::make_unique<SatInfoEditor>(SatInfoEditorContext{
        state.current_sat, state.groups.selected_sat, torv_ini(),
        [this] { sat_hosei_set(state.corrections, state.elements, torv_ini()); }, [this] { ft847_setup(); }});
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

RigWindow* App::rig_window(int rig) {
    switch (rig) {
        case 1: return ft847.existing();
        case 2: return ic910.existing();
        case 3: return ts2000.existing();
        case 4: return ft736.existing();
        default: return nullptr;
    }
}

ProgramEnd App::program_end() {
    return ProgramEnd{[this] { main_window().save_settings(); }, [this] { end_program(); }};
}

MainWindowHooks App::main_window_hooks() {
    MainWindowHooks h;
    h.element_settings_load = [this] { element_startup.element_settings_load(); };
    h.element_load_hooks = [this](ElementLoadHooks& hooks) { element_startup.fill_hooks(hooks); };
    h.sat_hosei_set = [this] { sat_hosei_set(state.corrections, state.elements, torv_ini()); };
    h.end_program = [this] { end_program(); };
    h.ft847_load_hidden = [this] {
        // Loaded without being shown: its set-up runs now and its timer from now on.
        copy_cat_ports();
        rig_context.backcolor = round_half_even_as<platform::ColorValue>(state.settings.backcolor);
        ft847();
    };
    h.ft847_form_load = [this] { ft847_setup(); };
    h.ft847_show = [this] { ft847().Show(); };
    h.ft736_show = [this] { ft736().Show(); };
    h.ts2000_show = [this] { ts2000().Show(); };
    h.ic910_show = [this] { ic910().Show(); };
    h.sat_info_editor_show = [this] { sat_info_editor().Show(); };
    h.cw_message_editor_show = [this] { cw_message_editor().Show(); };
    h.schedule_window_show = [this] { schedule_window().Show(); };
    h.schedule_window_take_pass = [this](const SchedulePass& pass) {
        if (ScheduleWindow* f = schedule_window.existing()) f->take_pass(pass);
    };
    h.element_update_window_show = [this] { element_update_window().Show(); };
    h.version_window_show = [this] { version_window().Show(); };
    h.week_table_window_show = [this] { week_table_window().Show(); };
    h.partner_station_dialog_show = [this] { partner_station_dialog().Show(); };
    h.group_settings_dialog_show = [this] { group_settings_dialog().Show(); };
    h.station_dialog_show = [this] { station_dialog().Show(); };
    h.sky_track_window_show = [this] { sky_track_window().Show(); };
    h.world_zoom_window_show = [this] { world_zoom_window().Show(); };
    h.partner_week_table_window_show = [this] {
        partner_week_table_window().Show();
        main_window().Command14.setFocus();
        partner_week_table_window().Command1.setFocus();
    };
    fill_map_window_hooks(h);
    return h;
}

MapWindowLinks App::map_window_links() {
    MapWindowActions actions;
    actions.open_local_zoom = [this] { main_window().open_local_zoom_from_map(); };
    actions.select_partner = [this](int i) { main_window().select_partner_station(i); };
    actions.open_partner_map = [this](int i) { partner_zoom_window().open_partner_map(i); };
    actions.start_mars_countdown = [this] { main_window().start_rtt_countdown(); };
    return MapWindowLinks{state.view,     main_window().map_state(), state.settings, state.tips,
                          state.partners, state.station,       state.bodies,   std::move(actions)};
}

void App::fill_map_window_hooks(MainWindowHooks& h) {
    h.local_zoom_setup = [this](double top, double left) { local_zoom_window().set_origin(top, left); };
    h.local_zoom_show = [this] { local_zoom_window().open_local(); };
    h.world_zoom_setup = [this](const std::string& word_map) { world_zoom_window().load_world_map(word_map); };
    h.zoom_slot_labels = [this](const std::array<std::string, kSlots>& names) {
        show_slot_names(local_zoom_window().slot_labels(), names);
        show_slot_names(partner_zoom_window().slot_labels(), names);
    };
    h.open_partner_map = [this](int i) { partner_zoom_window().open_partner_map(i); };
    h.clear_map_windows = [this] {
        local_zoom_window().Picture1.Cls();
        partner_zoom_window().Picture1.Cls();
        world_zoom_window().Picture2.Cls();
    };
    h.show_selected_elsewhere = [this](const SelectedSatTexts& t, const VisibilityColors&) {
        if (LocalZoomWindow* f = local_zoom_window.existing()) show_selected_on(f->result_labels(), t, t.range_short);
        if (WorldZoomWindow* f = world_zoom_window.existing()) show_selected_on(f->result_labels(), t, t.range);
        // The sky-track chart's read-outs: writing them loads a closed chart again, hidden.
        SkyTrackWindow& chart = sky_track_window();
        chart.Label6.setCaption(QString::fromStdString(t.az));
        chart.Label8.setCaption(QString::fromStdString(t.el));
    };
    h.show_squint_elsewhere = [this](const std::string& squint) {
        sky_track_window().Label10.setCaption(QString::fromStdString(squint));
    };
    h.show_time_elsewhere = [this](DateTime local, DateTime utc) {
        if (LocalZoomWindow* f = local_zoom_window.existing()) show_time_on(f->result_labels(), local, utc);
        if (WorldZoomWindow* f = world_zoom_window.existing()) show_time_on(f->result_labels(), local, utc);
        if (PartnerZoomWindow* f = partner_zoom_window.existing()) {
            const PartnerStationTable& p = state.partners;
            const auto i = std::clamp<int64_t>(round_half_even(main_window().map_state().partner_zoom_index), 0, kPartnerSlots - 1);
            f->Label6.setCaption(QString::fromStdString(
                general_date_text(partner_local_time(local, state.time.local_to_utc_text, p.partner_time_diff[i]))));
        }
    };
    h.zoom_lamp = [this](int slot, bool lit) {
        light_lamp(*local_zoom_window().slot_lamps()[slot], lit);
        light_lamp(*partner_zoom_window().slot_lamps()[slot], lit);
    };
    h.map_windows = [this](MapSurfaces& s, MainLoopControls& c) {
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
    };
}

}  // namespace torv
