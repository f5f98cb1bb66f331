// The two lamp rows of the TS-2000 window's rig-style layout: they show no data, only a
// light pattern running beside the dial. The pattern and the lamp shape are chosen by
// two lists the operator never sees; as the window stands, pattern 2 runs on oval lamps.
#include "platform/controls.h"
#include "rig/ts2000_window.h"

namespace torv {

void Ts2000Window::prepare_lamps() {
    for (const char* digit : {"１", "２", "３", "４", "５"}) Combo1.AddItem(digit);
    for (const char* digit : {"０", "１", "２", "３", "４", "５"}) Combo2.AddItem(digit);
    Combo1.setText("２");
    Combo2.setText("２");
    for (platform::ComboBox* list : {&Combo1, &Combo2}) list->setEditable(true);
    Combo1.hide();
    Combo2.hide();
    Combo2.Click = [this] { Combo2_Click(); };
    // Started by the rig-style layout; its first tick sets the animation's own interval.
    Timer3.setInterval(30);
    Timer3.setEnabled(false);
    Timer3.Timer_ = [this] { Timer3_Timer(); };
    Combo2_Click();
}

void Ts2000Window::init_led_animation() {
    led_position_row1 = led_direction_row1 = 0;
    led_position_row2 = led_direction_row2 = 0;
    led_interval = 20;
    Combo2_Click();
}

void Ts2000Window::Combo2_Click() {
    const int shape = led::shape_number(Combo2.text().toStdString());
    for (int row = 1; row <= 2; ++row)
        for (int i = 0; i < led::kLamps; ++i) {
            platform::Shape& lamp = (row == 1 ? Shape22 : Shape23)[i];
            lamp.setKind(static_cast<platform::Shape::Kind>(shape));
            const led::Place at = led::lamp_place(row, i);
            platform::place(&lamp, at.left, at.top, led::lamp_width(shape, i), led::kLampHeight);
        }
}

void Ts2000Window::Timer3_Timer() {
    // Both rows read the pattern anew and run it in step.
    step_lamp_row(1);
    step_lamp_row(2);
}

void Ts2000Window::step_lamp_row(int row) {
    const int pattern = led::pattern_number(Combo1.text().toStdString());
    if (pattern == 0) return;
    Timer3.setInterval(led_interval);
    std::array<platform::Shape, led::kLamps>& lamps = row == 1 ? Shape22 : Shape23;
    int& position = row == 1 ? led_position_row1 : led_position_row2;
    int& direction = row == 1 ? led_direction_row1 : led_direction_row2;
    const platform::ColorValue on = led::lit_color(row);
    // The lamps' colours are the row's state: a restarted pattern finds them as they were.
    led::Row now{{}, position, direction};
    for (int i = 0; i < led::kLamps; ++i) now.lit[i] = lamps[i].fillColor() == on;
    led::step(pattern, now);
    for (int i = 0; i < led::kLamps; ++i) {
        const platform::ColorValue color = now.lit[i] ? on : led::kDark;
        if (lamps[i].fillColor() != color) lamps[i].setFillColor(color);
    }
    position = now.position;
    direction = now.direction;
}

}  // namespace torv
