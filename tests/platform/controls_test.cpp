#include <gtest/gtest.h>

#include "platform/controls.h"

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
