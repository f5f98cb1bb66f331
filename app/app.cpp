#include "app/app.h"

#include <QCoreApplication>

#include "common/debug_log.h"
#include "common/settings_store.h"
#include "platform/msg_box.h"
#include "platform/paths.h"

namespace torv {

void App::start() {
    form17().Show();
    load_elements();
    form17.Unload();
    delete_test_log();
    // Until the main window exists the program shows who it is once loading is done.
    form5().Show();
}

void App::load_elements() {
    std::string mode = ini_read("ELM_AUTO_SW", "KIDOUKOUSIN", torv_ini());
    if (mode == "ERROR") mode = "0";
    ElementLoadHooks hooks;
    hooks.progress_text = [this](const std::string& t) {
        form17().Label1.setCaption(QString::fromStdString(t));
        QCoreApplication::processEvents();
    };
    hooks.progress_advance = [this] { form17().ProgressBar_CNTUP(); };
    hooks.progress_timer = [this](bool on) { form17().Timer1.setEnabled(on); };
    // The start-up download (mode "1") and the stamps of mode "2" come with the
    // element-update window; until then mode "1" loads the files as they are.
    ElementLoadReport report;
    load_element_table(elements, mode, /*selected_sat=*/"", platform::program_folder(), hooks, report);
    if (!report.notices.empty()) {
        std::string text;
        for (const std::string& n : report.notices) text += n + "\n";
        platform::msg_box(text);
    }
}

}  // namespace torv
