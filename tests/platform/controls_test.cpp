#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <filesystem>

#include "platform/choosers.h"
#include "support/temp_dir.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/layout.h"

TEST(Controls, ValueChangesRunTheirHandlers) {
    QWidget window;
    platform::CheckBox check(&window);
    int clicks = 0;
    check.Click = [&] { ++clicks; };
    check.setValue(1);
    check.setValue(1);
    EXPECT_EQ(check.value(), 1);
    EXPECT_EQ(clicks, 1);

    platform::OptionButton a(&window), b(&window);
    int chosen_b = 0;
    b.Click = [&] { ++chosen_b; };
    a.setValue(true);
    b.setValue(true);
    EXPECT_FALSE(a.value());  // one set per parent
    EXPECT_EQ(chosen_b, 1);

    platform::ComboBox combo(&window);
    combo.AddItem("COM1");
    combo.AddItem("COM2");
    combo.setListIndex(1);
    EXPECT_EQ(combo.text(), "COM2");
    EXPECT_EQ(combo.listCount(), 2);
}

TEST(Controls, LineControlSpansItsPoints) {
    QWidget window;
    platform::LineControl line(&window);
    line.setPoints(1500, 300, 150, 3000);
    EXPECT_EQ(line.geometry(), QRect(10, 20, 91, 181));
}

TEST(Layout, ATableGivesEachControlItsPlaceCaptionAndTip) {
    platform::Form window;
    window.menuBar();  // controls on the window count from below its bar
    platform::Frame frame(&window);
    platform::Label label(&frame);
    platform::CommandButton button(&window);
    platform::CheckBox check(&frame);
    platform::TextBox box(&frame);
    int label_changes = 0;
    label.Change = [&] { ++label_changes; };
    platform::lay_out({
        {&frame, 150, 300, 3000, 1500, "周波数", "変換方式"},
        {&label, 150, 300, 1500, 240, "方位"},
        {&button, 0, 0, 900, 330, "終了", "プログラムの終了"},
        {&check, 150, 600, 1500, 270, "効果音"},
        {&box, 150, 900, 1500, 330, "0"},
    });
    EXPECT_EQ(frame.geometry(), QRect(10, 20 + window.client_top_px(), 200, 100));
    EXPECT_EQ(label.geometry(), QRect(10, 20, 100, 16));  // inside its frame: no bar to pass
    EXPECT_EQ(button.geometry().topLeft(), QPoint(0, window.client_top_px()));
    EXPECT_EQ(frame.caption(), QString::fromUtf8("周波数"));
    EXPECT_EQ(frame.toolTip(), QString::fromUtf8("変換方式"));
    EXPECT_EQ(label.caption(), QString::fromUtf8("方位"));
    EXPECT_EQ(label_changes, 1);  // a label's caption is set as the program sets it
    EXPECT_EQ(button.caption(), QString::fromUtf8("終了"));
    EXPECT_EQ(button.toolTip(), QString::fromUtf8("プログラムの終了"));
    EXPECT_EQ(check.caption(), QString::fromUtf8("効果音"));
    EXPECT_EQ(box.text(), "0");
    EXPECT_TRUE(label.toolTip().isEmpty());
}

namespace {
void type_key(QWidget* box, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
}
}  // namespace

TEST(Controls, ComboBoxTextChangesAreTypedOrSetNeverPicked) {
    QWidget window;
    platform::ComboBox combo(&window);
    combo.setEditable(true);
    for (const char* item : {"-1", "0", "1"}) combo.AddItem(item);
    int changes = 0, clicks = 0;
    combo.Change = [&] { ++changes; };
    combo.Click = [&] { ++clicks; };
    combo.setListIndex(2);  // picked from the list
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 1);
    combo.setText("5.5");  // set by the program
    EXPECT_EQ(combo.text(), "5.5");
    EXPECT_EQ(changes, 1);
    type_key(combo.lineEdit(), "0");  // typed
    EXPECT_EQ(combo.text(), "5.50");
    EXPECT_EQ(changes, 2);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(combo.lineEdit(), &enter);
    EXPECT_EQ(combo.listCount(), 3);  // a typed value joins no list
}

TEST(Controls, KeyDownRunsBeforeTheKeyActs) {
    QWidget window;
    platform::TextBox box(&window);
    box.setText("ja");
    QString seen;
    box.KeyDown = [&] {
        seen = box.text();
        box.setText(box.text().toUpper());
    };
    box.setCursorPosition(2);
    type_key(&box, "3");
    EXPECT_EQ(seen, "ja");
    EXPECT_EQ(box.text(), "JA3");
}

TEST(Controls, FileListBoxListsTheFolderFilesOfItsPatternInAnyLetterCase) {
    TempDir dir;
    for (const char* name : {"b.BMP", "a.bmp", "c.txt", "D.Bmp"}) dir.write(name, "x");
    std::filesystem::create_directory(dir.file("e.bmp"));  // a folder is no file
    QWidget window;
    platform::FileListBox files(&window);
    files.setPattern("*.BMP");
    files.setPath(QString::fromStdString(dir.str()));
    ASSERT_EQ(files.listCount(), 3);
    EXPECT_EQ(files.list(0), "a.bmp");
    EXPECT_EQ(files.list(2), "D.Bmp");
    EXPECT_EQ(files.fileName(), "");
    files.setListIndex(1);
    EXPECT_EQ(files.fileName(), "b.BMP");
}

TEST(Choosers, AScriptAnswersInPlaceOfTheOperator) {
    platform::ChooserScript script;
    script.files = {QString("/music/a.mp3"), std::nullopt};
    script.colors = {255};
    EXPECT_EQ(platform::choose_open_file("*.mp3"), QString("/music/a.mp3"));
    EXPECT_EQ(platform::choose_open_file("*.mp3"), std::nullopt);  // cancelled
    EXPECT_EQ(platform::choose_color(0), 255);
    EXPECT_EQ(platform::choose_color(255), std::nullopt);  // run out: cancelled
    EXPECT_EQ(script.color_starts, (std::deque<platform::ColorValue>{0, 255}));
}

namespace {

// A press and release of the left button at a point of a list's viewport; double: a
// double-click.
void click_at(QAbstractItemView& view, QPoint at, bool twice = false) {
    const auto send = [&](QEvent::Type type) {
        QMouseEvent e(type, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &e);
    };
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    if (!twice) return;
    send(QEvent::MouseButtonDblClick);
    send(QEvent::MouseButtonRelease);
}

}  // namespace

TEST(Controls, ListViewHoldsItemsInColumnsWithAColourPerCell) {
    platform::Form window;
    window.resize(600, 300);
    platform::ListView view(&window);
    view.setGeometry(0, 0, 600, 300);
    view.setColumns({"リグ", "衛星グループ", "衛星名"});
    EXPECT_EQ(view.headerItem()->text(2), "衛星名");
    EXPECT_EQ(view.AddItem("ＩＣ９１０", {"グループＡ", "FO-29"}), 0);
    EXPECT_EQ(view.AddItem("ＦＴ８４７", {"グループＢ", "AO-7"}), 1);
    EXPECT_EQ(view.listCount(), 2);
    EXPECT_EQ(view.cell(1, 2), "AO-7");
    EXPECT_EQ(view.cellForeColor(1, 2), platform::kBlack);  // items start black
    view.setCellForeColor(1, 2, platform::kRed);
    EXPECT_EQ(view.cellForeColor(1, 2), platform::kRed);
    EXPECT_EQ(view.cellForeColor(1, 1), platform::kBlack);
    view.setItemForeColor(0, platform::kRed);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(view.cellForeColor(0, c), platform::kRed);

    EXPECT_EQ(view.selectedItem(), -1);
    view.setSelectedItem(1);
    EXPECT_EQ(view.selectedItem(), 1);

    // The operator's click chooses the item and runs Click; a click by code runs nothing.
    window.show();
    int clicks = 0;
    view.Click = [&] { ++clicks; };
    EXPECT_EQ(clicks, 0);
    click_at(view, view.visualItemRect(view.topLevelItem(0)).center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(view.selectedItem(), 0);

    view.RemoveItem(0);
    EXPECT_EQ(view.listCount(), 1);
    EXPECT_EQ(view.cell(0, 0), "ＦＴ８４７");
    EXPECT_EQ(view.cell(5, 0), "");  // no such item
}

TEST(Controls, ListBoxDoubleClickFollowsTheRowChoice) {
    platform::Form window;
    platform::ListBox list(&window);
    list.setGeometry(0, 0, 300, 200);
    list.AddItem("first");
    list.AddItem("second");
    window.show();
    std::vector<std::string> events;
    list.Click = [&] { events.push_back("click " + std::to_string(list.listIndex())); };
    list.DblClick = [&] { events.push_back("double " + std::to_string(list.listIndex())); };
    click_at(list, list.visualItemRect(list.item(1)).center(), true);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1", "double 1"}));

    list.setBackColor(12648447);
    EXPECT_EQ(list.backColor(), 12648447);
    EXPECT_EQ(list.palette().color(QPalette::Base), platform::to_qcolor(12648447));
}
