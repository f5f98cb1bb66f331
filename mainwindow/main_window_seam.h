#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "common/datetime.h"
#include "mainwindow/main_loop.h"
#include "mainwindow/map_state.h"
#include "mainwindow/pass_list.h"
#include "mainwindow/result_texts.h"
#include "mainwindow/sat_groups.h"
#include "orbit/element_table.h"

// What the main window asks of the windows and routines it does not own. The App
// implements this interface, so a request the App does not answer fails to compile; a
// test implements it with tests/support's no-op base and overrides what it watches.
namespace torv {

// A pass of the pass list as the schedule window's boxes take it: the times, the
// maximum elevation's text, the group shown (0..4 = A..E; the schedule window names it)
// and the satellite's name.
struct SchedulePass {
    PassPick pass;
    std::string max_el_text;
    int16_t group = 0;
    std::string satellite;
};

class MainWindowSeam {
public:
    virtual ~MainWindowSeam() = default;

    // Each start-up step names itself here as it runs ("settings_load", "timers_off" …).
    virtual void trace(const std::string& step) = 0;

    // The element part of the settings load (update stamps, element-date label and
    // staleness, update mode with the element-update window's menus, duplicate list,
    // bulletin settings), and the loading step's download and stamp routines.
    virtual void element_settings_load() = 0;
    virtual void element_load_hooks(ElementLoadHooks& hooks) = 0;

    // The local zoom map (its picture's scale top and left; shown when so configured),
    // the enlarged world map (its bitmap), the zoom windows' seven slot labels.
    virtual void local_zoom_setup(double scale_top, double scale_left) = 0;
    virtual void local_zoom_show() = 0;
    virtual void world_zoom_setup(const std::string& word_map) = 0;
    virtual void zoom_slot_labels(const std::array<std::string, kSlots>& names) = 0;
    // The partner zoom map opened on registered station i (0..5).
    virtual void open_partner_map(int i) = 0;
    // The map windows' pictures and slot labels for the redraw, reached at every use.
    virtual void map_windows(MapSurfaces& surfaces, MainLoopControls& controls) = 0;
    // "現在" clears the pictures of the map windows.
    virtual void clear_map_windows() = 0;
    // The selected satellite's results and the time labels on the map windows and the
    // sky-track chart.
    virtual void show_selected_elsewhere(const SelectedSatTexts& texts, const VisibilityColors& colors) = 0;
    virtual void show_time_elsewhere(DateTime local, DateTime utc) = 0;
    // AO-40's squint angle ("##0.0") for the sky-track chart's read-out, as the orbit-plane
    // view draws AO-40's attitude.
    virtual void show_squint_elsewhere(const std::string& squint) = 0;

    // The FT-847 window: loaded hidden at start-up; set up again on every selection.
    virtual void ft847_load_hidden() = 0;
    virtual void ft847_form_load() = 0;

    // ---- The windows the main window's buttons and menus open ----
    virtual void ft847_show() = 0;                   // FT-847 ("FT847リモート", "ＦＴ８４７"), made visible
    virtual void ic910_show() = 0;                   // IC-910 ("IC910リモート", "ＩＣ９１０")
    virtual void ts2000_show() = 0;                  // TS-2000 ("TS2000リモート", "ＴＳ２０００")
    virtual void ft736_show() = 0;                   // FT-736 ("FT736リモート", "ＦＴ７３６")
    virtual void station_dialog_show() = 0;          // station settings ("観測場所設定")
    virtual void partner_station_dialog_show() = 0;  // partner stations ("登録局設定")
    virtual void group_settings_dialog_show() = 0;   // groups, colours and display options ("衛星グループ設定")
    virtual void element_update_window_show() = 0;   // element update ("軌道要素更新", the element date)
    virtual void sat_info_editor_show() = 0;         // satellite information ("衛星の情報登録")
    virtual void schedule_window_show() = 0;  // schedule ("スケジュール登録開始", "スケジュール登録")
    // A pass double-clicked in the pass list, into the schedule window's boxes and added there.
    virtual void schedule_window_take_pass(const SchedulePass& pass) = 0;
    virtual void cw_message_editor_show() = 0;  // CW messages ("ＣＷメッセージ登録")
    virtual void version_window_show() = 0;     // version ("バージョン")
    virtual void week_table_window_show() = 0;  // week pass table ("週間予定一覧")
    // two-station week table ("一覧作成"), its close button focused
    virtual void partner_week_table_window_show() = 0;
    virtual void sky_track_window_show() = 0;   // sky-track chart (a click on the radar view)
    virtual void world_zoom_window_show() = 0;  // enlarged world map (screen layout "1")

    // The per-satellite mean-motion corrections, rebuilt from the element table.
    virtual void sat_hosei_set() = 0;

    // The lamp of a display slot on the zoom map windows, lit or dark (light_lamp); the
    // windows are loaded hidden when they are not open.
    virtual void zoom_lamp(int slot, bool lit) = 0;

    // Ends the program at once: no other window's close handling, no further tick.
    virtual void end_program() = 0;
};

}  // namespace torv
