#pragma once
#include "app/program_state.h"
#include "common/live_values_window.h"
#include "common/number_text.h"
#include "common/progress_window.h"
#include "mainwindow/main_window.h"
#include "orbit/element_update_context.h"
#include "platform/form.h"
#include "platform/tray.h"
#include "rig/rig_context.h"
#include "schedule/schedule_window.h"
#include "schedule/week_window.h"

// The windows' contexts, built from the program state in one place: the App builds its
// windows from these, and the test harnesses build theirs the same way.
namespace torv {

// The windows and services the main window works with beside the state.
struct MainWindowServices {
    platform::FormInstance<ProgressWindow>& progress_window;
    platform::FormInstance<LiveValuesWindow>& dde;
    platform::Tray& tray;
};

inline MainWindowLinks main_window_links(ProgramState& s, MainWindowServices w, MainWindowSeam& seam) {
    return MainWindowLinks{s.elements, s.corrections, s.station,       s.time,           s.orbit,    s.doppler,
                           s.bodies,   s.current_sat, s.partners,      s.groups,         s.settings, s.view,
                           s.chart,    s.rig,         s.tips,          s.element_update, s.schedule, w.progress_window,
                           w.dde,      w.tray,        seam};
}

// The week windows read the colours and the AO-40 values when they draw.
inline WeekLinks week_links(ProgramState& s) {
    const auto look = [&s] {
        WeekLook k;
        k.grp_for_color = static_cast<platform::ColorValue>(s.settings.grp_for_color);
        k.grp_bk_color = static_cast<platform::ColorValue>(s.settings.grp_bk_color);
        k.ao40_sqa_color = static_cast<platform::ColorValue>(s.settings.ao40_sqa_color);
        k.ao40_ma_color = static_cast<platform::ColorValue>(s.settings.ao40_ma_color);
        k.hiru_color = static_cast<platform::ColorValue>(val(s.settings.hiru_color));
        k.yoru_color = static_cast<platform::ColorValue>(val(s.settings.yoru_color));
        k.ao40_attitude_fetched = s.view.ao40_attitude_fetched;
        k.ao40_attitude_error = s.view.ao40_attitude_error;
        k.ao40_alat = s.view.ao40_alat;
        k.ao40_alon = s.view.ao40_alon;
        k.ao40_sqa_value = s.settings.ao40_sqa_value;
        k.ao40_ma_start = s.settings.ao40.start;
        k.ao40_ma_end = s.settings.ao40.end;
        return k;
    };
    return WeekLinks{s.elements, s.corrections,        s.station, s.time, s.groups.selected_sat,
                     s.partners, s.view.partner_index, look};
}

// The element windows; seam: what they ask of the main window.
inline ElementUpdateContext element_update_context(ProgramState& s, ElementUpdateSeam& seam) {
    return ElementUpdateContext{s.element_update, s.element_sources, s.elements, seam, s.time};
}

// The element date the element windows write: the main window's Label33.
inline void fill_element_date_seam(ElementUpdateSeam& seam, platform::FormInstance<MainWindow>& main_window) {
    seam.set_element_date_caption = [&main_window](const std::string& t) {
        main_window().Label33.setCaption(QString::fromStdString(t));
    };
    seam.set_element_date_tooltip = [&main_window](const std::string& t) {
        main_window().Label33.setToolTip(QString::fromStdString(t));
    };
}

// What the transceiver windows read of the main window and publish back.
inline RigContext rig_context(ProgramState& s) {
    const MainSettings& m = s.settings;
    return RigContext{{s.groups.selected_sat, s.doppler.doppler_factor, s.current_sat},
                      {m.ft847_cat, m.ic910_cat, m.ts2000_cat, m.ft736_cat},
                      s.rig,
                      s.schedule.sched_running};
}

// The schedule window over the state; rig_window: a transceiver's window as it is now.
inline ScheduleWindowLinks schedule_window_links(ProgramState& s, ScheduleMirror& mirror,
                                                 platform::FormInstance<MainWindow>& main_window,
                                                 platform::FormInstance<LiveValuesWindow>& dde,
                                                 std::function<RigWindow*(Transceiver t)> rig_window) {
    return ScheduleWindowLinks{s.schedule,           s.groups, s.chart, s.time, s.settings, mirror, main_window, dde,
                               std::move(rig_window)};
}

}  // namespace torv
