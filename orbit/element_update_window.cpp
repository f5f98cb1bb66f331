#include "orbit/element_update_window.h"

#include "common/settings_store.h"
#include "orbit/call_if_set.h"
#include "orbit/element_download.h"
#include "orbit/element_stamps.h"
#include "platform/http.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

using platform::kRed;
using platform::kBlue;

ElementUpdateWindow::ElementUpdateWindow(ElementUpdateContext& context)
    : Command1(this), Command2(this), List1(this), Label1(this), Label2(this), Label3(this), Label4(this),
      MenuBar(this), ctx_(context) {
    setCaption("軌道要素の更新");
    move_twips(1200, 1200, 7800, 6600);

    f14_menu_setup = MenuBar.addMenu("設定");
    F4_MENU_ELM = f14_menu_setup->addMenu("起動時自動更新");
    F4_MENU_AUTO_SET = F4_MENU_ELM->addAction("自動更新設定");
    F4_MENU_AUTO_RESET = F4_MENU_ELM->addAction("自動更新解除");
    F4_MENU_FILE = F4_MENU_ELM->addAction("軌道要素ファイル指定 ");
    f14_menu_url = f14_menu_setup->addAction("軌道要素ＵＲＬ");
    for (QAction* a : {F4_MENU_AUTO_SET, F4_MENU_AUTO_RESET, F4_MENU_FILE}) a->setCheckable(true);
    connect(F4_MENU_AUTO_SET, &QAction::triggered, this, [this] { F4_MENU_AUTO_SET_Click(); });
    connect(F4_MENU_AUTO_RESET, &QAction::triggered, this, [this] { F4_MENU_AUTO_RESET_Click(); });
    connect(F4_MENU_FILE, &QAction::triggered, this, [this] { F4_MENU_FILE_Click(); });
    connect(f14_menu_url, &QAction::triggered, this, [this] { f14_menu_url_Click(); });
    platform::lay_out({
        {&MenuBar, 0, 0, 7800, 330},
        {&Label1, 240, 480, 1200, 300, "前回更新日"},
        {&Label2, 1500, 480, 4200, 300, nullptr, "前回の軌道要素更新日"},
        {&Label3, 240, 840, 7200, 300, nullptr, "軌道要素取得先の状況"},
        {&Label4, 240, 1200, 7200, 300},
        {&List1, 240, 1560, 7200, 3900, nullptr, "軌道要素の表示"},
        {&Command1, 3600, 5640, 1800, 450, "軌道要素更新", "軌道要素の取得"},
        {&Command2, 5640, 5640, 1800, 450, "終了", "軌道要素更新の終了"},
    });
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void ElementUpdateWindow::Form_Load() {
    const std::string ini = torv_ini();
    read_element_stamps(ctx_.state, ini, kAbsentStampWindow, clock_local_reading(ctx_.time));
    Label2.setCaption(qs(element_date_caption(ctx_.state)));
    Label2.setForeColor(kRed);
    read_kidou_urls(ctx_.sources, ini);
    ctx_.state.elm_auto_sw = read_elm_auto_sw(ini);
    show_mode(ctx_.state.elm_auto_sw);
}

void ElementUpdateWindow::show_mode(const std::string& elm_auto_sw) {
    const std::string tooltip = element_date_tooltip(elm_auto_sw);
    if (tooltip.empty()) return;
    F4_MENU_AUTO_SET->setChecked(elm_auto_sw == "1");
    F4_MENU_AUTO_RESET->setChecked(elm_auto_sw == "0");
    F4_MENU_FILE->setChecked(elm_auto_sw == "2");
    call_if_set(ctx_.seam.set_element_date_tooltip, tooltip);
}

void ElementUpdateWindow::choose_mode(const std::string& elm_auto_sw) {
    show_mode(elm_auto_sw);
    ctx_.state.elm_auto_sw = elm_auto_sw;
}

void ElementUpdateWindow::F4_MENU_AUTO_SET_Click() { choose_mode("1"); }
void ElementUpdateWindow::F4_MENU_AUTO_RESET_Click() { choose_mode("0"); }
void ElementUpdateWindow::F4_MENU_FILE_Click() { choose_mode("2"); }
void ElementUpdateWindow::f14_menu_url_Click() { call_if_set(ctx_.seam.show_element_sources); }

void ElementUpdateWindow::set_stamp_label(const std::string& caption, bool complete) {
    Label2.setCaption(qs(caption));
    Label2.setForeColor(complete ? kBlue : kRed);
}

void ElementUpdateWindow::Command1_Click() {
    if (running_) return;
    running_ = true;
    Command1.setEnabled(false);
    Command2.setEnabled(false);

    ElementDownloadView view;
    view.list_add = [this](const std::string& line) { List1.addItem(qs(line)); };
    view.set_status = [this](const std::string& text) {
        Label3.setCaption(qs(text));
        call_if_set(ctx_.seam.progress_text, "軌道要素の取得開始（インターネット接続中）" + text);
    };
    view.set_header_message = [this](const std::string& text) { Label4.setCaption(qs(text)); };
    view.set_stamp_label = [this](const std::string& caption, bool complete) { set_stamp_label(caption, complete); };
    view.message = [](const std::string& text) { platform::msg_box(text); };
    run_element_download(ctx_.sources, ctx_.state, view,
                         ElementDownloadOptions{platform::program_folder(), torv_ini(), clock_local_reading(ctx_.time), ctx_.http_timeout});

    Command1.setEnabled(true);
    Command2.setEnabled(true);
    running_ = false;
}

void ElementUpdateWindow::Command2_Click() { Unload(); }

void ElementUpdateWindow::Form_Unload(bool& cancel) {
    if (running_) {
        platform::http_cancel();
        cancel = true;
        return;
    }
    finish();
}

void ElementUpdateWindow::finish() {
    const std::string ini = torv_ini();
    write_elm_auto_sw(ctx_.state, ini);
    if (ctx_.state.elm_updated != 1) return;
    write_element_stamps(ctx_.state, ini);
    platform::msg_box(std::string("軌道要素が更新されました。プログラムを再起動してください。"));
    call_if_set(ctx_.seam.tray_icon_remove);
    call_if_set(ctx_.seam.end_program);
}

}  // namespace torv
