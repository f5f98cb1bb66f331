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
    return h;
}

void App::start() {
    start_item_server(item_server);
    form1().Show();
}

}  // namespace torv
