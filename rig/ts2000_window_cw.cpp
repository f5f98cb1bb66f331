// The TS-2000 window's CW keyer: CW on and off with the keying speed, the ten memory
// buttons and their function keys sending through the rig's own keyer, the callsign
// and report boxes whose texts fill the messages' placeholders, and the contact log.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <filesystem>

#include "common/debug_log.h"
#include "common/number_text.h"
#include "common/settings_store.h"
#include "common/waits.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/text.h"
#include "rig/ts2000_window.h"

namespace torv {

using platform::qs;

namespace {

constexpr const char* kCwLog = "TS2000_CW_LOG.LOG";
constexpr int kButtonTop = 1020, kButtonStep = 220;

const char* const kKeyCaptions[cw::kMemories] = {"Ｆ３", "Ｆ４", "Ｆ５", "Ｆ６",  "Ｆ７",
                                                 "Ｆ８", "Ｆ９", "Ｆ１０", "Ｆ１１", "Ｆ１２"};
const char* const kKeyTips[cw::kMemories] = {
    "ファンクションＦ３キー", "ファンクションＦ４キー", "ファンクションＦ５キー",  "ファンクションＦ６キー",
    "ファンクションＦ７キー", "ファンクションＦ８キー", "ファンクションＦ９キー",  "ファンクションＦ１０キー",
    "ファンクションＦ１１キー", "ファンクションＦ１２キー"};

std::string trimmed(const QString& text) { return trim(text.toStdString()); }

}  // namespace

void Ts2000Window::place_cw_panel() {
    // The panel's own place is the layouts'.
    Command20.setCaption("ＣＷ開始");
    Command20.setToolTip("ＣＷの自動送信を実行します");
    Frame8.setCaption("ＣＷ送信制御");
    platform::lay_out({
        {&Frame9, 90, 240, 2460, 720, "コールサイン "},
        {&Label43, 90, 340, 300, 300, "%C", "相手局のコールサイン"},
        {&Text1, 390, 300, 1260, 360, nullptr, "相手局のコールサイン"},
        {&Command22, 1710, 300, 660, 360, "クリア"},
        {&Frame11, 2610, 240, 1560, 720, "シグナルリポート"},
        {&Label41, 90, 340, 300, 300, "%S", "相手局のシグナルリポート"},
        {&Combo3, 390, 300, 1080, 360},
        {&Frame10, 4230, 240, 2310, 720, "キーイングスピード"},
        {&Slider1, 90, 300, 1700, 360, nullptr, "キーイングスピードの設定"},
        {&Label42, 1830, 340, 420, 300},
    });
    for (int i = 0; i < cw::kMemories; ++i) {
        Command21[i].setParent(&Frame8);
        Label40[i].setParent(&Frame8);
        // Two columns of five: F3..F7 at the left, F8..F12 at the right.
        const int left = i < 5 ? 90 : 3330, top = kButtonTop + (i % 5) * kButtonStep;
        platform::lay_out({{&Command21[i], left, top, 660, kButtonStep, kKeyCaptions[i], kKeyTips[i]},
                           {&Label40[i], left + 720, top + 20, 2460, kButtonStep - 20}});
    }
    Combo3.setEditable(true);
    for (const char* report : {"599", "589", "579", "559", "589", "579"}) Combo3.AddItem(report);
    Combo3.setText("599");
    Slider1.setRange(10, 60);
    Frame8.setEnabled(false);
}

void Ts2000Window::connect_cw_handlers() {
    Command20.Click = [this] { Command20_Click(); };
    Command22.Click = [this] { Command22_Click(); };
    for (int i = 0; i < cw::kMemories; ++i) Command21[i].Click = [this, i] { Command21_Click(i); };
    Slider1.Change = [this] { Slider1_Click(); };
    Text1.Change = [this] { Text1_Change(); };
    connect(&Text1, &QLineEdit::editingFinished, this, [this] { Text1_Change(); });
    // The boxes would take these keys before the window could look at them.
    for (QObject* box : {static_cast<QObject*>(&Text1), static_cast<QObject*>(&Combo3),
                         static_cast<QObject*>(Combo3.lineEdit())})
        box->installEventFilter(this);
}

// The set-up's part: the memories, the speed, and CW usable only once the link runs.
void Ts2000Window::cw_setup() {
    Command20.setEnabled(false);
    if (ctx.services.cw_editor_load) ctx.services.cw_editor_load();
    cw_speed = ini_read_or(Section{"CW"}, Key{"SPEED"}, "30", torv_ini());
    Label42.setCaption(qs(cw_speed));
    const QSignalBlocker quiet(Slider1);
    Slider1.setValue(static_cast<int>(val(cw_speed)));
}

void Ts2000Window::show_cw_messages() {
    for (int i = 0; i < cw::kMemories; ++i) Label40[i].setCaption(qs(cw::upper(ctx.cw_message[i])));
}

void Ts2000Window::size_for_cw() {
    const panel::Size size = panel::window_size(f15_gamen, cw_running == 1);
    set_outer_size(size.width, size.height);
}

void Ts2000Window::Command20_Click() {
    if (cw_running == 0) {
        cw_running = 1;
        Command20.setCaption("ＣＷ終了");
        Command20.setBackColor(platform::kCyan);
        Frame8.setEnabled(true);
        Text1.setFocus();
        // Each CW start begins a new contact log.
        std::error_code ignored;
        std::filesystem::remove(kCwLog, ignored);
    } else {
        cw_running = 0;
        Command20.setCaption("ＣＷ開始");
        Command20.setBackColor(kButtonFace);
        Frame8.setEnabled(false);
    }
    size_for_cw();
    data_put(cw::speed_command(cw_speed));
}

void Ts2000Window::Slider1_Click() {
    const std::string shown = str_num(Slider1.value());
    Label42.setCaption(qs(shown));
    cw_speed = trim(shown);
    ini_write(Section{"CW"}, Key{"SPEED"}, cw_speed, torv_ini());
    data_put(cw::speed_command(cw_speed));
}

void Ts2000Window::Command21_Click(int index) {
    platform::CommandButton& button = Command21[index];
    button.setBackColor(platform::kCyan);
    button.repaint();
    const std::string callsign = trimmed(Text1.text()), report = trimmed(Combo3.text());
    const std::string message = cw::substitute(ctx.cw_message[index], callsign, report);
    write_cw_log(message, callsign, report);
    for (const std::string& command : cw::keying_commands(message)) data_put(command);
    // No events meanwhile: a second memory cannot start inside this one.
    sleep_sec(0.1f);
    button.setBackColor(kButtonFace);
}

void Ts2000Window::write_cw_log(const std::string& message, const std::string& callsign, const std::string& report) {
    const std::string time = ctx.services.local_now ? general_date_text(ctx.services.local_now()) : std::string();
    if (!append_cp932_text(kCwLog, cw::log_line(time, ctx.sat.selected_sat, callsign, report, message)))
        platform::msg_box("TS2000_CW_LOG.LOGファイルがオープンできません");
}

void Ts2000Window::Command22_Click() {
    Text1.setText("");
    Text1.setFocus();
}

void Ts2000Window::Text1_Change() {
    const QString up = qs(cw::upper(Text1.text().toStdString()));
    if (up == Text1.text()) return;
    Text1.setText(up);
    Text1.end(false);
}

void Ts2000Window::Combo3_KeyPress(int& key_ascii) {
    if (cw::report_char_allowed(key_ascii)) return;
    QApplication::beep();
    key_ascii = 0;
    Combo3.setFocus();
}

bool Ts2000Window::Form_KeyDown(int key_code, int shift, bool auto_repeat) {
    if (key_code >= 114 && key_code <= 123) {
        // A memory keys the transmitter: only while the operator has CW on.
        if (cw_running == 1) Command21_Click(key_code - 114);
        return true;
    }
    if (key_code == 46) {
        Command22_Click();
        return true;
    }
    if (key_code == 18 && (shift & 3) == 0) {
        Combo3.setText("");
        Combo3.setFocus();
        return true;
    }
    return RigWindow::Form_KeyDown(key_code, shift, auto_repeat);
}

bool Ts2000Window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return RigWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (preview_key(key)) return true;
    if ((watched == &Combo3 || watched == Combo3.lineEdit()) && key->text().size() == 1) {
        int code = key->text()[0].unicode();
        Combo3_KeyPress(code);
        return code == 0;
    }
    return false;
}

}  // namespace torv
