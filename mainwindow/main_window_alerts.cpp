// The sky view's satellite markers and what the main window does with each satellite's
// elevation there: the rise and set sounds, the visibility lamps, the visible flags;
// the tray notices of the visible-satellite scan and bringing the window back.
#include "common/sound_music.h"
#include "mainwindow/alerts.h"
#include "mainwindow/main_window.h"
#include "mainwindow/sky_view.h"
#include "orbit/geodesy.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace torv {

namespace {
constexpr platform::ColorValue kLampLit = 255;  // a lit lamp is a red disc
}  // namespace

std::array<platform::Shape*, kSlots> MainWindow::lamps() {
    return {&Shape2, &Shape3, &Shape4, &Shape5, &Shape6, &Shape9, &Shape10};
}

void MainWindow::plot_radar(double& colour) {
    draw_radar_grid(Picture4);
    double E = rad_to_deg(l_.orbit.calc.calc_el);
    check_aos_los(E);
    update_visibility_lamp(E);
    store_visible_flag(E);
    draw_radar_marker(Picture4, l_.orbit.calc, colour, l_.settings);
}

void MainWindow::check_aos_los(double& e) {
    switch (torv::check_aos_los(e, l_.view.slot_prev_el[maps_.draw_slot])) {
        case HorizonCrossing::Rise: play_aos_sound(); break;
        case HorizonCrossing::Set: play_los_sound(); break;
        case HorizonCrossing::None: break;
    }
}

void MainWindow::play_aos_sound() {
    if (l_.view.effect_sound_on == 1) play_sound_file(platform::program_file("sound2.wav"));
    select_current_pass_row();
}

void MainWindow::play_los_sound() {
    if (l_.view.effect_sound_on == 1) play_sound_file(platform::program_file("sound3.wav"));
    select_current_pass_row();
}

void light_lamp(platform::Shape& lamp, bool lit) {
    lamp.setFillColor(kLampLit);
    lamp.setFilled(lit);
}

void MainWindow::set_lamp(int slot, bool lit) {
    light_lamp(*lamps()[slot], lit);
    l_.seam.zoom_lamp(slot, lit);
}

void MainWindow::update_visibility_lamp(double& e) {
    const int s = maps_.draw_slot;
    switch (visibility_lamp_step(l_.settings.eisei_blink, e, l_.view.lamp_blink_phase[s])) {
        case LampStep::AllDark:
            for (int k = 0; k < kSlots; ++k) set_lamp(k, false);
            break;
        case LampStep::Dark: set_lamp(s, false); break;
        case LampStep::Lit: set_lamp(s, true); break;
    }
}

void MainWindow::store_visible_flag(double& e) { l_.view.slot_visible[maps_.draw_slot] = e >= 0 ? 1 : 0; }

void MainWindow::show_tray_balloon(const std::string& text) {
    l_.tray.show_balloon(QString::fromUtf8(kTrayBalloonTitle), platform::qs(text));
}

void MainWindow::restore_main_window() {
    if (!isMinimized()) return;
    // Back to the front without staying on top.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

}  // namespace torv
