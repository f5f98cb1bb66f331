#pragma once
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

#include "orbit/element_update_context.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// "軌道要素の更新": fetches new element sets, lists what arrived, chooses the
// automatic-update mode and opens the element-source settings. Loaded hidden at
// every start; the start-up download runs its update button without showing it.
class ElementUpdateWindow : public platform::Form {
    Q_OBJECT
public:
    explicit ElementUpdateWindow(ElementUpdateContext& context);

    platform::CommandButton Command1;  // "軌道要素更新"
    platform::CommandButton Command2;  // "終了"
    QListWidget List1;                 // every line received
    platform::Label Label1;            // "前回更新日"
    platform::Label Label2;            // the last update's date, blue when it was complete
    platform::Label Label3;            // which source is being fetched
    platform::Label Label4;            // what the bulletin's header search found

    QMenuBar MenuBar;
    QMenu* f14_menu_setup;        // "設定"
    QMenu* F4_MENU_ELM;           // "起動時自動更新": the automatic-update mode
    QAction* F4_MENU_AUTO_SET;    // "自動更新設定": update at every start
    QAction* F4_MENU_AUTO_RESET;  // "自動更新解除": no automatic update
    QAction* F4_MENU_FILE;        // "軌道要素ファイル指定 ": torv_solid.elm only, no download
    QAction* f14_menu_url;        // "軌道要素ＵＲＬ" opens the element-source settings

    // The download engine; public, also run hidden at start-up. Does nothing while a
    // run is going on.
    void Command1_Click();
    // Finish: closes the window, which stores the mode and, after an update, the
    // stamps, asks for a restart and ends the program.
    void Command2_Click();
    void F4_MENU_AUTO_SET_Click();
    void F4_MENU_AUTO_RESET_Click();
    void F4_MENU_FILE_Click();
    void f14_menu_url_Click();

    // Ticks the item of a mode ("0", "1", "2") and sets the element-date label's tool
    // tip; any other mode changes nothing. The main window's settings load uses it too.
    void show_mode(const std::string& elm_auto_sw);

    bool running() const { return running_; }

protected:
    void Form_Load() override;
    // Closing while a download runs cancels the download and keeps the window;
    // otherwise it runs the finish step.
    void Form_Unload(bool& cancel) override;

private:
    void choose_mode(const std::string& elm_auto_sw);
    void finish();
    void set_stamp_label(const std::string& caption, bool complete);

    ElementUpdateContext& ctx_;
    bool running_ = false;
};

}  // namespace torv
