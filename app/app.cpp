#include "app/app.h"

#include <QCoreApplication>

#include "common/settings_store.h"
#include "orbit/mean_motion.h"

namespace torv {

App::App()
    : item_server(platform::ItemServer::executable_application_name()),
      dde([this] { return std::make_unique<extrn>(&item_server); }),
      form1([this] {
          return std::make_unique<Form1>(Form1Links{elements, corrections, station, time, orbit, doppler, bodies,
                                                    current_sat, partners, groups, settings, view, chart, rig, tips,
                                                    form17, dde, tray, hooks()});
      }) {}

Form1Hooks App::hooks() {
    Form1Hooks h;
    h.sat_hosei_set = [this] { sat_hosei_set(corrections, elements, torv_ini()); };
    h.end_program = [] { QCoreApplication::exit(0); };
    h.load_bulletin_settings = [this] { element_startup.element_settings_load(); };
    h.element_download_startup = [this] { element_startup.element_download_startup(); };
    h.element_files_mark_digital = [this] { element_startup.element_files_mark_digital(); };
    h.element_stamp_set = [this](const std::string& line1) { element_startup.element_stamp_set(line1); };
    return h;
}

void App::fill_element_seam() {
    element_seam.progress_text = [this](const std::string& t) {
        if (Form17* f = form17.existing()) f->Label1.setCaption(QString::fromStdString(t));
    };
    element_seam.set_element_date_caption = [this](const std::string& t) {
        if (Form1* f = form1.existing()) f->Label33.setCaption(QString::fromStdString(t));
    };
    element_seam.end_program = [] { QCoreApplication::exit(0); };
    element_seam.show_element_sources = [this] { form16().Show(); };
}

void App::start() {
    fill_element_seam();
    start_item_server(item_server);
    form1().Show();
}

}  // namespace torv
