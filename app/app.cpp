#include "app/app.h"

#include <QCoreApplication>

#include "common/settings_store.h"
#include "orbit/mean_motion.h"

namespace torv {

void App::start() {
    start_item_server(item_server);
    fill_element_seam();
    // The export window exists, hidden, from start-up on, so its items are served
    // before the first computation writes them.
    extrn_form();
    form1().Show();
}

void App::fill_element_seam() {
    element_seam.progress_text = [this](const std::string& t) {
        if (Form17* f = form17.existing()) f->Label1.setCaption(QString::fromStdString(t));
    };
    element_seam.set_element_date_caption = [this](const std::string& t) {
        form1().Label33.setCaption(QString::fromStdString(t));
    };
    element_seam.set_element_date_tooltip = [this](const std::string& t) {
        form1().Label33.setToolTip(QString::fromStdString(t));
    };
    element_seam.tray_icon_remove = [this] { form1().tray_icon_remove(); };
    element_seam.end_program = [] { QCoreApplication::exit(0); };
    element_seam.show_element_sources = [this] { form16().Show(); };
}

Form1Links App::form1_links() {
    return Form1Links{elements, corrections, station,  time, orbit,      doppler,    bodies,
                      current_sat, partners, groups,  settings, view,   chart,      rig,
                      tips,     element_update, form17, extrn_form, tray, form1_hooks()};
}

Form1Hooks App::form1_hooks() {
    Form1Hooks h;
    h.element_settings_load = [this] { element_startup.element_settings_load(); };
    h.element_load_hooks = [this](ElementLoadHooks& hooks) { element_startup.fill_hooks(hooks); };
    h.sat_hosei_set = [this] { sat_hosei_set(corrections, elements, torv_ini()); };
    h.end_program = [] { QCoreApplication::exit(0); };
    return h;
}

}  // namespace torv
