#include "app/app.h"

#include <QCoreApplication>

#include "common/debug_log.h"
#include "platform/msg_box.h"
#include "platform/paths.h"

namespace torv {

void App::start() {
    form17().Show();
    start_item_server(item_server);
    fill_element_seam();
    element_startup.element_settings_load();
    load_elements();
    form17.Unload();
    delete_test_log();
    // The export window exists, hidden, from start-up on, so its items are served
    // before the first computation writes them.
    extrn_form();
    // Until the main window exists the program shows who it is once loading is done.
    form5().Show();
}

void App::fill_element_seam() {
    element_seam.progress_text = [this](const std::string& t) {
        if (Form17* f = form17.existing()) f->Label1.setCaption(QString::fromStdString(t));
    };
    element_seam.end_program = [] { QCoreApplication::exit(0); };
    element_seam.show_element_sources = [this] { form16().Show(); };
}

void App::load_elements() {
    ElementLoadHooks hooks;
    hooks.progress_text = [this](const std::string& t) {
        form17().Label1.setCaption(QString::fromStdString(t));
        QCoreApplication::processEvents();
    };
    hooks.progress_advance = [this] { form17().ProgressBar_CNTUP(); };
    hooks.progress_timer = [this](bool on) { form17().Timer1.setEnabled(on); };
    element_startup.fill_hooks(hooks);
    ElementLoadReport report;
    load_element_table(elements, element_update.elm_auto_sw, /*selected_sat=*/"", platform::program_folder(), hooks,
                       report);
    if (!report.notices.empty()) {
        std::string text;
        for (const std::string& n : report.notices) text += n + "\n";
        platform::msg_box(text);
    }
}

}  // namespace torv
