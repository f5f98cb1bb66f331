#include <gtest/gtest.h>

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
