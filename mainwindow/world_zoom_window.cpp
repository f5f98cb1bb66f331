#include "mainwindow/world_zoom_window.h"

#include <QKeyEvent>

#include "common/settings_store.h"
#include "common/web_pages.h"
#include "orbit/call_if_set.h"
#include "mainwindow/map_geometry.h"
#include "platform/layout.h"

namespace torv {

namespace {
constexpr int kF12 = 123;
constexpr int kCtrl = 2;
}  // namespace

WorldZoomWindow::WorldZoomWindow(MapWindowLinks links, std::function<void()> menu_unchecked)
    : Label1(this), Label2(this), Label3(this), Label4(this), Label5(this), Label6(this), Label7(this), Label8(this),
      Frame1(this), Label9(&Frame1), Label10(&Frame1), Label11(&Frame1), Command1(this), Picture2(this),
      Picture1(this), l_(links), menu_unchecked_(std::move(menu_unchecked)) {
    setCaption(QString::fromUtf8(kWorldZoomWindowCaption));
    move_twips(0, 0, 13740, 8160);
    platform::lay_out({
        {&Label1, 120, 120, 900, 255, "人工衛星"},
        {&Label2, 1020, 120, 1900, 255},
        {&Label3, 120, 450, 600, 255, "方位"},
        {&Label4, 720, 450, 900, 255},
        {&Label5, 1680, 450, 600, 255, "仰角"},
        {&Label6, 2280, 450, 900, 255},
        {&Label7, 3240, 450, 600, 255, "距離"},
        {&Label8, 3840, 450, 1500, 255},
        {&Frame1, 5520, 0, 6600, 780, "現在時間"},
        {&Label9, 120, 300, 2800, 285},
        {&Label10, 3000, 330, 600, 200, "ＵＴＣ"},
        {&Label11, 3700, 300, 2700, 285},
        {&Command1, 12360, 240, 1100, 420, "終了"},
        {&Picture2, 0, 840, 13605, 6855},
    });
    Picture1.hide();
    set_world_map_scale(Picture2);
    Command1.Click = [this] { Command1_Click(); };
    MapClickSteps steps;
    steps.own_station = l_.actions.open_local_zoom;
    steps.satellite = [this](const std::string& name) { open_sat_url(name); };
    steps.station = [this](int i) {
        call_if_set(l_.actions.select_partner, i);
        open_partner_map(i);
    };
    steps.mars = l_.actions.start_mars_countdown;
    attach_map_mouse(Picture2, kWorldZoomReadouts, readout_tables(l_),
                     {l_.view.world_zoom_mouse_x, l_.view.world_zoom_mouse_y, &l_.maps.world_zoom_own_pinned},
                     l_.station, steps);
}

void WorldZoomWindow::open_sat_url(const std::string& name) { torv::open_sat_url(name); }

void WorldZoomWindow::open_partner_map(int i) { call_if_set(l_.actions.open_partner_map, i); }

void WorldZoomWindow::Form_Load() {
    std::string word_map = ini_read(Section{"HAIKEIZU"}, Key{"WORD_MAP"}, torv_ini());
    if (word_map == "ERROR") word_map = kDefaultWorldMap;
    std::vector<std::string> missing;
    load_map_bitmap(Picture2, word_map, missing);
    iss_ = load_iss_picture(missing);
    note_missing_bitmaps(l_.maps.bitmaps_noted, missing);
}

void WorldZoomWindow::load_world_map(const std::string& file) {
    load_map_bitmap(Picture2, file, l_.maps.bitmaps_noted);
}

void WorldZoomWindow::Command1_Click() {
    if (menu_unchecked_) menu_unchecked_();
    Unload();
}

void WorldZoomWindow::Form_Unload(bool& cancel) {
    (void)cancel;
    if (menu_unchecked_) menu_unchecked_();
}

bool WorldZoomWindow::Form_KeyDown(int key_code, int shift) {
    if (key_code != kF12 || shift != kCtrl) return false;
    Command1_Click();
    return true;
}

void WorldZoomWindow::keyPressEvent(QKeyEvent* event) {
    const int shift = (event->modifiers().toInt() >> 25) & 7;
    if (event->key() == Qt::Key_F12 && Form_KeyDown(kF12, shift)) return;
    platform::Form::keyPressEvent(event);
}

}  // namespace torv
