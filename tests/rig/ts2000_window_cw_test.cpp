#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "common/cp932.h"
#include "common/datetime.h"
#include "common/settings_store.h"
#include "platform/qt_color.h"
#include "rig/cw_message_editor.h"
#include "ts2000_fixture.h"

using namespace torv;

namespace {

// The TS-2000 window with its memory editor wired as the program wires them, and the
// station's clock standing at 2026-12-11 09:05:03.
struct CwFixture : Ts2000Fixture {
    std::unique_ptr<CwMessageEditor> editor;

    void SetUp() override {
        Ts2000Fixture::SetUp();
        ctx.services.local_now = [] { return date_serial(2026, 12, 11) + time_serial(9, 5, 3); };
        ctx.services.cw_editor_load = [this] {
            if (!editor)
                editor = std::make_unique<CwMessageEditor>(CwEditorContext{ctx.cw_message, [this] { show(); }});
            editor->form_load();
        };
    }
    void TearDown() override {
        Ts2000Fixture::TearDown();
        editor.reset();
    }
    void show() {
        if (f) f->show_cw_messages();
    }
    std::string cw_log() const { return cp932_to_utf8(dir.read("TS2000_CW_LOG.LOG")); }
    static std::string blanks(size_t n) { return std::string(n, ' '); }
};

// Key presses as the desktop delivers them to the widget with the focus.
void press(QWidget* w, Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &e);
}
void type(QWidget* w, const QString& text) {
    for (QChar c : text) press(w, Qt::Key_unknown, QString(c));
}

}  // namespace

TEST_F(CwFixture, CwOnAndOffSendTheSpeedAndShowThePanel) {
    ini_write(Section{"CW"}, Key{"SPEED"}, "5", torv_ini());
    Ts2000Window& stopped = window();
    EXPECT_FALSE(stopped.Command20.isEnabled());  // until the link runs
    EXPECT_EQ(stopped.Label42.caption(), "5");
    Ts2000Window& w = started();
    ASSERT_TRUE(w.Command20.isEnabled());
    const int height = w.height();
    dir.write("TS2000_CW_LOG.LOG", "old contacts\r\n");

    size_t mark = radio.mark();
    w.Command20_Click();
    EXPECT_EQ(since(mark), Commands{"KS005;"});
    EXPECT_EQ(radio.state.keying_speed, 5);
    EXPECT_EQ(w.cw_running, 1);
    EXPECT_EQ(w.Command20.caption(), "ＣＷ終了");
    EXPECT_TRUE(w.Frame8.isEnabled());
    EXPECT_NEAR(w.height(), height + 2140, 15);  // whole pixels
    EXPECT_FALSE(std::filesystem::exists(dir.file("TS2000_CW_LOG.LOG")));  // each CW start begins a new log

    mark = radio.mark();
    w.Command20_Click();
    EXPECT_EQ(since(mark), Commands{"KS005;"});
    EXPECT_EQ(w.Command20.caption(), "ＣＷ開始");
    EXPECT_FALSE(w.Frame8.isEnabled());
    EXPECT_EQ(w.height(), height);

    // The link's stop switches CW off; the port is closed by then.
    w.Command20_Click();
    settle();
    mark = radio.mark();
    w.Command2_Click();
    EXPECT_EQ(w.cw_running, 0);
    EXPECT_FALSE(w.Command20.isEnabled());
    const Commands stop = since(mark);
    EXPECT_EQ(std::count(stop.begin(), stop.end(), "KS005;"), 0);
}

TEST_F(CwFixture, TheSliderStoresAndSendsTheSpeedAtOnce) {
    Ts2000Window& w = started();
    EXPECT_EQ(w.Slider1.value(), 30);  // the default
    const size_t mark = radio.mark();
    w.Slider1.setValue(25);
    EXPECT_EQ(since(mark), Commands{"KS025;"});
    EXPECT_EQ(w.Label42.caption(), " 25");
    EXPECT_EQ(w.cw_speed, "25");
    EXPECT_EQ(ini_read(Section{"CW"}, Key{"SPEED"}, torv_ini()), "25");
}

TEST_F(CwFixture, FunctionKeysSendTheSubstitutedMemoryAndLogIt) {
    const std::string sixty = "%C UR %S 0123456789 0123456789 0123456789 0123456789 ABCDEF";
    ini_write(Section{"CW"}, Key{"CW_MESSAGE00"}, "%C DE JA1XYZ UR %S %S K", torv_ini());
    ini_write(Section{"CW"}, Key{"CW_MESSAGE09"}, sixty, torv_ini());
    Ts2000Window& w = started();
    // With CW off the keys send nothing.
    size_t mark = radio.mark();
    EXPECT_TRUE(w.Form_KeyDown(114, 0, false));
    EXPECT_TRUE(since(mark).empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("TS2000_CW_LOG.LOG")));

    w.Command20_Click();
    type(&w.Text1, " jh1abc ");
    EXPECT_EQ(w.Text1.text(), " JH1ABC ");
    w.Combo3.setText("579");
    settle();
    mark = radio.mark();
    for (int key : {114, 115, 123}) w.Form_KeyDown(key, 0, false);  // F3, F4 (empty), F12
    EXPECT_EQ(since(mark), (Commands{"KY JH1ABC DE JA1XYZ UR 579 ;", "KY 579 K" + blanks(19) + ";",
                                     "KY " + blanks(24) + ";", "KY JH1ABC UR 579 0123456789;",
                                     "KY  0123456789 0123456789 0;"}));
    EXPECT_EQ(radio.state.keyed.size(), 5u);  // the radio took every command
    const std::string at = "2026/12/11 9:05:03,FO-29,JH1ABC,579,";
    EXPECT_EQ(cw_log(), at + "JH1ABC DE JA1XYZ UR 579 579 K\r\n" + at + "\r\n" + at +
                            "JH1ABC UR 579 0123456789 0123456789 0123456789 0123456789 ABCDEF\r\n");
    EXPECT_EQ(w.Command21[0].palette().color(QPalette::Button), platform::to_qcolor(kButtonFace));
}

TEST_F(CwFixture, BoxKeysWhileTheLinkRuns) {
    Ts2000Window& w = started();
    w.Command20_Click();
    w.Text1.setText("JH1ABC");
    w.Text1.setFocus();
    w.Text1.setCursorPosition(0);
    press(&w.Text1, Qt::Key_Delete);
    EXPECT_EQ(w.Text1.text(), "");  // the whole box, not one character

    // The report box takes digits, "-" and "." only.
    w.Combo3.setText("");
    type(w.Combo3.lineEdit(), "5a9 /-.,9");
    EXPECT_EQ(w.Combo3.text(), "59-.9");
    press(&w.Text1, Qt::Key_Alt, {}, Qt::AltModifier);
    EXPECT_EQ(w.Combo3.text(), "");
}

TEST_F(CwFixture, EditorLoadsAndStoresTheMemories) {
    ini_write(Section{"CW"}, Key{"CW_MESSAGE01"}, "cq de %c k", torv_ini());
    ini_write(Section{"CW"}, Key{"CW_MESSAGE02"}, "ERROR", torv_ini());
    Ts2000Window& w = window();
    ASSERT_TRUE(editor);
    CwMessageEditor& e = *editor;
    EXPECT_EQ(e.caption(), "CWメッセージ登録");
    EXPECT_EQ(ctx.cw_message[1], "cq de %c k");  // sent as stored until saved
    EXPECT_EQ(e.Text1[1].text(), "CQ DE %C K");
    EXPECT_EQ(w.Label40[1].caption(), "CQ DE %C K");
    EXPECT_EQ(ctx.cw_message[2], "");
    EXPECT_EQ(ctx.cw_message[0], "");  // missing key

    e.Text1[0].setText("  tu %c 73  ");
    e.Command1_Click();
    EXPECT_EQ(ini_read(Section{"CW"}, Key{"CW_MESSAGE00"}, torv_ini()), "TU %C 73");
    EXPECT_EQ(ini_read(Section{"CW"}, Key{"CW_MESSAGE01"}, torv_ini()), "CQ DE %C K");
    EXPECT_EQ(ini_read(Section{"CW"}, Key{"CW_MESSAGE09"}, torv_ini()), "");
    EXPECT_EQ(ctx.cw_message[0], "TU %C 73");
    EXPECT_EQ(w.Label40[0].caption(), "TU %C 73");
    EXPECT_EQ(e.Text1[0].text(), "  tu %c 73  ");  // the box keeps what was typed
}

// A set-up of the TS-2000 window (another satellite) while the editor holds typed,
// unsaved texts refreshes the table and the window's labels but not the boxes.
TEST_F(CwFixture, ASetUpKeepsTheEditorsUnsavedTexts) {
    ini_write(Section{"CW"}, Key{"CW_MESSAGE00"}, "CQ", torv_ini());
    Ts2000Window& w = window();
    CwMessageEditor& e = *editor;
    e.Text1[0].setFocus();
    type(&e.Text1[0], " K");
    ini_write(Section{"CW"}, Key{"CW_MESSAGE00"}, "QRZ", torv_ini());
    w.form_load();
    EXPECT_EQ(e.Text1[0].text(), "CQ K");
    EXPECT_EQ(ctx.cw_message[0], "QRZ");
    EXPECT_EQ(w.Label40[0].caption(), "QRZ");

    e.Command1_Click();
    ini_write(Section{"CW"}, Key{"CW_MESSAGE00"}, "QRZ", torv_ini());
    w.form_load();  // saved: the boxes show the stored texts again
    EXPECT_EQ(e.Text1[0].text(), "QRZ");
}
