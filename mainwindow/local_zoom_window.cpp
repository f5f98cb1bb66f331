#include "mainwindow/local_zoom_window.h"

#include "common/number_text.h"
#include "mainwindow/map_geometry.h"
#include "platform/layout.h"

namespace torv {

namespace {
constexpr int kLocalPx = 396;
constexpr int kAsiaPxWidth = 623, kAsiaPxHeight = 613;
}  // namespace

LocalZoomWindow::LocalZoomWindow(MapWindowLinks links)
    : Picture1(this), Picture2(this), Label9(this), Label10(this), Label11(this), Label12(this), Label13(this),
      Label14(this), Label15(this), Label16(this), Frame1(this), Label6(&Frame1), Label8(&Frame1), Label7(&Frame1),
      Label1(this), Label2(this), Label3(this), Label4(this), Label5(this), Label17(this), Label18(this),
      Shape1(this), Shape2(this), Shape3(this), Shape4(this), Shape5(this), Shape6(this), Shape7(this),
      Check1(this), Command3(this), Command2(this), Command1(this), l_(links) {
    setCaption(QString::fromUtf8(kLocalZoomWindowCaption));
    move_twips(0, 0, 8115, 7560);
    place_local();
    platform::lay_out({
        {&Label6, 45, 180, 2445, 285, nullptr, "現在時間"},
        {&Label8, 2565, 225, 330, 150, "UTC"},
        {&Label7, 3060, 225, 1680, 195, nullptr, "世界標準時間"},
        {&Check1, 6165, 6165, 1095, 285, "斜線"},
    });
    Label9.setCaption(QString::fromUtf8("人工衛星"));
    Label9.setToolTip(QString::fromUtf8("選択されている衛星"));
    Label10.setToolTip(QString::fromUtf8("選択されている衛星"));
    Label11.setCaption(QString::fromUtf8("方位"));
    Label13.setCaption(QString::fromUtf8("仰角"));
    Label15.setCaption(QString::fromUtf8("距離"));
    Frame1.setCaption(QString::fromUtf8("現在時間"));
    Command3.setCaption(QString::fromUtf8("拡大"));
    Command3.setToolTip(QString::fromUtf8("アジアの領域を表示"));
    Command2.setCaption(QString::fromUtf8("縮小"));
    Command1.setCaption(QString::fromUtf8("閉じる"));
    Picture2.hide();
    // The initial scale, until the settings load or an opener sets the origin.
    Picture1.Scale(15, 15, 30, -30);
    for (platform::Label* label : slot_labels()) label->installEventFilter(this);
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Check1.Click = [this] { Check1_Click(); };
    MapClickSteps steps;
    steps.station = l_.actions.select_partner;
    steps.mars = l_.actions.start_mars_countdown;
    attach_map_mouse(Picture1, kLocalZoomReadouts, readout_tables(l_),
                     {l_.view.map_mouse_x, l_.view.map_mouse_y, &l_.maps.local_zoom_own_pinned}, l_.station, steps);
}

std::array<platform::Label*, 7> LocalZoomWindow::slot_labels() {
    return {&Label1, &Label2, &Label3, &Label4, &Label5, &Label17, &Label18};
}

std::array<platform::Shape*, 7> LocalZoomWindow::slot_lamps() { return {&Shape1, &Shape2, &Shape3, &Shape4, &Shape5, &Shape6, &Shape7}; }

void LocalZoomWindow::Form_Load() {
    std::vector<std::string> missing;
    load_map_bitmap(Picture1, l_.settings.local.local_map_file, missing);
    iss_ = load_iss_picture(missing);
    note_missing_bitmaps(l_.maps.bitmaps_noted, missing);
}

void LocalZoomWindow::place_local() {
    const std::array<int, 7> label_left{150, 870, 1590, 2280, 3060, 3810, 4590};
    const std::array<int, 7> lamp_left{90, 810, 1530, 2250, 3000, 3750, 4530};
    platform::lay_out({
        {&Picture1, 0, 0, 6000, 6000},
        {&Label9, 6075, 135, 900, 255},
        {&Label10, 6075, 540, 1900, 255},
        {&Label11, 6075, 1035, 600, 255},
        {&Label12, 6795, 1035, 1200, 255},
        {&Label13, 6075, 1530, 600, 255},
        {&Label14, 6775, 1530, 1200, 255},
        {&Label15, 6075, 2025, 600, 255},
        {&Label16, 6775, 2025, 1200, 255},
        {&Frame1, 90, 6030, 4785, 510},
        {&Command1, 5310, 6630, 675, 405},
        {&Command3, 5310, 6090, 675, 405},
        {&Command2, 6840, 6075, 675, 405},
    });
    for (int i = 0; i < 7; ++i) {
        platform::lay_out({{slot_labels()[i], label_left[i], 6720, 600, 225}, {slot_lamps()[i], lamp_left[i], 6600, 690, 465}});
        slot_labels()[i]->raise();
    }
}

void LocalZoomWindow::place_asia() {
    const std::array<int, 7> label_left{150, 870, 1590, 2280, 3000, 3700, 4415};
    const std::array<int, 7> lamp_left{100, 820, 1550, 2200, 2930, 3650, 4370};
    platform::lay_out({
        {&Picture1, 0, 0, 9450, 9300},
        {&Label9, 5150, 9300, 1400, 255},
        {&Label10, 6650, 9300, 1900, 255},
        {&Label11, 5150, 9660, 600, 255},
        {&Label12, 6650, 9660, 1200, 255},
        {&Label13, 5150, 9960, 600, 255},
        {&Label14, 6650, 9960, 1200, 255},
        {&Label15, 5150, 10260, 600, 255},
        {&Label16, 6650, 10260, 1200, 255},
        {&Frame1, 90, 9350, 4785, 510},
        {&Command1, 8500, 10015, 825, 510},
        {&Command2, 8500, 9430, 825, 510},
        {&Command3, 6840, 9430, 825, 510},
    });
    for (int i = 0; i < 7; ++i) {
        platform::lay_out({{slot_labels()[i], label_left[i], 10050, 600, 225}, {slot_lamps()[i], lamp_left[i], 9915, 705, 465}});
        slot_labels()[i]->raise();
    }
}

void LocalZoomWindow::swap_layout_buttons(bool asia) {
    Command2.setVisible(asia);
    Command2.setEnabled(asia);
    Command3.setVisible(!asia);
    Command3.setEnabled(!asia);
}

void LocalZoomWindow::set_origin(double scale_top, double scale_left) {
    Picture1.Scale(scale_left, scale_top, Picture1.scaleWidth(), Picture1.scaleHeight());
}

void LocalZoomWindow::open_local() {
    l_.view.local_zoom_open = 1;
    const LocalMapSetting& m = l_.settings.local;
    set_origin(val(m.local_map_lat) + 15, val(m.local_map_lon) - 15);
    swap_layout_buttons(false);
    Show();
}

void LocalZoomWindow::Command1_Click() {
    l_.view.local_zoom_open = 0;
    Unload();
}

void LocalZoomWindow::Command2_Click() {
    move_twips(left(), top(), 8115, 7560);
    place_local();
    load_map_bitmap(Picture1, l_.settings.local.local_map_file, l_.maps.bitmaps_noted);
    const LocalMapSetting& m = l_.settings.local;
    set_local_zoom_scale(Picture1, val(m.local_map_lon), val(m.local_map_lat));
    l_.view.local_zoom_px_width = l_.view.local_zoom_px_height = kLocalPx;
    swap_layout_buttons(false);
}

void LocalZoomWindow::Command3_Click() {
    move_twips(100, 100, 9620, 11000);
    place_asia();
    load_map_bitmap(Picture1, "asia090-98.bmp", l_.maps.bitmaps_noted);
    set_asia_zoom_scale(Picture1);
    l_.view.local_zoom_px_width = kAsiaPxWidth;
    l_.view.local_zoom_px_height = kAsiaPxHeight;
    swap_layout_buttons(true);
}

void LocalZoomWindow::Check1_Click() { l_.maps.local_zoom_hatch = static_cast<int16_t>(Check1.value()); }

bool LocalZoomWindow::eventFilter(QObject* watched, QEvent* event) {
    show_slot_tip_on_hover(watched, event, slot_labels(), l_.tips);
    return platform::Form::eventFilter(watched, event);
}

}  // namespace torv
