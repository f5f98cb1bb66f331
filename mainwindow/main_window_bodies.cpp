// The Sun, the Moon and Mars on the main window's maps and the map windows, and the
// countdown of the radio round trip to Mars in Label67.
#include "common/sound_music.h"
#include "mainwindow/body_sky.h"
#include "mainwindow/main_window.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace torv {

namespace {
constexpr platform::ColorValue kCountBlue = 16711680, kCountRed = 255;
}  // namespace

void MainWindow::draw_bodies() { torv::draw_bodies(main_loop().map(), l_.bodies, body_icons_); }

void MainWindow::plot_sun_moon_mars() {
    BodySkyControls c;
    c.Picture4 = &Picture4;
    c.swatch = {&Shape8, &Shape7, &Shape11};
    c.az_label = {&Label36, &Label40, &Label65};
    c.el_label = {&Label37, &Label41, &Label66};
    torv::plot_sun_moon_mars(c, l_.bodies, l_.settings, body_icons_);
}

void MainWindow::start_rtt_countdown() {
    MarsEchoState& e = l_.view.mars_echo;
    const DateTime now = clock_local_now(l_.time);
    mars_echo_start(e, l_.bodies.body_dist[kMars], now);
    Label67.setEnabled(true);
    Label67.setForeColor(kCountBlue);
    Label67.setCaption(platform::qs(mars_echo_caption(e, now)));
}

void MainWindow::update_rtt_countdown() {
    MarsEchoState& e = l_.view.mars_echo;
    if (e.mars_echo_state == 0) Label67.setForeColor(kBlack);
    const MarsEchoTick t = mars_echo_tick(e, clock_local_now(l_.time));
    if (t.caption) Label67.setCaption(platform::qs(*t.caption));
    if (t.cleared) {
        Label67.setEnabled(false);
        Label67.setForeColor(kBlack);
        Label67.setCaption(QString());
    }
    if (t.warn) {
        Label67.setForeColor(kCountRed);
        play_sound_file(platform::program_file("sound2.wav"));
    }
}

void MainWindow::Label67_Click() {
    Label67.setForeColor(kBlack);
    Label67.setCaption(QString());
    Label67.setEnabled(false);
    l_.view.mars_echo.mars_echo_state = 0;
}

}  // namespace torv
