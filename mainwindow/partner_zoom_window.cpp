#include "mainwindow/partner_zoom_window.h"

#include <filesystem>

#include "common/number_text.h"
#include "mainwindow/map_geometry.h"
#include "mainwindow/station_markers.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/paths.h"

namespace torv {

PartnerZoomWindow::PartnerZoomWindow(MapWindowLinks links)
    : Picture1(this), Picture2(this), Label7(this), Label6(this), Frame1(this), Label1(&Frame1), Label2(&Frame1),
      Label3(&Frame1), Label4(&Frame1), Label5(&Frame1), Label8(&Frame1), Label9(&Frame1), Shape1(&Frame1),
      Shape2(&Frame1), Shape3(&Frame1), Shape4(&Frame1), Shape5(&Frame1), Shape6(&Frame1), Shape7(&Frame1),
      Check1(this), Command1(this), l_(links) {
    setCaption(QString::fromUtf8(kPartnerZoomWindowCaption));
    move_twips(0, 0, 6210, 7950);
    platform::lay_out({
        {&Picture1, 45, 0, 6000, 6000},
        {&Label7, 90, 6090, 900, 255, "現地時間"},
        {&Label6, 990, 6090, 2445, 255},
        {&Check1, 3600, 6060, 1095, 285, "斜線"},
        {&Command1, 5040, 6030, 900, 405, "閉じる"},
        {&Frame1, 45, 6480, 6000, 900, "観測地の衛星の状況"},
    });
    const std::array<int, 7> label_left{150, 870, 1590, 2280, 3060, 3810, 4590};
    const std::array<int, 7> lamp_left{90, 810, 1530, 2250, 3000, 3750, 4530};
    for (int i = 0; i < 7; ++i) {
        platform::lay_out({{slot_labels()[i], label_left[i], 420, 600, 225}, {slot_lamps()[i], lamp_left[i], 300, 690, 465}});
        slot_labels()[i]->raise();
        slot_labels()[i]->installEventFilter(this);
    }
    Picture2.hide();
    Picture1.Scale(15, 15, 30, -30);
    Command1.Click = [this] { Command1_Click(); };
    Check1.Click = [this] { Check1_Click(); };
    // The own station's print is not held here: the redraw clears it.
    MapClickSteps steps;
    steps.station = l_.actions.select_partner;
    attach_map_mouse(Picture1, kPartnerZoomReadouts, readout_tables(l_), {l_.view.map_mouse_x, l_.view.map_mouse_y, nullptr},
                     l_.station, steps);
}

std::array<platform::Label*, 7> PartnerZoomWindow::slot_labels() {
    return {&Label1, &Label2, &Label3, &Label4, &Label5, &Label8, &Label9};
}

std::array<platform::Shape*, 7> PartnerZoomWindow::slot_lamps() { return {&Shape1, &Shape2, &Shape3, &Shape4, &Shape5, &Shape6, &Shape7}; }

void PartnerZoomWindow::Form_Load() {
    std::vector<std::string> missing;
    if (!l_.maps.partner_zoom_map_file.empty()) load_map_bitmap(Picture1, l_.maps.partner_zoom_map_file, missing);
    iss_ = load_iss_picture(missing);
    note_missing_bitmaps(l_.maps.bitmaps_noted, missing);
}

void PartnerZoomWindow::open_partner_map(int i) {
    const PartnerStationTable& p = l_.partners;
    MapState& m = l_.maps;
    l_.view.partner_zoom_open = 1;
    const double centre_lon = val(p.partner_map_lon[i]);
    m.partner_zoom_lon = centre_lon >= 0 ? p.partner_map_lon[i] : num_text(centre_lon + 360);
    m.partner_zoom_index = i;
    Picture1.Scale(val(m.partner_zoom_lon) - 15, val(p.partner_map_lat[i]) + 15, Picture1.scaleWidth(),
                   Picture1.scaleHeight());
    m.partner_zoom_map_file = p.partner_map_file[i];
    const std::string& file = m.partner_zoom_map_file;
    if (!file.empty()) {
        // The file looked for is the file loaded.
        const std::string path = platform::program_file(file);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            platform::msg_box(file + kPartnerMapMissing);
            return;
        }
        std::vector<std::string> unreadable;
        load_map_bitmap_at(Picture1, path, file, unreadable);
        note_missing_bitmaps(m.bitmaps_noted, unreadable);
    }
    const double lon = p.partner_lon[i] < 0 ? p.partner_lon[i] + 360 : p.partner_lon[i];
    station_marker(&Picture1, lon, p.partner_lat[i], 0.3, 0.2, kCyan);
    if (val(p.partner_has_map[i]) == 1) Show();
    else Unload();
}

void PartnerZoomWindow::Command1_Click() {
    l_.view.partner_zoom_open = 0;
    Unload();
}

void PartnerZoomWindow::Check1_Click() { l_.maps.partner_zoom_hatch = static_cast<int16_t>(Check1.value()); }

bool PartnerZoomWindow::eventFilter(QObject* watched, QEvent* event) {
    show_slot_tip_on_hover(watched, event, slot_labels(), l_.tips);
    return platform::Form::eventFilter(watched, event);
}

}  // namespace torv
