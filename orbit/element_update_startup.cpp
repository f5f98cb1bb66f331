#include "orbit/element_update_startup.h"

#include "common/settings_store.h"
#include "orbit/call_if_set.h"
#include "orbit/element_dg_tr.h"
#include "orbit/element_stamps.h"
#include "platform/paths.h"

namespace torv {

ElementStartup::ElementStartup(ElementUpdateContext& context,
                               platform::FormInstance<ElementUpdateWindow>& element_update_window)
    : ctx_(context), element_update_window_(element_update_window) {}

void ElementStartup::element_settings_load() {
    const std::string ini = torv_ini();
    ElementUpdateState& st = ctx_.state;
    read_element_stamps(st, ini, kAbsentStampMain, clock_local_reading(ctx_.time));
    call_if_set(ctx_.seam.set_element_date_caption, element_date_caption(st));
    st.elements_stale = elements_stale_flag(st.kidoukousin_yymmdd, clock_local_reading(ctx_.time));
    st.elm_auto_sw = read_elm_auto_sw(ini);
    if (!element_date_tooltip(st.elm_auto_sw).empty()) element_update_window_().show_mode(st.elm_auto_sw);
    read_degital_sat(ctx_.sources, ini);
    load_bulletin_settings(ctx_.sources, ini);
}

void ElementStartup::element_download_startup() {
    element_update_window_().Command1_Click();
    ElementUpdateState& st = ctx_.state;
    write_element_stamps(st, torv_ini());
    call_if_set(ctx_.seam.set_element_date_caption, element_date_caption(st));
    st.elements_stale = elements_stale_flag(st.kidoukousin_yymmdd, clock_local_reading(ctx_.time));
    st.elm_updated = 0;
}

void ElementStartup::element_files_mark_digital() {
    torv::element_files_mark_digital(platform::program_folder(), ctx_.sources.degital_sat_list);
}

void ElementStartup::element_stamp_set(const std::string& line1) {
    take_stamp_from_line1(ctx_.state, line1, clock_local_reading(ctx_.time));
    write_element_stamps(ctx_.state, torv_ini());
    call_if_set(ctx_.seam.set_element_date_caption, element_date_caption(ctx_.state));
}

void ElementStartup::fill_hooks(ElementLoadHooks& hooks) {
    hooks.download_startup = [this] { element_download_startup(); };
    hooks.mark_digital = [this] { element_files_mark_digital(); };
    hooks.stamp_set = [this](const std::string& line1) { element_stamp_set(line1); };
}

}  // namespace torv
