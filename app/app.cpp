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
    extrn_form();
    form1().Show();
}

void App::fill_element_seam() {
    element_seam.progress_text = [this](const std::string& t) {
        if (Form17* f = form17.existing()) f->Label1.setCaption(QString::fromStdString(t));
    };
    fill_element_date_seam(element_seam, form1);
    element_seam.tray_icon_remove = [this] { form1().tray_icon_remove(); };
    element_seam.end_program = [this] { end_program(); };
    element_seam.show_element_sources = [this] { form16().Show(); };
}

void App::fill_rig_context() {
    RigServices& s = rig_context.services;
    s.dde_put = [this](std::string_view item, const std::string& text) {
        extrn_form().set_item_text(item, QString::fromStdString(text));
    };
    s.open_sat_info_editor = [this] { form9().Show(); };
    s.main_caption = [this] { return form1().caption().toStdString(); };
    s.run_sat_programs = [this] {
        SatPrograms programs;
        run_sat_programs(state.groups.selected_sat, programs);
    };
    // The IC-910 window reads the channel names the dialog loaded; a dialog already
    // loaded keeps what it holds.
    s.load_channel_names = [this] { form19(); };
    s.show_channel_names = [this] { form19().Show(); };
    s.local_now = [this] { return clock_local_now(state.time); };
    s.sched_status = [this](const std::string& text) {
        if (Form21* f = form21.existing()) f->Label12.setCaption(QString::fromStdString(text));
    };
    // Creating the editor runs its load; an editor that exists loads again.
    s.cw_editor_load = [this] {
        if (form22.exists()) form22().form_load();
        else form22();
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

std::unique_ptr<Form9> App::make_form9() {
    // A store rebuilds the mean-motion corrections and sets the FT-847 window up anew.
    return std::make_unique<Form9>(SatInfoEditorContext{
        state.current_sat, state.groups.selected_sat, torv_ini(),
        [this] { sat_hosei_set(state.corrections, state.elements, torv_ini()); }, [this] { ft847_setup(); }});
}

std::unique_ptr<Form22> App::make_form22() {
    return std::make_unique<Form22>(CwEditorContext{rig_context.cw_message, [this] { ts2000().show_cw_messages(); }});
}

std::unique_ptr<Form14> App::make_form14() {
    return std::make_unique<Form14>(map_window_links(), [this] { form1().menu_gsiza_max_map.setChecked(false); });
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
    if (form8* w = ft847.existing()) windows.push_back(w);
    if (Form18* w = form18.existing()) windows.push_back(w);
    if (Form20* w = ft736.existing()) windows.push_back(w);
    if (Form15* w = ts2000.existing()) windows.push_back(w);
    return windows;
}

RigWindow* App::rig_window(int rig) {
    switch (rig) {
        case 1: return ft847.existing();
        case 2: return form18.existing();
        case 3: return ts2000.existing();
        case 4: return ft736.existing();
        default: return nullptr;
    }
}

ProgramEnd App::program_end() {
    return ProgramEnd{[this] { form1().save_settings(); }, [this] { end_program(); }};
}

Form1Hooks App::form1_hooks() {
    Form1Hooks h;
    h.element_settings_load = [this] { element_startup.element_settings_load(); };
    h.element_load_hooks = [this](ElementLoadHooks& hooks) { element_startup.fill_hooks(hooks); };
    h.sat_hosei_set = [this] { sat_hosei_set(state.corrections, state.elements, torv_ini()); };
    h.end_program = [this] { end_program(); };
    h.form8_load_hidden = [this] {
        // Loaded without being shown: its set-up runs now and its timer from now on.
        copy_cat_ports();
        rig_context.backcolor = round_half_even_as<platform::ColorValue>(state.settings.backcolor);
        ft847();
    };
    h.form8_form_load = [this] { ft847_setup(); };
    h.form8_show = [this] { ft847().Show(); };
    h.form20_show = [this] { ft736().Show(); };
    h.form15_show = [this] { ts2000().Show(); };
    h.form18_show = [this] { form18().Show(); };
    h.form9_show = [this] { form9().Show(); };
    h.form22_show = [this] { form22().Show(); };
    h.form21_show = [this] { form21().Show(); };
    h.form21_take_pass = [this](const SchedulePass& pass) {
        if (Form21* f = form21.existing()) f->take_pass(pass);
    };
    h.form4_show = [this] { form4().Show(); };
    h.form5_show = [this] { form5().Show(); };
    h.form6_show = [this] { form6().Show(); };
    h.form10_show = [this] { form10().Show(); };
    h.form3_show = [this] { form3().Show(); };
    h.form2_show = [this] { form2().Show(); };
    h.form7_show = [this] { form7().Show(); };
    h.form14_show = [this] { form14().Show(); };
    h.form11_show = [this] {
        form11().Show();
        form1().Command14.setFocus();
        form11().Command1.setFocus();
    };
    fill_map_window_hooks(h);
    return h;
}

MapWindowLinks App::map_window_links() {
    MapWindowActions actions;
    actions.open_local_zoom = [this] { form1().open_local_zoom_from_map(); };
    actions.select_partner = [this](int i) { form1().select_partner_station(i); };
    actions.open_partner_map = [this](int i) { form13().open_partner_map(i); };
    actions.start_mars_countdown = [this] { form1().start_rtt_countdown(); };
    return MapWindowLinks{state.view,     form1().map_state(), state.settings, state.tips,
                          state.partners, state.station,       state.bodies,   std::move(actions)};
}

void App::fill_map_window_hooks(Form1Hooks& h) {
    h.local_zoom_setup = [this](double top, double left) { form12().set_origin(top, left); };
    h.local_zoom_show = [this] { form12().open_local(); };
    h.world_zoom_setup = [this](const std::string& word_map) { form14().load_world_map(word_map); };
    h.zoom_slot_labels = [this](const std::array<std::string, kSlots>& names) {
        show_slot_names(form12().slot_labels(), names);
        show_slot_names(form13().slot_labels(), names);
    };
    h.open_partner_map = [this](int i) { form13().open_partner_map(i); };
    h.clear_map_windows = [this] {
        form12().Picture1.Cls();
        form13().Picture1.Cls();
        form14().Picture2.Cls();
    };
    h.show_selected_elsewhere = [this](const SelectedSatTexts& t, const VisibilityColors&) {
        if (Form12* f = form12.existing()) show_selected_on(f->result_labels(), t, t.range_short);
        if (Form14* f = form14.existing()) show_selected_on(f->result_labels(), t, t.range);
        // The sky-track chart's read-outs: writing them loads a closed chart again, hidden.
        Form7& chart = form7();
        chart.Label6.setCaption(QString::fromStdString(t.az));
        chart.Label8.setCaption(QString::fromStdString(t.el));
    };
    h.show_squint_elsewhere = [this](const std::string& squint) {
        form7().Label10.setCaption(QString::fromStdString(squint));
    };
    h.show_time_elsewhere = [this](DateTime local, DateTime utc) {
        if (Form12* f = form12.existing()) show_time_on(f->result_labels(), local, utc);
        if (Form14* f = form14.existing()) show_time_on(f->result_labels(), local, utc);
        if (Form13* f = form13.existing()) {
            const PartnerStationTable& p = state.partners;
            const auto i = std::clamp<int64_t>(round_half_even(form1().map_state().partner_zoom_index), 0, kPartnerSlots - 1);
            f->Label6.setCaption(QString::fromStdString(
                general_date_text(partner_local_time(local, state.time.local_to_utc_text, p.partner_time_diff[i]))));
        }
    };
    h.zoom_lamp = [this](int slot, bool lit) {
        light_lamp(*form12().slot_lamps()[slot], lit);
        light_lamp(*form13().slot_lamps()[slot], lit);
    };
    h.map_windows = [this](MapSurfaces& s, MainLoopControls& c) {
        // The redraw loads a closed window again, hidden.
        Form12& local = form12();
        Form13& partner = form13();
        Form14& world = form14();
        s.local_zoom = &local.Picture1;
        s.local_zoom_iss = &local.iss();
        s.partner_zoom = &partner.Picture1;
        s.partner_zoom_iss = &partner.iss();
        c.form13_slot_labels = partner.slot_labels();
        s.world_zoom = &world.Picture2;
        s.world_zoom_iss = &world.iss();
        c.form12_slot_labels = local.slot_labels();
    };
}

}  // namespace torv
